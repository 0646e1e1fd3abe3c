#include "PlayerLine.h"

#include "NumberText.h"

#include <algorithm>
#include <cstdio>

namespace halvane {

namespace {
constexpr int MaxGames = 9999999;    // 7 characters
constexpr int MaxScore = 999999;     // 6 characters
constexpr int MinScore = -99999;

std::string_view Field(std::string_view line, std::size_t from, std::size_t count)
{
    return from < line.size() ? line.substr(from, count) : std::string_view();
}
} // namespace

bool IsEmptyPlayerLine(std::string_view line)
{
    return line.size() < 37 || line[36] == '#';
}

std::optional<PlayerLine> PlayerLine::Parse(std::string_view line)
{
    if (IsEmptyPlayerLine(line))
        return std::nullopt;
    PlayerLine p;
    p.name = PlayerNameField(Field(line, 0, 20));
    p.rating = ReadRating(Field(line, 20, 10));
    p.games = std::clamp(ParseInt(Field(line, 30, 7)).value_or(0), 0, MaxGames);
    p.cycleScore = ParseInt(Field(line, 38, 6)).value_or(0);
    const std::string_view pw = Field(line, 44, 15);
    p.passwordField = PasswordFromField(pw) ? std::string(pw) : PasswordField("");
    return p;
}

std::string PlayerLine::GamesText() const
{
    return PadLeft(std::to_string(std::clamp(games, 0, MaxGames)), 7);
}

std::string PlayerLine::CycleScoreText() const
{
    return PadLeft(std::to_string(std::clamp(cycleScore, MinScore, MaxScore)), 6);
}

std::string PlayerLine::Text() const
{
    return PlayerNameField(name) + RatingText(rating) + GamesText() + ' ' + CycleScoreText() +
           PadRightCut(passwordField, 15);
}

std::string RatingText(double rating)
{
    // A rating is kept within -99.99..99.99, so the text always fits 10 characters.
    return PadLeft(DecimalCommaText(std::clamp(rating, -99.99, 99.99), 6), 10);
}

double ReadRating(std::string_view text)
{
    return ParseDecimal(text).value_or(0.0);
}

std::string TwoDecimalText(double value)
{
    return DecimalCommaText(value, 2);
}

std::string PasswordField(std::string_view password)
{
    std::string padded(password.substr(0, 5));
    padded.resize(5, ' ');
    std::string field;
    for (unsigned char c : padded) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%03d", int(c) + 234);
        field += digits;
    }
    return field;
}

std::optional<std::string> PasswordFromField(std::string_view field)
{
    if (field.size() != 15)
        return std::nullopt;
    std::string password;
    for (std::size_t i = 0; i < 15; i += 3) {
        const auto code = ParseInt(field.substr(i, 3));
        if (!code || *code < 234 || *code > 234 + 255)
            return std::nullopt;
        password.push_back(char(*code - 234));
    }
    while (!password.empty() && password.back() == ' ')
        password.pop_back();
    return password;
}

bool PasswordMatches(std::string_view field, std::string_view typed)
{
    return PasswordField(typed) == field;
}

std::string PlayerNameField(std::string_view name)
{
    return PadRightCut(name, 20);
}

std::string TrimmedName(std::string_view name)
{
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return std::string(name);
}

} // namespace halvane
