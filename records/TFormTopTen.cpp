#include "TFormTopTen.h"

#include "core/Cp1251.h"
#include "platform/ResourceRegistry.h"
#include "records/codec/Settings.h"
#include "records/codec/TopTenLine.h"
#include "table/AnimatedPicture.h"
#include "table/DialogLook.h"
#include "table/Dictionary.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/MainWindowPhrases.h"
#include "table/phrases/RecordsPhrases.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace halvane {

namespace {
// Our own scroll where the picture "GSvitok" is not available.
void DrawScroll(QPainter &p, const QRectF &r)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet = r.adjusted(30, 40, -30, -40);
    QLinearGradient paper(sheet.topLeft(), sheet.topRight());
    paper.setColorAt(0, QColor(232, 210, 160));
    paper.setColorAt(0.5, QColor(250, 236, 200));
    paper.setColorAt(1, QColor(228, 204, 150));
    p.fillRect(sheet, paper);
    p.setPen(QPen(QColor(150, 110, 60), 1.5));
    p.drawRect(sheet);
    for (const double y : {sheet.top(), sheet.bottom()}) {
        const QRectF roll(r.left() + 14, y - 18, r.width() - 28, 36);
        QLinearGradient g(roll.topLeft(), roll.bottomLeft());
        g.setColorAt(0, QColor(200, 160, 100));
        g.setColorAt(0.5, QColor(250, 230, 190));
        g.setColorAt(1, QColor(160, 120, 70));
        p.setBrush(g);
        p.drawRoundedRect(roll, 18, 18);
        p.setBrush(QColor(120, 40, 20));
        p.drawEllipse(QRectF(roll.left() - 6, roll.top() + 6, 20, 24));
        p.drawEllipse(QRectF(roll.right() - 14, roll.top() + 6, 20, 24));
    }
}
} // namespace

TFormTopTen::TFormTopTen(const ClubFile &club, bool networkList, QWidget *parent)
    : QDialog(parent), m_club(club), m_network(networkList)
{
    setObjectName(QStringLiteral("TFormTopTen"));
    setWindowTitle(Phrase(ph::TopTen));
    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    RxGIFAn1 = new AnimatedPicture(this);
    RxGIFAn2 = new AnimatedPicture(this);
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TFormTopTen::Button1Click);
}

void TFormTopTen::DrawList(QImage &image, const ClubFile &club, bool networkList)
{
    image.fill(QColor(0xF0, 0xF0, 0xF0)); // the window colour
    QPainter p(&image);
    QImage scroll;
    scroll.loadFromData(ResourceRegistry::instance().data(ResourceType::RcData, QStringLiteral("GSvitok")));
    if (!scroll.isNull())
        p.drawImage(0, 0, scroll);
    else
        DrawScroll(p, QRectF(0, 0, 450, 570));
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor maroon(128, 0, 0);
    QFont font = DialogLook::Font("serif", 20, true);
    p.setFont(font);
    p.setPen(maroon);
    const int h = QFontMetrics(font).height();
    p.drawText(QRect(0, 85, 450, h), Qt::AlignHCenter | Qt::AlignTop,
               Phrase(networkList ? ph::NetGames : ph::LocalGamesWithPc));
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(70, 120, 160, h), Qt::AlignHCenter | Qt::AlignTop, Phrase(ph::TopTen));
    p.drawText(QRect(250, 120, 150, h), Qt::AlignHCenter | Qt::AlignTop, Phrase(ph::Score));
    for (int n = 1; n <= 10; ++n) {
        const int y = 150 + 33 * (n - 1);
        p.setPen(n <= 3 ? QColor(255, 0, 0) : QColor(0, 0, 128));
        p.drawText(QPoint(70, y + QFontMetrics(font).ascent()), QString::number(n) + QLatin1Char('.'));
        const TopTenEntry e = ReadTopTenLine(club.line(n + 5));
        if (!e.filled)
            continue; // a place nobody has reached yet
        p.drawText(QPoint(95, y + QFontMetrics(font).ascent()), QString::fromStdString(Cp1251ToUtf8(e.name)));
        p.drawText(QRect(200, y, 180, h), Qt::AlignRight | Qt::AlignTop,
                   QString::fromStdString(e.score).trimmed());
    }
}

void TFormTopTen::showEvent(QShowEvent *event)
{
    const Look look = DialogLook::Current();
    DialogLookParts parts;
    parts.title = Phrase(ph::TopTen);
    parts.width = 460;
    parts.heights = {700, 700, 700, 700};
    parts.headerHeights = {0, 0, 0, 0};
    DialogLook::Apply(this, nullptr, {Button1}, parts, look);
    Image1->resizePicture(QSize(450, 570));
    Image1->move(5, 5);
    DrawList(Image1->picture(), m_club, m_network);
    Image1->update();
    const bool animate = CurrentSettings().GifAnimation;
    RxGIFAn1->setGeometry(50, 575, 240, 120);
    RxGIFAn1->setGif(QStringLiteral("GTopTen"));
    RxGIFAn1->start(animate, true, -1, 0);
    RxGIFAn2->setGeometry(340, 565, 60, 75);
    RxGIFAn2->setGif(m_network ? QStringLiteral("GClubG") : QStringLiteral("GClubF"));
    RxGIFAn2->start(animate, true, -1, 0);
    QFont font = DialogLook::Font("serif", 24, true);
    Button1->setFont(font);
    Button1->setGeometry(310, 647, 120, 45);
    QDialog::showEvent(event);
}

void TFormTopTen::Button1Click()
{
    RxGIFAn1->clear();
    accept();
}

void TFormTopTen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        RxGIFAn1->clear();
    QDialog::keyPressEvent(event);
}

} // namespace halvane
