#pragma once
// Whole-file reading and writing of the game's 8-bit text files. Lines end in
// CR LF on disk; a lone LF or CR also ends a line on reading, and a final line
// break does not start another line.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

std::vector<std::string> SplitLines(std::string_view bytes);
// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string> &lines);

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path &path);

// Replaces the file with `bytes` so that a failed write never leaves it
// truncated: the bytes go to a temporary file in the same folder, which is
// renamed over the old file only when it was written completely.
bool WriteFileAtomically(const std::filesystem::path &path, std::string_view bytes);

} // namespace halvane
