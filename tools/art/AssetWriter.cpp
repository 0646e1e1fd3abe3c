#include "AssetWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSaveFile>

namespace halvane::art {

QByteArray EncodeImage(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

AssetWriter::AssetWriter(const QString &root) : m_root(root) {}

bool AssetWriter::save(const QString &type, const QString &fileName, const QByteArray &bytes)
{
    const QString rel = type + QLatin1Char('/') + fileName;
    QDir(m_root).mkpath(type);
    const QString path = m_root + QLatin1Char('/') + rel;
    // Leave an unchanged file alone, so rcc and the build see no change.
    QFile old(path);
    if (!(old.open(QIODevice::ReadOnly) && old.readAll() == bytes)) {
        old.close();
        QSaveFile f(path);
        if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
            m_ok = false;
            return false;
        }
    }
    if (!m_files.contains(rel))
        m_files << rel;
    return true;
}

bool AssetWriter::png(const QString &name, const QImage &image)
{
    return save(QStringLiteral("RCDATA"), name + QStringLiteral(".png"), EncodeImage(image, "PNG"));
}

bool AssetWriter::bitmap(const QString &name, const QImage &image)
{
    // A bitmap has no alpha: lay the picture on white paper first.
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    return save(QStringLiteral("BITMAP"), name + QStringLiteral(".bmp"), EncodeImage(flat, "BMP"));
}

bool AssetWriter::jpeg(const QString &name, const QImage &image, int quality)
{
    return save(QStringLiteral("JPEG"), name + QStringLiteral(".jpg"),
                EncodeImage(image.convertToFormat(QImage::Format_RGB888), "JPEG", quality));
}

bool AssetWriter::raw(const QString &type, const QString &fileName, const QByteArray &bytes)
{
    return save(type, fileName, bytes);
}

bool AssetWriter::writeCollection(const QString &qrcFile) const
{
    QByteArray text = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/halvane\">\n";
    for (const QString &rel : m_files)
        text += "  <file alias=\"" + rel.toUtf8() + "\">" + (m_root + QLatin1Char('/') + rel).toUtf8() + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    QFile old(qrcFile);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == text)
        return true;
    old.close();
    QSaveFile f(qrcFile);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit();
}

} // namespace halvane::art
