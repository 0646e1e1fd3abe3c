#include "Balloons.h"

#include "TBalloonHint.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace halvane {

namespace {
QList<QPointer<TBalloonHint>> &openBalloons()
{
    static QList<QPointer<TBalloonHint>> balloons;
    balloons.removeAll(nullptr);
    return balloons;
}
} // namespace

TBalloonHint *ShowBalloon(const QString &title, const QString &text, const QString &fontName, QWidget *anchor, int arrow,
                          int kind, int fontSize, int durationMs, QColor border, QColor background, QColor textColour,
                          QColor titleColour)
{
    if (anchor)
        anchor->setToolTip(QString());
    TBalloonHint::Style style;
    style.fontName = fontName;
    style.fontSize = fontSize;
    style.border = border;
    style.background = background;
    style.text = textColour;
    style.title = titleColour;
    style.kind = kind;
    style.arrow = std::clamp(arrow, 0, 3);
    style.durationMs = durationMs;
    auto *balloon = new TBalloonHint(title, text, style, anchor);
    openBalloons().append(balloon);
    balloon->showAt(anchor);
    return balloon;
}

void CloseBalloons()
{
    const auto balloons = openBalloons();
    for (const QPointer<TBalloonHint> &b : balloons)
        if (b) {
            b->hide();
            b->deleteLater();
        }
    openBalloons().clear();
}

int OpenBalloonCount()
{
    int n = 0;
    for (const QPointer<TBalloonHint> &b : openBalloons())
        n += b && b->isVisible() ? 1 : 0;
    return n;
}

TBalloonHint *ShowPictureBalloon(const QString &playerName, int arrow, QWidget *anchor, const QString &programDir)
{
    // The name comes from the network: only a plain file name may pick a file.
    if (playerName.isEmpty() || playerName.contains(QLatin1Char('/')) || playerName.contains(QLatin1Char('\\'))
        || playerName == QLatin1String("..") || playerName == QLatin1String("."))
        return nullptr;
    const QString dir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    const QString file = QDir(dir).filePath(QStringLiteral("History/") + playerName + QStringLiteral(".bmp"));
    if (!QFileInfo(file).isFile())
        return nullptr;
    const QImage picture(file);
    if (picture.isNull())
        return nullptr;
    auto *balloon = new TBalloonHint(picture, std::clamp(arrow, 0, 3), anchor);
    openBalloons().append(balloon);
    balloon->showAt(anchor);
    return balloon;
}

} // namespace halvane
