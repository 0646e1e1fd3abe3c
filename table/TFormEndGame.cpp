#include "TFormEndGame.h"

#include "AnimatedPicture.h"
#include "DialogLook.h"
#include "Dictionary.h"
#include "ImageControl.h"
#include "TVyxCardsButton.h"
#include "WavePlayer.h"
#include "platform/ResourceRegistry.h"
#include "records/codec/Settings.h"
#include "table/phrases/EndOfGamePhrases.h"

#include <QPainter>
#include <QRadialGradient>

namespace halvane {

namespace {
bool AccountGame(const TFormEndGame::Inputs &in) { return in.AccountMode == 3; }
bool TopPlace(const TFormEndGame::Inputs &in) { return in.TopTenPlace >= 1 && in.TopTenPlace <= 10; }
bool WithPrize(const TFormEndGame::Inputs &in) { return AccountGame(in) && in.PrizeVyxs > 0; }

QImage Picture(const QString &name)
{
    QImage image;
    image.loadFromData(ResourceRegistry::instance().data(ResourceType::RcData, name));
    return image;
}

const QColor Green(0, 128, 0);
const QColor Yellow(255, 255, 0);
} // namespace

std::vector<TFormEndGame::TextLine> TFormEndGame::Lines(const Inputs &in, bool purple)
{
    const bool prize = WithPrize(in);
    const std::array<int, 4> ys = purple ? (prize ? std::array<int, 4>{40, 105, 170, 235} : std::array<int, 4>{50, 125, 200, 275})
                                         : (prize ? std::array<int, 4>{80, 120, 160, 200} : std::array<int, 4>{100, 175, 250, 325});
    const QString result = Phrase(ph::ResultColon) + QString::number(in.LastCycleScore);
    std::vector<TextLine> lines;
    const int small = purple ? 20 : 22;
    if (in.TopTenPlace == 1) {
        const QColor c = purple ? Yellow : QColor(128, 0, 128);
        lines.push_back({Phrase(ph::Congratulations), 32, c, ys[0]});
        lines.push_back({Phrase(ph::ResultTheBest), 28, c, ys[1]});
        lines.push_back({result, 28, purple ? QColor(0, 200, 0) : Green, ys[2]});
        QString title;
        if (AccountGame(in))
            title = Phrase(ph::BecomeVicePresident);
        else if (in.NetGame)
            title = Phrase(ph::BecomeBachelor);
        else if (in.AccountMode == 1)
            title = Phrase(ph::BecomeMaster);
        if (!title.isEmpty())
            lines.push_back({title, small, c, ys[3]});
    } else if (TopPlace(in)) {
        const QColor c = purple ? Yellow : QColor(128, 0, 0);
        lines.push_back({Phrase(ph::Congratulations), 32, c, ys[0]});
        lines.push_back({Phrase(ph::GoodResult), 28, c, ys[1]});
        lines.push_back({result, 28, purple ? QColor(0, 200, 0) : Green, ys[2]});
        lines.push_back({Phrase(ph::HitTopTen), small, c, ys[3]});
    } else {
        const QColor c = purple ? Yellow : QColor(0, 0, 128);
        const int regret = purple ? 18 : 20;
        lines.push_back({Phrase(ph::OurRegrets), 32, c, ys[0]});
        lines.push_back({Phrase(ph::ResultWishesBetter), regret, c, ys[1]});
        QString text = result;
        if (in.TopTenPlace > 10)
            text += QStringLiteral(" ; ") + Phrase(ph::PlaceColon) + QString::number(in.TopTenPlace);
        lines.push_back({text, 28, purple ? QColor(255, 0, 0) : Green, ys[2]});
        lines.push_back({Phrase(ph::NotHitTopTen), regret, c, ys[3]});
    }
    if (prize)
        lines.push_back({Phrase(ph::YouGet) + QLatin1Char(' ') + QString::number(in.PrizeVyxs) + QLatin1Char(' ') +
                             QStringLiteral("Vyxs") + QStringLiteral("!!!"),
                         20, purple ? QColor(0, 200, 0) : QColor(255, 0, 0), purple ? 300 : 360});
    return lines;
}

QString TFormEndGame::AnimationName(const Inputs &in)
{
    if (in.TopTenPlace == 1)
        return QStringLiteral("GEndBest");
    return TopPlace(in) ? QStringLiteral("GEndGood") : QStringLiteral("GEndBads");
}

bool TFormEndGame::AnimationLoops(const Inputs &in)
{
    return !TopPlace(in);
}

int TFormEndGame::StopFrame(const Inputs &in, bool animationsOn)
{
    if (in.TopTenPlace == 1)
        return 25;
    if (TopPlace(in))
        return 24;
    return animationsOn ? -1 : 3;
}

const char *TFormEndGame::SoundName(const Inputs &in)
{
    if (in.TopTenPlace == 1)
        return "WFiBest";
    return TopPlace(in) ? "WFiGood" : "WFiBads";
}

QString TFormEndGame::ClubAnimation(const Inputs &in, bool purple)
{
    QString name;
    if (in.NetGame)
        name = QStringLiteral("G");
    else if (in.AccountMode == 3)
        name = QStringLiteral("B");
    else if (in.AccountMode == 1)
        name = QStringLiteral("F");
    else
        return {}; // logged in, playing locally: no club
    return (purple ? QStringLiteral("Gif") : QStringLiteral("GClub")) + name;
}

bool TFormEndGame::ShowsMedal(const Inputs &in)
{
    return TopPlace(in);
}

TFormEndGame::TFormEndGame(const Inputs &inputs, WavePlayer *sounds, QWidget *parent)
    : QDialog(parent), m_in(inputs), m_sounds(sounds)
{
    setObjectName(QStringLiteral("TFormEndGame"));
    setWindowTitle(Phrase(ph::CompletionOfGame));
    Image0 = new ImageControl(this);
    Image1 = new ImageControl(this);
    Image2 = new ImageControl(this);
    RxGIFAn1 = new AnimatedPicture(this);
    RxGIFAn2 = new AnimatedPicture(this);
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TFormEndGame::Button1Click);
}

