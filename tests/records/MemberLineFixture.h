#pragma once
// A club file's player line for the tests, from its parts.

#include "records/codec/PlayerLine.h"

#include <string>

inline std::string Member(const char *name, double rating, int games, int score, const char *password = "pw")
{
    halvane::PlayerLine p;
    p.name = halvane::PlayerNameField(name);
    p.rating = rating;
    p.games = games;
    p.cycleScore = score;
    p.passwordField = halvane::PasswordField(password);
    return p.Text();
}
