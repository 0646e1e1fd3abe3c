#pragma once
// Pictures by name from a resource pack, or from the executable itself when
// the pack file name is empty. Each returns false when the pack or the
// picture is missing or cannot be decoded, leaving the target unchanged.

#include "platform/PeResources.h"

#include <QImage>
#include <QString>

class QMovie;

namespace halvane {

bool LoadPackPng(const QString &name, const QString &packFile, QImage &png);
bool LoadPackJpeg(const QString &name, const QString &packFile, QImage &jpeg);
// Gives the animation its own copy of the GIF's bytes.
bool LoadPackGif(const QString &name, const QString &packFile, QMovie &animator);

// The raw bytes of a resource from an opened pack, or from the executable when
// `pack` is null.
QByteArray ResourceBytes(const PeResources *pack, ResourceType type, const QString &name);
// A picture from a pack or the executable: RCDATA PNG, JPEG, or BITMAP.
QImage ResourceImage(const PeResources *pack, ResourceType type, const QString &name);

} // namespace halvane
