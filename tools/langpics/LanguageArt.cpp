// Draws the language pictures of the executable as PNG files: the menu
// caption "Cap" + code (400 x 70), the play-mode banners "Elite" + code and
// "Net__" + code (350 x 40), and the big flags "FlagO" + code (100 x 68).
// Usage: halvane_language_art <output folder>
#include "table/CardVoice.h"
#include "table/LanguagePictures.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// One line per lettered picture language (the first eight languages).
struct Lettering {
    const char *subtitle; // under the product name in the caption
    const char *local;    // banner for play against the computer
    const char *network;  // banner for network play
};

const Lettering Letterings[8] = {
    {"a card game for three", "Game with the computer", "Network game"},
    {"карточная игра на троих", "Игра с компьютером", "Сетевая игра"},
    {"ein Kartenspiel zu dritt", "Spiel gegen den Computer", "Netzwerkspiel"},
    {"un jeu de cartes à trois", "Partie contre l`ordinateur", "Partie en réseau"},
    {"un juego de cartas para tres", "Partida contra el ordenador", "Partida en red"},
    {"三人紙牌遊戲", "與電腦對局", "網路對局"},
    {"un gioco di carte a tre", "Partita contro il computer", "Partita in rete"},
    {"karetní hra pro tři", "Hra s počítačem", "Síťová hra"},
};

// Light lettering with a dark rim on a clear ground, so the menu can tint it.
void Letter(QPainter &p, const QRectF &box, const QString &text, const QFont &font)
{
    QFont fitted = font;
    while (QFontMetricsF(fitted).horizontalAdvance(text) > box.width() && fitted.pixelSize() > 8)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    const QFontMetricsF metrics(fitted);
    const double x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const double y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, y), fitted, text);
    p.setPen(QPen(QColor(40, 20, 0, 220), std::max(1.5, fitted.pixelSize() / 14.0)));
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(255, 250, 225));
    fill.setColorAt(1, QColor(235, 215, 160));
    p.setBrush(fill);
    p.drawPath(path);
}

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool Save(const QImage &image, const QDir &folder, const QString &name)
{
    if (image.save(folder.filePath(name + QStringLiteral(".png")), "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(44);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(16);
    QFont banner(QStringLiteral("DejaVu Serif"));
    banner.setBold(true);
    banner.setPixelSize(26);
    bool ok = true;
    for (int language = 0; language < 8; ++language) {
        const QString code = halvane::LanguageCode(language);
        const Lettering &l = Letterings[language];
        QImage caption = Blank(400, 70);
        {
            QPainter p(&caption);
            p.setRenderHint(QPainter::Antialiasing);
            Letter(p, QRectF(0, 0, 400, 50), QStringLiteral("Halvane"), title);
            Letter(p, QRectF(0, 48, 400, 20), QString::fromUtf8(l.subtitle), small);
        }
        ok &= Save(caption, folder, QStringLiteral("Cap") + code);
        for (const auto &[base, text] : {std::pair{"Elite", l.local}, std::pair{"Net__", l.network}}) {
            QImage image = Blank(350, 40);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            Letter(p, QRectF(4, 0, 342, 40), QString::fromUtf8(text), banner);
            p.end();
            ok &= Save(image, folder, QString::fromLatin1(base) + code);
        }
    }
    for (int language = 0; language < 10; ++language)
        ok &= Save(halvane::DrawLanguageFlag(language, QSize(100, 68)), folder, halvane::BigFlagName(language));
    return ok ? 0 : 1;
}
