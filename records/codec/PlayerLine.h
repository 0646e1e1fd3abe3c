#pragma once
// One player line of a club file, 59 characters:
//   1-20 name, 21-30 rating (six decimals, ","), 31-37 games played,
//   38 a space, 39-44 general score of the current cycle, 45-59 password
//   (each of its five characters as the three-digit code plus 234).

#include <optional>
#include <string>
#include <string_view>

namespace halvane {

// 37 "#", a space and 21 "#".
inline constexpr std::string_view EmptyPlayerLine =
    "##################################### #####################";

// A line counts as empty when its 37th character is "#" (or it is too short to have one).
bool IsEmptyPlayerLine(std::string_view line);

struct PlayerLine {
    std::string name = std::string(20, ' '); // 20 bytes as stored, trailing blanks kept
    double rating = 0.0;
    int games = 0;
    int cycleScore = 0;
    std::string passwordField = std::string(15, '0');

    // Nothing for an empty line. A malformed number reads as 0.
    static std::optional<PlayerLine> Parse(std::string_view line);
    // The 59 characters; numbers too wide for their field are held at its limit.
    std::string Text() const;
    // The games-played text, characters 31-37.
    std::string GamesText() const;
    std::string CycleScoreText() const; // characters 39-44
};

// The rating as characters 21-30 hold it: 1.5 -> "  1,500000", -0.5 -> " -0,500000".
std::string RatingText(double rating);
// The rating of characters 21-30; 0 when it is not a number.
double ReadRating(std::string_view text);

// Two decimals with a comma: 0.004 -> "0,00", -0.5 -> "-0,50".
std::string TwoDecimalText(double value);

// The password (cut to 5 bytes, padded with blanks) as 15 digits.
std::string PasswordField(std::string_view password);
// The password a field holds, trailing blanks removed; nothing when malformed.
std::optional<std::string> PasswordFromField(std::string_view field);
// Whether `typed`, padded with blanks to five characters, is the stored password.
bool PasswordMatches(std::string_view field, std::string_view typed);

// The name padded with blanks (or cut) to 20 bytes.
std::string PlayerNameField(std::string_view name);
// The name with trailing blanks removed.
std::string TrimmedName(std::string_view name);

} // namespace halvane
