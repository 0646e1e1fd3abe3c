#include "GameTable.h"

#include "ContractPanel.h"
#include "Dictionary.h"
#include "ImageControl.h"
#include "platform/InputBlocker.h"
#include "NamePlate.h"
#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "TextDrawing.h"
#include "FontSlots.h"
#include "phrases/CommonPhrases.h"
#include "phrases/GameTablePhrases.h"

#include "records/codec/Settings.h"

#include <QWidget>

namespace halvane {

namespace {
constexpr int CollectPauseMs = 200;

// The slots that hold a card, in display order; a hand not yet re-packed
// may have gaps.
std::vector<int> HeldSlots(const Hand &hand)
{
    std::vector<int> held;
    for (int slot = 1; slot <= HandSlotsUsed; ++slot)
        if (!hand.card(slot).isEmpty())
            held.push_back(slot);
    return held;
}
} // namespace

GameTable::GameTable(const TableControls &controls, const TableArt &art) : m_c(controls), m_art(art) {}

QPoint GameTable::windowPos(const QWidget *control) const
{
    return control ? control->mapTo(m_c.window, QPoint(0, 0)) : QPoint();
}

QImage GameTable::pieceUnder(const QWidget *control) const
{
    return BackgroundPiece(m_background, QRect(windowPos(control), control->size()));
}

void GameTable::LayOutTable()
{
    m_layout = ComputeTableLayout();
    auto place = [](ImageControl *c, const QRect &r) {
        if (!c)
            return;
        c->move(r.topLeft());
        c->resizePicture(r.size());
        c->show();
    };
    for (int seat = 1; seat <= 3; ++seat) {
        place(m_c.hands[size_t(seat)], m_layout.hands[size_t(seat)]);
        place(m_c.tablets[size_t(seat)], m_layout.tablets[size_t(seat)]);
        place(m_c.plates[size_t(seat)], m_layout.plates[size_t(seat)]);
    }
    // The fourth seat's slot and the two unused images stay empty.
    for (ImageControl *c : {m_c.hands[4], m_c.tablets[4], m_c.plates[4], m_c.koloda, m_c.help})
        if (c) {
            c->resizePicture(QSize(0, 0));
            c->hide();
        }
    place(m_c.trick, m_layout.trick);
    place(m_c.contract, m_layout.contract);
    // The two table buttons write their captions in the menu buttons' face,
    // scaled with the window like everything else on the table.
    const QFont buttonFont = SlotFont(1, FontHeight(Scaled(16), "decor"), true);
    for (const auto &[button, rect] : {std::pair{m_c.button7, m_layout.button7}, std::pair{m_c.button8, m_layout.button8}})
        if (button) {
            button->setGeometry(rect);
            button->setFont(buttonFont);
        }
    DrawBackground();
}

void GameTable::HideTable()
{
    for (int seat = 1; seat <= 4; ++seat)
        for (ImageControl *c : {m_c.hands[size_t(seat)], m_c.tablets[size_t(seat)], m_c.plates[size_t(seat)]})
            if (c)
                c->hide();
    for (QWidget *w : {static_cast<QWidget *>(m_c.trick), static_cast<QWidget *>(m_c.contract), m_c.button7,
                       m_c.button8})
        if (w)
            w->hide();
    for (ImageControl *timer : m_timers)
        if (timer)
            timer->hide();
}

void GameTable::DrawBackground()
{
    const QSize client = m_c.window ? m_c.window->size() : QSize(760, 500);
    m_background = m_art.background(client).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (m_c.background) {
        m_c.background->setGeometry(0, 0, client.width(), client.height());
        m_c.background->setPicture(m_background);
        m_c.background->lower();
    }
}

void GameTable::Render(const TableView &view)
{
    for (int seat = 1; seat <= 3; ++seat) {
        DrawHand(seat, view.hands[size_t(seat - 1)], view.handOpen[size_t(seat)]);
        DrawNamePlate(seat, view.names[size_t(seat)], view.plateColour[size_t(seat)]);
    }
    SetSignedScores(view.signedScores);
    for (int seat = 1; seat <= 3; ++seat)
        DrawScoreTablet(seat, view.turn == seat, true, view.right[size_t(seat)], view.middle[size_t(seat)],
                        view.top[size_t(seat)]);
    DrawContractPanel(view.round, view.contract);
    DrawTrick(view.trick);
}

std::vector<int> GameTable::HandPositions(int seat, int count) const
{
    const QRect &r = m_layout.hands.at(size_t(seat));
    return HandSpread(0, r.width(), count);
}

void GameTable::DrawHand(int seat, const Hand &hand, bool open)
{
    ImageControl *c = m_c.hands.at(size_t(seat));
    if (!c)
        return;
    QImage image = pieceUnder(c);
    {
        QPainter p(&image);
        const std::vector<int> held = HeldSlots(hand);
        const std::vector<int> xs = HandPositions(seat, int(held.size()));
        for (size_t i = 0; i < held.size(); ++i) {
            const Card card = hand.card(held[i]);
            if (open)
                m_art.drawCard(p, xs[size_t(i)], 0, card);
            else
                m_art.drawCardBack(p, xs[size_t(i)], 0);
        }
    }
    c->setPicture(image);
}

void GameTable::DrawHandWaiting(int seat)
{
    ImageControl *c = m_c.hands.at(size_t(seat));
    if (!c)
        return;
    QImage image = pieceUnder(c);
    {
        QPainter p(&image);
        p.setFont(SlotFont(1, FontHeight(Scaled(24), "decor")));
        p.setPen(QColor(255, 255, 0));
        CentreText(Phrase(ph::ExpectationOfServer), 0, image.width(), p, Scaled(40));
    }
    c->setPicture(image);
}

int GameTable::HandSlotAt(int seat, const Hand &hand, QPoint position) const
{
    if (position.y() < 0 || position.y() >= CurrentScale().cardHeight)
        return 0;
    const std::vector<int> held = HeldSlots(hand);
    const int k = halvane::HandSlotAt(HandPositions(seat, int(held.size())), CurrentScale().cardWidth, position.x());
    return k == 0 ? 0 : held[size_t(k - 1)];
}

void GameTable::DrawTrick(const std::array<Card, 4> &bySeat)
{
    ClearTrickArea(0);
    for (int seat = 1; seat <= 3; ++seat)
        if (!bySeat[size_t(seat)].isEmpty())
            DrawTrickCard(seat, bySeat[size_t(seat)]);
}

void GameTable::DrawTrickCard(int seat, Card card)
{
    if (!m_c.trick || seat < 1 || seat > 3)
        return;
    m_trick[size_t(seat)] = card;
    QImage &image = m_c.trick->picture();
    {
        QPainter p(&image);
        const QPoint at = TrickSlot(seat);
        m_art.drawCard(p, at.x(), at.y(), card);
    }
    m_c.trick->update();
}

void GameTable::ClearTrickArea(int slot)
{
    if (!m_c.trick)
        return;
    const QImage under = pieceUnder(m_c.trick);
    if (slot == 0) {
        m_trick = {};
        m_c.trick->setPicture(under);
        return;
    }
    if (slot < 1 || slot > 3)
        return;
    m_trick[size_t(slot)] = NoCard;
    const QRect r(TrickSlot(slot), QSize(CurrentScale().cardWidth, CurrentScale().cardHeight));
    QPainter p(&m_c.trick->picture());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(r.topLeft(), under, r);
    p.end();
    m_c.trick->update();
}

QImage GameTable::SnapshotTable() const
{
    if (!m_c.window)
        return {};
    QImage shot = m_c.window->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (m_c.trick && m_c.trick->isVisible()) {
        const QPoint origin = windowPos(m_c.trick);
        const QSize card(CurrentScale().cardWidth, CurrentScale().cardHeight);
        QPainter p(&shot);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int seat = 1; seat <= 3; ++seat) {
            const QRect r(origin + TrickSlot(seat), card);
            p.drawImage(r.topLeft(), m_background, r);
        }
    }
    return shot;
}

