#pragma once
// What each of our packs holds, added to a PE writer.

#include <QString>

namespace halvane::packs {
class PeWriter;
// Fills `out` with the pack of that file name; false for a name we do not build.
bool FillPack(const QString &fileName, PeWriter &out);
} // namespace halvane::packs