void TFormEndGame::showEvent(QShowEvent *event)
{
    const Look look = DialogLook::Current();
    const bool purple = look == Look::Purple;
    DialogLookParts parts;
    parts.title = Phrase(ph::CompletionOfGame);
    parts.decorWord = QStringLiteral("EndGame");
    parts.ribbonPicture = QStringLiteral("GFormEndG");
    parts.ribbonOffset = QPoint(-35, -9);
    parts.headerWidth = 550;
    parts.width = 560;
    parts.purpleWidth = 620;
    parts.heights = {690, 705, 760, 720};
    parts.headerHeights = {48, 64, 120, 0};
    DialogLook::Apply(this, Image0, {Button1}, parts);
    const int header = parts.headerHeights[std::size_t(int(look) - 1)];
    if (!purple) {
        Image1->resizePicture(QSize(450, 570), DialogLook::Background(look));
        Image1->move(5, header + 11);
        Image2->hide();
    } else {
        Image1->resizePicture(QSize(400, 330), Qt::transparent);
        Image1->move(110, 110);
        Image2->resizePicture(QSize(600, 150), Qt::transparent);
        Image2->move(10, 525);
        Image2->show();
    }
    const int clubY = look == Look::Concise ? 480 : look == Look::Aristocratic ? 495 : 550;
    RxGIFAn2->setGeometry(purple ? 527 : 335, purple ? 42 : clubY, 60, 75);
    const int animTop = look == Look::Concise ? 220 : look == Look::Aristocratic ? 240 : 280;
    RxGIFAn1->setGeometry(purple ? 517 : 455, purple ? 260 : animTop, 100, 200);
    Button1->setFont(DialogLook::Font("decor", 20, true));
    Button1->setGeometry((width() - 180) / 2, height() - 42, 180, 30);
    if (!m_activated) {
        m_activated = true;
        Activate();
    }
    QDialog::showEvent(event);
}

