#pragma once
// The table and dialog pictures the executable carries: frames, tablets,
// plates, markers, the menu pictures, the button pieces, and the cursors.

#include <QImage>
#include <QString>
#include <functional>

namespace halvane::art {
class AssetWriter;
void WriteDecor(AssetWriter &out);
// Receives one picture of the decor pack: type ("RCDATA", "JPEG"), name, bytes.
using PackSink = std::function<void(const QString &, const QString &, const QByteArray &)>;
void AddDecorPack(const PackSink &sink);
} // namespace halvane::art
