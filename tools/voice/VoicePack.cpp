// Packs the voice lines into the voice pack "VyxCVoice3.dll": every wave of
// the folder as an RCDATA resource named after its file.
// Usage: halvane_voice_pack <voice line folder> <out.dll>
#include "PeWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <voice line folder> <out.dll>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    halvane::packs::PeWriter pack;
    for (const QFileInfo &line : folder.entryInfoList({QStringLiteral("*Voice*.wav")}, QDir::Files, QDir::Name)) {
        QFile file(line.filePath());
        if (!file.open(QIODevice::ReadOnly) || !pack.add(QStringLiteral("RCDATA"), line.baseName(), file.readAll())) {
            std::fprintf(stderr, "cannot add the voice line %s\n", qPrintable(line.fileName()));
            return 1;
        }
    }
    if (pack.count() == 0 || !pack.write(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
