#include "TopTenLine.h"

#include "NumberText.h"

#include <climits>

namespace halvane {

TopTenEntry ReadTopTenLine(std::string_view line)
{
    TopTenEntry e;
    e.name = std::string(line.substr(0, 20));
    e.score = line.size() > 20 ? std::string(line.substr(20, 6)) : std::string();
    // A score that is not a number ranks below every real result.
    e.value = ParseInt(e.score).value_or(INT_MIN);
    e.filled = e.name.find_first_not_of('#') != std::string::npos && e.value != INT_MIN;
    return e;
}

} // namespace halvane