void GameTable::DrawNamePlate(int seat, const QString &text, char colour)
{
    ImageControl *c = m_c.plates.at(size_t(seat));
    if (!c)
        return;
    QImage image;
    NamePlate::Draw(image, pieceUnder(c), m_art, text, colour);
    c->setPicture(image);
}

void GameTable::DrawScoreTablet(int seat, bool isTurn, bool fullRedraw, int right, int middle, int top)
{
    ImageControl *c = m_c.tablets.at(size_t(seat));
    if (!c)
        return;
    QImage image = c->picture();
    m_tablets[size_t(seat)].Draw(image, pieceUnder(c), m_art, isTurn, fullRedraw, right, middle, top);
    c->setPicture(image);
}

void GameTable::SetSignedScores(bool on)
{
    for (ScoreTablet &t : m_tablets)
        t.setSignedDisplay(on);
}

void GameTable::DrawContractPanel(int round, int contract)
{
    if (!m_c.contract)
        return;
    m_round = round;
    m_contract = contract;
    QImage image;
    ContractPanel::Draw(image, pieceUnder(m_c.contract), m_art, round, contract);
    m_c.contract->setPicture(image);
}

void GameTable::ThinkingFrame(int percent)
{
    if (!m_c.contract)
        return;
    ContractPanel::ThinkingFrame(m_c.contract->picture(), percent);
    m_c.contract->repaint();
}

void GameTable::ClearThinkingFrame()
{
    if (!m_c.contract)
        return;
    ContractPanel::ClearThinkingFrame(m_c.contract->picture(), pieceUnder(m_c.contract), m_art);
    m_c.contract->update();
}

