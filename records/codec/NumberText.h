#pragma once
// Numbers as the record files write and read them.

#include <optional>
#include <string>
#include <string_view>

namespace halvane {

// The nearest integer, halves to the even neighbour.
long long NearestEven(double value);

// `value` x 10^decimals rounded (halves to even), the digits with a comma
// before the last `decimals` and zeros in front so that one digit stands
// before the comma, "-" for a negative result: 0.05 -> "0,05", -0.5 -> "-0,50".
std::string DecimalCommaText(double value, int decimals);

// `text` right-aligned with spaces to `width`; a longer text is kept whole.
std::string PadLeft(std::string_view text, std::size_t width);
// `text` left-aligned with spaces to `width`, cut when longer.
std::string PadRightCut(std::string_view text, std::size_t width);

// A decimal integer with optional surrounding blanks and a leading "-";
// nothing for anything else or a value outside int.
std::optional<int> ParseInt(std::string_view text);

// A number whose decimal separator is the first character that is neither a
// blank, "-" nor a digit; nothing when it does not read as a finite number.
std::optional<double> ParseDecimal(std::string_view text);

} // namespace halvane
