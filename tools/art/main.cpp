// halvane_art <output folder> <collection file>
// Draws the pictures the executable carries and lists them for rcc.

#include "AssetWriter.h"
#include "BuiltinCards.h"
#include "DecorArt.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: halvane_art <output folder> <collection file>\n");
        return 2;
    }
    halvane::art::AssetWriter out(QString::fromLocal8Bit(argv[1]));
    halvane::art::WriteBuiltinCards(out);
    halvane::art::WriteDecor(out);
    if (!out.ok() || !out.writeCollection(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "halvane_art: could not write the pictures\n");
        return 1;
    }
    return 0;
}
