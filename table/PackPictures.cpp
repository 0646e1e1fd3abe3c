#include "PackPictures.h"

#include "platform/ResourcePack.h"
#include "platform/ResourceRegistry.h"

#include <QBuffer>
#include <QMovie>

namespace halvane {

QByteArray ResourceBytes(const PeResources *pack, ResourceType type, const QString &name)
{
    if (!pack)
        return ResourceRegistry::instance().data(type, name);
    const QByteArray bytes = pack->data(type, name);
    return type == ResourceType::Bitmap && !bytes.isEmpty() ? PeResources::BitmapFile(bytes) : bytes;
}

QImage ResourceImage(const PeResources *pack, ResourceType type, const QString &name)
{
    const QByteArray bytes = ResourceBytes(pack, type, name);
    if (bytes.isEmpty())
        return {};
    const char *format = type == ResourceType::Jpeg ? "JPEG" : type == ResourceType::Bitmap ? "BMP" : nullptr;
    return QImage::fromData(bytes, format);
}

namespace {

bool loadImage(ResourceType type, const QString &name, const QString &packFile, QImage &target)
{
    QImage image;
    if (packFile.isEmpty()) {
        image = ResourceImage(nullptr, type, name);
    } else {
        const PeResources pack = OpenPack(packFile);
        if (!pack.isValid())
            return false;
        image = ResourceImage(&pack, type, name);
    }
    if (image.isNull())
        return false;
    target = image;
    return true;
}

} // namespace

bool LoadPackPng(const QString &name, const QString &packFile, QImage &png)
{
    return loadImage(ResourceType::RcData, name, packFile, png);
}

bool LoadPackJpeg(const QString &name, const QString &packFile, QImage &jpeg)
{
    return loadImage(ResourceType::Jpeg, name, packFile, jpeg);
}

bool LoadPackGif(const QString &name, const QString &packFile, QMovie &animator)
{
    QByteArray bytes;
    if (packFile.isEmpty()) {
        bytes = ResourceBytes(nullptr, ResourceType::Gif, name);
    } else {
        const PeResources pack = OpenPack(packFile);
        if (!pack.isValid())
            return false;
        bytes = pack.data(ResourceType::Gif, name);
    }
    if (bytes.isEmpty())
        return false;
    animator.stop();
    auto *buffer = new QBuffer(&animator);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    animator.setFormat("GIF");
    animator.setDevice(buffer);
    return animator.isValid();
}

} // namespace halvane
