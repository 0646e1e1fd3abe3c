#include "HistoryFile.h"

#include "NumberText.h"
#include "PlayerLine.h"
#include "TextFile.h"

#include <cstdio>
#include <system_error>

namespace halvane {

namespace {

struct Sums {
    long long s1 = 0, s2 = 0, s3 = 0;
};

Sums SumsOf(std::string_view line)
{
    Sums s;
    const std::size_t n = std::min<std::size_t>(line.size(), 99);
    for (std::size_t i = 0; i < n; ++i) {
        const int b = static_cast<unsigned char>(line[i]);
        const std::size_t position = i + 1;
        s.s1 += b;
        if (position % 2 == 0)
            s.s2 += b;
        if (position % 3 == 0)
            s.s3 += b;
    }
    return s;
}

std::string Digits(long long value, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", width, value);
    return text;
}

// A field of digits only, read as a number; -1 when it is not one.
long long DigitField(std::string_view text)
{
    if (text.empty())
        return -1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string HistoryFileName(std::string_view base, int number)
{
    return std::string(base) + "_I" + Digits(number, 4) + ".hst";
}

std::string HistoryLineSums(std::string_view line)
{
    const Sums s = SumsOf(line);
    return Digits(s.s1, 5) + Digits(s.s2, 5) + Digits(s.s3, 5);
}

char HistoryKindLetter(int ac)
{
    switch (ac) {
    case 1: return 'A';
    case 2: return 'T';
    case 3: return 'N';
    default: return 'L';
    }
}

const char *HistoryKindWord(char letter)
{
    switch (letter) {
    case 'N': return "Net";
    case 'A': return "Account";
    case 'T': return "Tourney";
    default: return "Local";
    }
}

std::string HistoryEntryLine(const HisStr &e, std::string_view timeText, std::string_view dateText)
{
    std::string line = PadLeft(timeText, 5);
    line += PadLeft(dateText.substr(0, 10), 10);
    line += PadRightCut(e.HName, 51);
    line += PadLeft(std::to_string(e.HKon), 3);
    line += PadLeft(std::to_string(e.HRes), 10);
    line += PadLeft(TwoDecimalText(e.HRei), 10);
    line += HistoryKindLetter(e.Ac);
    line += "#########";
    return line + HistoryLineSums(line);
}

std::string HistoryMarkLine()
{
    std::string line = "$";
    line += char(157);
    line += '}';
    line.resize(99, '#');
    return line + HistoryLineSums(line);
}

std::string HistoryTotalsLine(const std::vector<std::string> &lines)
{
    long long t1 = 0, t2 = 0, t3 = 0;
    for (const std::string &line : lines) {
        if (line.size() < HistoryLineLength)
            continue;
        t1 += DigitField(std::string_view(line).substr(99, 5));
        t2 += DigitField(std::string_view(line).substr(104, 5));
        t3 += DigitField(std::string_view(line).substr(109, 5));
    }
    return Digits(t1, 10) + Digits(t2, 10) + Digits(t3, 10);
}

HistoryCheck CheckHistoryText(std::string_view bytes)
{
    HistoryCheck check;
    const std::vector<std::string> lines = SplitLines(bytes);
    long long t1 = 0, t2 = 0, t3 = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        if (line.size() < HistoryLineLength)
            return {};
        const Sums s = SumsOf(line);
        t1 += s.s1;
        t2 += s.s2;
        t3 += s.s3;
        if (line[0] != '$') {
            check.entryLines.push_back(line);
            continue;
        }
        if (i + 1 >= lines.size() || lines[i + 1].size() < HistoryTotalsLength)
            return {};
        const std::string_view totals = lines[i + 1];
        if (DigitField(totals.substr(0, 10)) != t1 || DigitField(totals.substr(10, 10)) != t2 ||
            DigitField(totals.substr(20, 10)) != t3)
            return {};
        check.valid = true;
        check.entries = int(check.entryLines.size());
        return check;
    }
    return {}; // no mark line
}

HistoryCheck CheckHistoryFile(const std::filesystem::path &path)
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    return CheckHistoryText(*bytes);
}

HistoryWriter::HistoryWriter(std::filesystem::path folder, std::string base)
    : m_folder(std::move(folder)), m_base(std::move(base))
{
}

std::filesystem::path HistoryWriter::FilePath(int number) const
{
    return m_folder / HistoryFileName(m_base, number);
}

bool HistoryWriter::Write(const std::vector<HisStr> &entries, std::string_view timeText,
                          std::string_view dateText) const
{
    std::vector<std::string> lines;
    int target = 0;
    bool damaged = false;
    std::error_code ec;
    for (int n = 1; n <= HistoryMaxFiles && target == 0; ++n) {
        HistoryCheck check = CheckHistoryFile(FilePath(n));
        if (!check.valid) {
            target = n;
            damaged = std::filesystem::exists(std::filesystem::symlink_status(FilePath(n), ec));
        } else if (check.entries < HistoryEntriesPerFile) {
            target = n;
            lines = std::move(check.entryLines);
        }
    }
    if (target == 0)
        return false;
    for (const HisStr &e : entries)
        lines.push_back(HistoryEntryLine(e, timeText, dateText));
    lines.push_back(HistoryMarkLine());
    lines.push_back(HistoryTotalsLine(lines));

    std::filesystem::create_directories(m_folder, ec);
    const std::filesystem::path path = FilePath(target);
    if (damaged) {
        // A damaged file under this number is kept aside, not overwritten.
        std::filesystem::path aside = path;
        aside += ".bad";
        std::filesystem::remove(aside, ec);
        std::filesystem::rename(path, aside, ec);
    }
    return WriteFileAtomically(path, JoinLines(lines));
}

} // namespace halvane
