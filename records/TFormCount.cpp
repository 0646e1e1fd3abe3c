#include "TFormCount.h"

#include "core/Cp1251.h"
#include "records/codec/PlayerLine.h"
#include "records/codec/Settings.h"
#include "table/AnimatedPicture.h"
#include "table/DialogLook.h"
#include "table/Dictionary.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/GeneralScorePhrases.h"
#include "table/phrases/MainWindowPhrases.h"

#include <QLabel>
#include <QPainter>

namespace halvane {

namespace {
constexpr int Width = 460;

// The connection lamp: red signed out, yellow signed in, green in an account game.
QImage LampPicture(int accountMode)
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = accountMode >= 3 ? QColor(0, 200, 0) : accountMode == 2 ? QColor(240, 220, 0) : QColor(220, 0, 0);
    QRadialGradient g(QPointF(9, 9), 12);
    g.setColorAt(0, colour.lighter(180));
    g.setColorAt(1, colour.darker(130));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    return image;
}
} // namespace

TFormCount::TFormCount(const TCount &count, const std::string &playerName, Kind kind, int accountMode,
                       QWidget *parent)
    : QDialog(parent), m_kind(kind), m_accountMode(accountMode)
{
    setObjectName(QStringLiteral("TFormCount"));
    setWindowTitle(Phrase(ph::Player) + QStringLiteral(":  ") +
                   QString::fromStdString(Cp1251ToUtf8(TrimmedName(playerName))));
    Image0 = new ImageControl(this);
    Label1 = new QLabel(Phrase(ph::InformationAboutGame), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    const std::array<QString, 7> captions{Phrase(ph::GeneralNumberOfGame), Phrase(ph::RoundInCycle),
                                          Phrase(ph::InitialScoreColon),  Phrase(ph::CurrentScoreColon),
                                          Phrase(ph::GeneralScoreColon),  Phrase(ph::InitialRatingColon),
                                          Phrase(ph::CurrentRatingColon)};
    const std::array<std::string, 7> values{count.Count_KonAll, count.Count_KonCur, count.Count_ScoBeg,
                                            count.Count_ScoCur, count.Count_ScoAll, count.Count_ReiBeg,
                                            count.Count_ReiCur};
    for (std::size_t k = 0; k < 7; ++k) {
        LabelA[k] = new QLabel(captions[k], this);
        LabelA[k]->setObjectName(QStringLiteral("Label%1a").arg(k + 1));
        LabelB[k] = new QLabel(QString::fromStdString(values[k]).trimmed(), this);
        LabelB[k]->setObjectName(QStringLiteral("Label%1b").arg(k + 1));
        LabelB[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Lamp = new ImageControl(this);
    Lamp->setPicture(LampPicture(accountMode));
    Left = new AnimatedPicture(this);
    Middle = new AnimatedPicture(this);
    Right = new AnimatedPicture(this);
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void TFormCount::showEvent(QShowEvent *event)
{
    DialogLookParts parts;
    parts.title = Phrase(ph::GeneralScore);
    parts.decorWord = QStringLiteral("GenCount");
    parts.ribbonPicture = QStringLiteral("GFormCount");
    parts.ribbonOffset = QPoint(-10, -5);
    parts.headerWidth = Width - 10;
    parts.width = Width;
    parts.heights = {475, 491, 517, 435};
    DialogLook::Apply(this, Image0, {Button1}, parts);
    const Look look = DialogLook::Current();
    const bool purple = look == Look::Purple;
    int y = purple ? 15 : parts.headerHeights[std::size_t(int(look) - 1)] + 15;

    // Side animations by the kind of game, in the purple look the pack's.
    QString left, right;
    switch (m_kind) {
    case Kind::Account: left = QStringLiteral("GClubA"); right = QStringLiteral("GClubB"); break;
    case Kind::Tournament: left = right = QStringLiteral("GClubE"); break;
    case Kind::Network: left = right = QStringLiteral("GClubG"); break;
    default: left = QStringLiteral("GClubC"); right = QStringLiteral("GClubF"); break;
    }
    if (purple) {
        left.replace(QStringLiteral("GClub"), QStringLiteral("Gif"));
        right.replace(QStringLiteral("GClub"), QStringLiteral("Gif"));
    }
    const bool animate = CurrentSettings().GifAnimation;
    Left->setGif(left);
    Right->setGif(right);
    Middle->setGif(QStringLiteral("GGenCount"));
    Left->start(animate, true, -1, 0);
    Right->start(animate, true, -1, 0);
    Middle->start(animate, true, -1, 14);
    Left->setGeometry(15, y, 60, 75);
    Middle->setGeometry(Width / 2 - 40, y, 80, 75);
    Right->setGeometry(Width - 75, y, 60, 75);
    Lamp->move(Width - 110, y + 50);
    y += 85;

    const QColor heading = purple ? QColor(255, 255, 0) : QColor(128, 0, 0);
    const QColor text = purple ? QColor(255, 255, 255) : QColor(0, 0, 128);
    auto colour = [](QLabel *l, const QColor &c) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, c);
        l->setPalette(pal);
    };
    Label1->setFont(DialogLook::Font("serif", 24, true));
    Label1->setGeometry(10, y, Width - 20, 32);
    colour(Label1, heading);
    y += 42;
    for (std::size_t k = 0; k < 7; ++k) {
        LabelA[k]->setFont(DialogLook::Font("serif", 18));
        LabelB[k]->setFont(DialogLook::Font("serif", 18, true));
        LabelA[k]->setGeometry(20, y, Width - 140, 28);
        LabelB[k]->setGeometry(Width - 130, y, 110, 28);
        colour(LabelA[k], text);
        colour(LabelB[k], heading);
        y += 30;
    }
    Button1->setFont(DialogLook::Font("decor", 20, true));
    Button1->setGeometry((Width - 150) / 2, height() - 50, 150, 36);
    QDialog::showEvent(event);
}

} // namespace halvane
