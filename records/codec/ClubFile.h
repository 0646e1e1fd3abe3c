#pragma once
// The club file ("Halvane.clb" for games against the computer, "Halvane.net"
// for network games): 17 lines of Windows-1251 text.
//   1-5   player lines, 59 characters (PlayerLine.h)
//   6-15  the local top ten, 26 characters: name (20) and cycle score (6)
//   16    28 characters, byte 157 (the game code 57 plus 100) and "}"
//   17    28 characters: "1" at 1 turns the language Russian, a tag at 7-9,
//         and the check sums C1, C2, C3 at 11-16, 17-22, 23-28
// The sums cover the first 583 bytes of lines 1-16 joined without line ends.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

inline constexpr int ClubLineCount = 17;
inline constexpr int PlayerLineCount = 5;
inline constexpr int TopTenCount = 10;
inline constexpr std::size_t PlayerLineLength = 59;
inline constexpr std::size_t TopTenLineLength = 26;
inline constexpr std::size_t MarkLineLength = 28;
inline constexpr std::size_t SumsLineLength = 28;
inline constexpr std::size_t ClubSumBytes = 583;
inline constexpr unsigned char ClubMarkByte = 157; // game code 57 plus 100
// The tag of the files our own build installs.
inline constexpr std::string_view InstalledClubTag = "HLV";

struct ClubSums {
    int c1 = 0; // all bytes
    int c2 = 0; // bytes at even positions (counted from 1)
    int c3 = 0; // bytes at positions divisible by three
    bool operator==(const ClubSums &) const = default;
};

class ClubFile
{
public:
    // The file as the installation writes it: five empty player lines, ten
    // unfilled top-ten places, the mark line and correct sums.
    static ClubFile Fresh();
    // Exactly 17 lines or nothing; the lengths are checked by HasValidShape.
    static std::optional<ClubFile> FromLines(const std::vector<std::string> &lines);
    static std::optional<ClubFile> FromBytes(std::string_view bytes);

    // Lines 1..17.
    const std::string &line(int number) const { return m_lines.at(std::size_t(number - 1)); }
    void setLine(int number, std::string text) { m_lines.at(std::size_t(number - 1)) = std::move(text); }

    // 59, 26 and 28 characters where they belong.
    bool HasValidShape() const;
    // Line 16 begins with byte 157 and "}".
    bool HasMark() const;
    ClubSums ComputeSums() const;
    // The sums line 17 holds; nothing when a field is not a number.
    std::optional<ClubSums> StoredSums() const;
    bool SumsMatch() const;
    // Writes the current sums into line 17, keeping its other characters.
    void UpdateSums();

    bool RussianFlag() const;  // line 17 begins with "1"
    std::string Tag() const;   // characters 7-9 of line 17

    std::string Bytes() const; // every line followed by CR LF

private:
    std::array<std::string, ClubLineCount> m_lines;
};

// The sums of the first 583 bytes of `joined` (fewer when it is shorter).
ClubSums ComputeClubSums(std::string_view joined);

} // namespace halvane