void TFormEndGame::Activate()
{
    const bool purple = DialogLook::IsPurple();
    const bool animate = CurrentSettings().GifAnimation;
    RxGIFAn1->setGif(AnimationName(m_in));
    RxGIFAn1->start(animate, AnimationLoops(m_in), StopFrame(m_in, true), StopFrame(m_in, false));
    const QString club = ClubAnimation(m_in, purple);
    if (!club.isEmpty() && RxGIFAn2->setGif(club))
        RxGIFAn2->start(animate, true, -1, 0);
    if (m_sounds)
        m_sounds->PlayWave(SoundName(m_in), false, CurrentSettings().SoundOn);

    QPainter p(&Image1->picture());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int left = purple ? 0 : 50;
    for (const TextLine &line : Lines(m_in, purple)) {
        p.setFont(DialogLook::Font("serif", line.size, true));
        p.setPen(line.colour);
        p.drawText(QRect(left, line.y, 400 - left, line.size * 2), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   line.text);
    }
    p.end();
    if (ShowsMedal(m_in)) {
        if (purple)
            DrawMedal(Image2->picture(), QPoint(248, 27), false);
        else
            DrawMedal(Image1->picture(), QPoint(173, WithPrize(m_in) ? 250 : 370), true);
    }
    if (WithPrize(m_in)) {
        QPainter q(purple ? &Image2->picture() : &Image1->picture());
        q.setFont(DialogLook::Font("serif", 44, true));
        const QRect box = purple ? QRect(430, 50, 128, 60) : QRect(161, 410, 128, 60);
        q.setPen(QColor(60, 40, 0));
        q.drawText(box.translated(2, 2), Qt::AlignHCenter | Qt::AlignTop, QString::number(m_in.PrizeVyxs));
        q.setPen(QColor(255, 255, 0));
        q.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::number(m_in.PrizeVyxs));
    }
    Image1->update();
    Image2->update();
}

void TFormEndGame::DrawMedal(QImage &image, QPoint at, bool withMedal) const
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QString placeName = QStringLiteral("GPlace%1").arg(m_in.TopTenPlace, 2, 10, QLatin1Char('0'));
    const QImage medal = Picture(QStringLiteral("GMedal"));
    const QImage place = Picture(placeName);
    if (withMedal) {
        if (!medal.isNull()) {
            p.drawImage(at, medal);
        } else {
            // A gold medal on a red ribbon, drawn where the picture is missing.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 0, 0));
            p.drawPolygon(QPolygon({at + QPoint(30, 0), at + QPoint(55, 0), at + QPoint(62, 60), at + QPoint(42, 50)}));
            p.drawPolygon(QPolygon({at + QPoint(75, 0), at + QPoint(100, 0), at + QPoint(88, 50), at + QPoint(68, 60)}));
            QRadialGradient gold(at + QPointF(55, 85), 55);
            gold.setColorAt(0, QColor(255, 240, 150));
            gold.setColorAt(0.7, QColor(230, 180, 40));
            gold.setColorAt(1, QColor(150, 100, 10));
            p.setBrush(gold);
            p.setPen(QPen(QColor(120, 80, 0), 2));
            p.drawEllipse(QRectF(at.x() + 15, at.y() + 45, 100, 100));
        }
    }
    if (!place.isNull()) {
        p.drawImage(at, place);
    } else {
        p.setFont(DialogLook::Font("serif", 44, true));
        const QRect r(at.x() + 15, at.y() + (withMedal ? 45 : 0), 100, 100);
        p.setPen(QColor(90, 50, 0));
        p.drawText(r.translated(2, 2), Qt::AlignCenter, QString::number(m_in.TopTenPlace));
        p.setPen(withMedal ? QColor(128, 0, 0) : QColor(255, 255, 0));
        p.drawText(r, Qt::AlignCenter, QString::number(m_in.TopTenPlace));
    }
}

void TFormEndGame::Button1Click()
{
    RxGIFAn1->clear();
    RxGIFAn2->clear();
    accept();
}

} // namespace halvane