void GameTable::ShowWaitNotice(bool on)
{
    if (!m_c.trick || !m_c.window)
        return;
    if (!on) {
        m_c.trick->hide();
        return;
    }
    const QSize client = m_c.window->size();
    const QRect r(client.width() / 2 - 175, client.height() / 2 - 40, 350, 80);
    m_c.trick->move(r.topLeft());
    m_c.trick->resizePicture(r.size());
    QImage image = pieceUnder(m_c.trick);
    {
        QPainter p(&image);
        p.drawImage(QRect(QPoint(0, 0), r.size()), m_art.picture(QStringLiteral("AdvBar3")));
        p.setFont(SlotFont(1, FontHeight(32, "serif")));
        p.setPen(QColor(255, 0, 0));
        CentreText(Phrase(ph::PleaseWait), 0, r.width(), p, 22);
    }
    m_c.trick->setPicture(image);
    m_c.trick->show();
    m_c.trick->raise();
    m_c.trick->repaint();
}

void GameTable::DrawTurnTimer(int seat, int seconds)
{
    if (seat < 1 || seat > 3 || !m_c.window)
        return;
    ImageControl *&timer = m_timers[size_t(seat)];
    if (!timer) {
        timer = new ImageControl(m_c.window);
        timer->setObjectName(QStringLiteral("ImTimer%1").arg(seat));
    }
    const QRect r = m_layout.timers[size_t(seat)];
    timer->move(r.topLeft());
    timer->resize(r.size());
    QImage image;
    TurnTimer::DrawTurnTimer(image, pieceUnder(timer), m_art, seconds);
    timer->setPicture(image);
    timer->setVisible(seconds != -1);
    timer->raise();
}

QImage GameTable::CardPicture(Card card, bool faceUp) const
{
    const ScaleState &s = CurrentScale();
    QImage picture(s.cardWidth, s.cardHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (card.isEmpty() && faceUp)
        return picture;
    QPainter p(&picture);
    if (faceUp)
        m_art.drawCard(p, 0, 0, card);
    else
        m_art.drawCardBack(p, 0, 0);
    return picture;
}

QPoint GameTable::FlightStart(int seat, int slot, const Hand &hand) const
{
    const QRect &r = m_layout.hands.at(size_t(seat));
    const QPoint origin = m_c.hands.at(size_t(seat)) ? windowPos(m_c.hands[size_t(seat)]) : r.topLeft();
    if (seat == 3) {
        const std::vector<int> held = HeldSlots(hand);
        const std::vector<int> xs = HandPositions(seat, int(held.size()));
        for (size_t i = 0; i < held.size(); ++i)
            if (held[i] == slot)
                return origin + QPoint(xs[i], 0);
    }
    return origin + QPoint(r.width() / 2 - CurrentScale().cardWidth / 2, 0);
}

QPoint GameTable::TrickCardPosition(int seat) const
{
    return (m_c.trick ? windowPos(m_c.trick) : m_layout.trick.topLeft()) + TrickSlot(seat);
}

CardFlight::Stats GameTable::ShowPlayedCard(int seat, int slot, const Hand &handBefore, const Hand &handAfter,
                                            bool open)
{
    const Card card = handBefore.card(slot);
    const Settings &settings = CurrentSettings();
    CardFlight::Stats stats;
    const QPoint from = FlightStart(seat, slot, handBefore);
    DrawHand(seat, handAfter, open);
    if (settings.FlyCards && m_c.window && m_c.window->isVisible()) {
        const QImage clean = m_c.window->grab().toImage();
        stats = CardFlight::FlyCard(m_c.window, clean, from.x(), from.y(), false, CardPicture(card, true),
                                    TrickCardPosition(seat).x(), TrickCardPosition(seat).y(), settings.GameSpeed);
    }
    DrawTrickCard(seat, card);
    return stats;
}

CardFlight::Stats GameTable::CollectTrickTo(int winner, const std::array<Card, 4> &bySeat)
{
    const Settings &settings = CurrentSettings();
    CardFlight::Stats stats;
    if (settings.FlyCards && m_c.window && m_c.window->isVisible() && winner >= 1 && winner <= 3) {
        const QImage clean = SnapshotTable();
        std::vector<CardFlight::Sprite> sprites;
        const QRect &hand = m_layout.hands[size_t(winner)];
        const QPoint origin = m_c.hands[size_t(winner)] ? windowPos(m_c.hands[size_t(winner)]) : hand.topLeft();
        const QPoint target = origin + QPoint(hand.width() / 2 - CurrentScale().cardWidth / 2, 0);
        for (int seat = 1; seat <= 3; ++seat)
            if (!bySeat[size_t(seat)].isEmpty())
                sprites.push_back({CardPicture(bySeat[size_t(seat)], true), TrickCardPosition(seat), target});
        ClearTrickArea(0);
        stats = CardFlight::Fly(m_c.window, clean, sprites, true, settings.GameSpeed);
        PauseBlocking(CollectPauseMs);
    } else {
        ClearTrickArea(0);
    }
    return stats;
}

} // namespace halvane
