#pragma once
// The table and dialog pictures the executable carries: frames, tablets,
// plates, markers, the menu pictures, the button pieces, and the cursors.

#include <QImage>
#include <QString>

namespace halvane::art {
class AssetWriter;
void WriteDecor(AssetWriter &out);
} // namespace halvane::art
