#include "DecorArt.h"

#include "AssetWriter.h"

namespace halvane::art {

void WriteDecor(AssetWriter &out)
{
    (void)out;
}

} // namespace halvane::art
