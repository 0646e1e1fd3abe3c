#include "TextFile.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace halvane {

std::vector<std::string> SplitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false; // a line has started and not yet ended
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line.push_back(c);
            open = true;
        }
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

std::string JoinLines(const std::vector<std::string> &lines)
{
    std::string out;
    for (const std::string &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path &path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool WriteFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    std::filesystem::path temp = path;
    temp += ".tmp~";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace halvane
