#pragma once
// Writes generated pictures under <root>/<TYPE>/<Name>.<ext> and lists them
// in a Qt resource collection file, so the executable carries them as
// :/halvane/<TYPE>/<Name>.<ext>.

#include <QImage>
#include <QString>
#include <QStringList>

namespace halvane::art {

class AssetWriter
{
public:
    explicit AssetWriter(const QString &root);

    bool png(const QString &name, const QImage &image);     // RCDATA
    bool bitmap(const QString &name, const QImage &image);  // BITMAP, 24-bit BMP
    bool jpeg(const QString &name, const QImage &image, int quality = 90); // JPEG
    bool raw(const QString &type, const QString &fileName, const QByteArray &bytes);
    // Writes the collection file listing every file written so far.
    bool writeCollection(const QString &qrcFile) const;
    bool ok() const { return m_ok; }

private:
    bool save(const QString &type, const QString &fileName, const QByteArray &bytes);
    QString m_root;
    QStringList m_files;
    bool m_ok = true;
};

QByteArray EncodeImage(const QImage &image, const char *format, int quality = -1);

} // namespace halvane::art
