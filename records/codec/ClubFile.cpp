#include "ClubFile.h"

#include "NumberText.h"
#include "PlayerLine.h"
#include "TextFile.h"
#include "TopTenLine.h"

#include <cstdio>

namespace halvane {

ClubSums ComputeClubSums(std::string_view joined)
{
    ClubSums sums;
    const std::size_t n = std::min(joined.size(), ClubSumBytes);
    for (std::size_t i = 0; i < n; ++i) {
        const int byte = static_cast<unsigned char>(joined[i]);
        const std::size_t position = i + 1;
        sums.c1 += byte;
        if (position % 2 == 0)
            sums.c2 += byte;
        if (position % 3 == 0)
            sums.c3 += byte;
    }
    return sums;
}

ClubFile ClubFile::Fresh()
{
    ClubFile file;
    for (int k = 1; k <= PlayerLineCount; ++k)
        file.setLine(k, std::string(EmptyPlayerLine));
    for (int k = 1; k <= TopTenCount; ++k)
        file.setLine(k + 5, std::string(UnfilledTopTenLine));
    std::string mark(MarkLineLength, '#');
    mark[0] = char(ClubMarkByte);
    mark[1] = '}';
    file.setLine(16, mark);
    std::string sums = "0#####";
    sums += InstalledClubTag;
    sums += '#';
    sums.resize(SumsLineLength, '0');
    file.setLine(17, sums);
    file.UpdateSums();
    return file;
}

std::optional<ClubFile> ClubFile::FromLines(const std::vector<std::string> &lines)
{
    if (lines.size() != std::size_t(ClubLineCount))
        return std::nullopt;
    ClubFile file;
    for (int k = 1; k <= ClubLineCount; ++k)
        file.setLine(k, lines[std::size_t(k - 1)]);
    return file;
}

std::optional<ClubFile> ClubFile::FromBytes(std::string_view bytes)
{
    return FromLines(SplitLines(bytes));
}

bool ClubFile::HasValidShape() const
{
    for (int k = 1; k <= ClubLineCount; ++k) {
        const std::size_t want = k <= 5 ? PlayerLineLength : k <= 15 ? TopTenLineLength : MarkLineLength;
        if (line(k).size() != want)
            return false;
    }
    return true;
}

bool ClubFile::HasMark() const
{
    const std::string &mark = line(16);
    return mark.size() >= 2 && static_cast<unsigned char>(mark[0]) == ClubMarkByte && mark[1] == '}';
}

ClubSums ClubFile::ComputeSums() const
{
    std::string joined;
    for (int k = 1; k <= 16; ++k)
        joined += line(k);
    return ComputeClubSums(joined);
}

std::optional<ClubSums> ClubFile::StoredSums() const
{
    const std::string &sums = line(17);
    if (sums.size() < SumsLineLength)
        return std::nullopt;
    auto field = [&sums](std::size_t from) -> std::optional<int> {
        const std::string_view text = std::string_view(sums).substr(from, 6);
        for (char c : text)
            if (c < '0' || c > '9')
                return std::nullopt;
        return ParseInt(text);
    };
    const auto c1 = field(10), c2 = field(16), c3 = field(22);
    if (!c1 || !c2 || !c3)
        return std::nullopt;
    return ClubSums{*c1, *c2, *c3};
}

bool ClubFile::SumsMatch() const
{
    const auto stored = StoredSums();
    return stored && *stored == ComputeSums();
}

void ClubFile::UpdateSums()
{
    std::string sums = line(17);
    sums.resize(SumsLineLength, '#');
    const ClubSums c = ComputeSums();
    char digits[32];
    std::snprintf(digits, sizeof digits, "%06d%06d%06d", c.c1 % 1000000, c.c2 % 1000000, c.c3 % 1000000);
    sums.replace(10, 18, digits, 18);
    setLine(17, sums);
}

bool ClubFile::RussianFlag() const
{
    return !line(17).empty() && line(17)[0] == '1';
}

std::string ClubFile::Tag() const
{
    return line(17).size() >= 9 ? line(17).substr(6, 3) : std::string();
}

std::string ClubFile::Bytes() const
{
    return JoinLines(std::vector<std::string>(m_lines.begin(), m_lines.end()));
}

} // namespace halvane
