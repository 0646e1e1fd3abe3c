// halvane_packs <pack file name> <output path>
// Builds one of our resource packs as a resource-only Windows DLL.

#include "PackContents.h"
#include "PeWriter.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: halvane_packs <pack file name> <output path>\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    halvane::packs::PeWriter pack;
    if (!halvane::packs::FillPack(name, pack)) {
        std::fprintf(stderr, "halvane_packs: no such pack: %s\n", argv[1]);
        return 2;
    }
    if (!pack.write(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "halvane_packs: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d resources\n", argv[1], pack.count());
    return 0;
}
