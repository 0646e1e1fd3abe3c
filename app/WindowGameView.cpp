#include "WindowGameView.h"

#include "TForm1.h"
#include "core/Cp1251.h"
#include "records/codec/Settings.h"
#include "table/Dictionary.h"
#include "table/GameTable.h"
#include "table/ImageControl.h"
#include "platform/InputBlocker.h"
#include "table/TFormKing.h"
#include "table/TVyxCardsButton.h"
#include "table/WavePlayer.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/GameTablePhrases.h"
#include "table/phrases/MainWindowPhrases.h"

#include <QApplication>

namespace halvane {

namespace {
QString StartCaptionText(StartCaption caption)
{
    switch (caption) {
    case StartCaption::ToBegin: return Phrase(ph::ToBegin);
    case StartCaption::ToBeginOfRound: return Phrase(ph::ToBeginOfRound);
    case StartCaption::Ok: return QStringLiteral("Ok");
    case StartCaption::NextRound: return Phrase(ph::NextRound);
    }
    return {};
}

std::array<Card, 4> BySeat(const std::array<Card, 3> &cards)
{
    return {NoCard, cards[0], cards[1], cards[2]};
}
} // namespace

WindowGameView::WindowGameView(TForm1 &form, GameTable &table)
    : m_form(form), m_table(table), m_pause(PauseBlocking)
{
}

void WindowGameView::LayOutTable()
{
    m_table.LayOutTable();
    m_table.ClearTrickArea(0);
    for (int seat = 1; seat <= 3; ++seat)
        m_table.DrawNamePlate(seat, QString(), 'y');
}

void WindowGameView::SetGameMenuItems(bool exitToMenu, bool generalScore, bool changeName)
{
    m_form.Quit->setEnabled(exitToMenu);
    m_form.GenCount->setEnabled(generalScore);
    m_form.ChangeName->setEnabled(changeName);
}

void WindowGameView::DrawContractPanel(int round, int contract)
{
    m_table.DrawContractPanel(round, contract);
}

void WindowGameView::SetContractHint(int kon, int of)
{
    m_form.ImageKon->setToolTip(Phrase(ph::Game) + QStringLiteral(": %1 / %2").arg(kon).arg(of));
}

void WindowGameView::DrawNamePlate(int seat, const PlateText &plate)
{
    QString text;
    switch (plate.kind) {
    case PlateText::Kind::Empty: break;
    case PlateText::Kind::Name: text = QString::fromStdString(Cp1251ToUtf8(plate.name)); break;
    case PlateText::Kind::Thinking: text = Phrase(ph::IThink); break;
    case PlateText::Kind::Order: text = TFormKing::ChoiceName(plate.order); break;
    }
    m_table.DrawNamePlate(seat, text, 'y');
}

void WindowGameView::DrawScoreTablet(int seat, const TabletFigures &tablet)
{
    m_table.SetSignedScores(tablet.finalColours);
    m_table.DrawScoreTablet(seat, tablet.isTurn, true, tablet.right, halvane::ScoreTablet::Erase, tablet.top);
}

void WindowGameView::DrawHand(int seat, const Hand &hand, bool faceUp)
{
    m_open[size_t(seat)] = faceUp;
    m_table.DrawHand(seat, hand, faceUp);
}

void WindowGameView::ShowPlayedCard(int seat, const Hand &handBefore, int slot, Card)
{
    Hand after = handBefore;
    after.removeSlot(slot);
    SortHand(after);
    m_table.ShowPlayedCard(seat, slot, handBefore, after, m_open[size_t(seat)]);
}

bool WindowGameView::CardFlightsOn() const
{
    return CurrentSettings().FlyCards;
}

void WindowGameView::FlyTrickToWinner(int winnerSeat, const std::array<Card, 3> &cardsBySeat)
{
    m_table.CollectTrickTo(winnerSeat, BySeat(cardsBySeat));
}

void WindowGameView::ClearTrickArea()
{
    m_table.ClearTrickArea(0);
}

void WindowGameView::SetStartButton(StartCaption caption, bool visible, bool enabled)
{
    TVyxCardsButton *b = m_form.button(7);
    b->setText(StartCaptionText(caption));
    b->setVisible(visible);
    b->setEnabled(enabled);
}

void WindowGameView::SetExitButton(bool visible, bool enabled)
{
    TVyxCardsButton *b = m_form.button(8);
    b->setText(Phrase(ph::ExitToMenu));
    b->setVisible(visible);
    b->setEnabled(enabled);
}

void WindowGameView::SetHeartbeat(int intervalMs, bool running)
{
    m_form.Timer1->setInterval(m_heartbeatOverride > 0 ? m_heartbeatOverride : intervalMs);
    if (running)
        m_form.Timer1->start();
    else
        m_form.Timer1->stop();
}

void WindowGameView::SetHelpContext(int context)
{
    m_form.HelpContext = context;
}

void WindowGameView::PlayWave(const std::string &name, bool wait)
{
    if (m_wave)
        m_wave->PlayWave(name, wait, CurrentSettings().SoundOn);
}

void WindowGameView::Pause(int ms)
{
    if (m_pause)
        m_pause(ms);
}

void WindowGameView::ThinkingFrame(int percent)
{
    if (percent < 0) {
        m_table.ClearThinkingFrame();
        return;
    }
    m_table.ThinkingFrame(percent);
}

void WindowGameView::LeaveTable()
{
    m_table.HideTable();
}

void WindowGameView::ShowWaitNotice(bool on)
{
    m_table.ShowWaitNotice(on);
}

void WindowGameView::ShowMainMenu()
{
    m_form.ShowMainMenu();
}

} // namespace halvane
