#include "Settings.h"

namespace halvane {

Settings &CurrentSettings()
{
    static Settings settings;
    return settings;
}

} // namespace halvane
