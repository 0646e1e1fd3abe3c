#pragma once
// History files "<base>_I0001.hst" .. "<base>_I9999.hst" in the folder
// "History": up to 840 entry lines of 114 characters, a mark line and a
// totals line. Every line but the last carries three sums of its first 99
// bytes; the totals line adds them up, so an edited file is recognised.
//
// Entry line: time "hh:nn" (5), date (10), name (51), games (3), result (10),
// rating with two decimals and "," (10), kind letter L/A/T/N, "#########",
// then S1 (all 99 bytes), S2 (even positions), S3 (positions divisible by 3),
// five digits each.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

inline constexpr int HistoryEntriesPerFile = 840;
inline constexpr int HistoryMaxFiles = 9999;
inline constexpr std::size_t HistoryLineLength = 114;
inline constexpr std::size_t HistoryTotalsLength = 30;

// One game as the history writer takes it.
struct HisStr {
    std::string HName; // Windows-1251
    int HKon = 1;
    int HRes = 0;
    double HRei = 0.0;
    int Ac = 0; // 0 local, 1 account, 2 tournament, 3 network
};

// "Halvane_I0007.hst" for base "Halvane" and number 7.
std::string HistoryFileName(std::string_view base, int number);

// The 15 sum digits of a line's first 99 bytes.
std::string HistoryLineSums(std::string_view line);
// The entry line, 114 characters (longer only if a number outgrows its field).
std::string HistoryEntryLine(const HisStr &entry, std::string_view timeText, std::string_view dateText);
// "$", byte 157, "}", "#" up to 99 characters, and its sums.
std::string HistoryMarkLine();
// T1, T2, T3 over the stored sums of `lines`, ten digits each.
std::string HistoryTotalsLine(const std::vector<std::string> &lines);
// The kind letter of Ac and the viewer's word for a letter.
char HistoryKindLetter(int ac);
const char *HistoryKindWord(char letter);

struct HistoryCheck {
    bool valid = false;
    int entries = 0;
    std::vector<std::string> entryLines; // the lines before the mark line
};

// The check of one file: every line 114 characters or more, a mark line, and
// a totals line equal to the sums recomputed from the bytes.
HistoryCheck CheckHistoryFile(const std::filesystem::path &path);
HistoryCheck CheckHistoryText(std::string_view bytes);

class HistoryWriter
{
public:
    HistoryWriter(std::filesystem::path folder, std::string base);

    // Appends the entries to the first valid file that is not full, or starts
    // a new file under the first number whose file is missing or damaged (a
    // damaged file is kept beside it as "<name>.bad"). False when nothing
    // could be written: the save failed, or all 9999 numbers hold full files.
    bool Write(const std::vector<HisStr> &entries, std::string_view timeText, std::string_view dateText) const;

    std::filesystem::path FilePath(int number) const;
    const std::filesystem::path &folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::string m_base;
};

} // namespace halvane
