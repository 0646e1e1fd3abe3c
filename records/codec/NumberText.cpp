#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace halvane {

long long NearestEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    long long n = static_cast<long long>(floor);
    if (diff > 0.5 || (diff == 0.5 && (n % 2 != 0)))
        ++n;
    return n;
}

std::string DecimalCommaText(double value, int decimals)
{
    const long long n = NearestEven(value * std::pow(10.0, decimals));
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < std::size_t(decimals) + 1)
        digits.insert(0, std::size_t(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - std::size_t(decimals), 1, ',');
    if (n < 0)
        digits.insert(0, 1, '-');
    return digits;
}

std::string PadLeft(std::string_view text, std::size_t width)
{
    std::string out;
    if (text.size() < width)
        out.assign(width - text.size(), ' ');
    out += text;
    return out;
}

std::string PadRightCut(std::string_view text, std::size_t width)
{
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

namespace {
std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}
} // namespace

std::optional<int> ParseInt(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseDecimal(std::string_view text)
{
    std::string plain(Trimmed(text));
    for (char &c : plain) {
        if (c != ' ' && c != '-' && (c < '0' || c > '9')) {
            c = '.';
            break;
        }
    }
    if (plain.empty())
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                           std::chars_format::fixed);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace halvane
