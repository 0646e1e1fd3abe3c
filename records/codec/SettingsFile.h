#pragma once
// "Halvane.ini": 35 lines of Windows-1251 text with CR LF line ends. Odd lines
// up to 31 and line 32 are markers, written and never examined.

#include "Settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

inline constexpr int SettingsLineCount = 35;

// The 35 lines of the settings.
std::vector<std::string> SettingsLines(const Settings &settings);
std::string SettingsFileBytes(const Settings &settings);
// Line 2: twenty characters, one per setting.
std::string GeneralLine(const Settings &settings);

// The settings a file holds: every default first, then the file parsed in
// order up to the first line that fails its condition. A missing file or one
// of fewer than 35 lines gives the defaults; lines after the 35th are ignored.
// A number that does not read, or lies outside its setting's range, keeps the default.
Settings ParseSettingsFile(const std::optional<std::string> &bytes);

// A passport country code "c-nnn" with a continent digit 1..6 and an index
// within that continent.
bool IsValidPassportCountry(std::string_view code);

} // namespace halvane
