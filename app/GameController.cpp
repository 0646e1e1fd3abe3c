#include "GameController.h"

#include "records/codec/ClubEndSteps.h"

#include "TForm1.h"
#include "TestSwitch.h"
#include "ThinkingWait.h"
#include "core/Cp1251.h"
#include "records/codec/Settings.h"
#include "table/GameTable.h"
#include "table/ImageControl.h"
#include "table/OwnCursors.h"
#include "table/ScaleState.h"
#include "table/TFormKing.h"
#include "table/TVyxCardsButton.h"
#include "table/TouchEffect.h"
#include "table/TableGeometry.h"
#include "table/WavePlayer.h"

#include <QPushButton>

namespace halvane {

namespace {
TableControls ControlsOf(TForm1 &form)
{
    TableControls c;
    c.window = &form;
    c.background = form.Image1;
    c.hands = form.ImageCards;
    c.tablets = form.ImageTab;
    c.plates = form.ImageSay;
    c.trick = form.ImageStol;
    c.contract = form.ImageKon;
    c.koloda = form.ImageKoloda;
    c.help = form.ImageHelp;
    c.button7 = form.button(7);
    c.button8 = form.button(8);
    return c;
}
} // namespace

GameController::GameController(TForm1 &form, const TableArt &art, QObject *parent)
    : QObject(parent),
      m_form(form),
      m_table(std::make_unique<GameTable>(ControlsOf(form), art)),
      m_view(std::make_unique<WindowGameView>(form, *m_table)),
      m_flow(std::make_unique<GameFlow>(*m_view, m_noSteps)),
      m_cursors(&form.cursors())
{
    m_flow->SetSeat(1, &m_computer1);
    m_flow->SetSeat(2, &m_computer2);
    m_flow->SetSeat(3, &m_local);
    m_thinking = new ThinkingWait([this](int percent) { m_view->ThinkingFrame(percent); }, this);
    m_thinking->SetCursors(m_cursors);
    for (ComputerSeat *seat : {&m_computer1, &m_computer2}) {
        seat->SetProgress([this](int percent) { m_thinking->Report(percent); });
        seat->SetRunner([this](int cardsHeld, const std::function<void()> &decide) { m_thinking->Run(cardsHeld, decide); });
    }
    m_local.SetAskOrder([this](const OrderChoices &open) { return AskOrderWithDialog(open); });
    m_switch = new TestSwitch([this] { m_flow->ToggleOpenHands(); }, this);
    m_switch->Watch(form.BitBtn1);

    connect(&form, &TForm1::gameRequested, this, &GameController::StartGame);
    connect(&form, &TForm1::gameAbandoned, this, &GameController::AbandonGame);
    connect(form.Timer1, &QTimer::timeout, this, &GameController::Timer1Timer);
    connect(form.button(7), &QPushButton::clicked, this, [this] { m_flow->Button7Click(); });
    connect(form.button(8), &QPushButton::clicked, this, [this] { m_flow->Button8Click(); });

    ImageControl *own = form.ImageCards[3];
    own->setMouseTracking(true);
    connect(own, &ImageControl::mouseReleased, this, &GameController::ImageCards3MouseUp);
    connect(own, &ImageControl::mouseMoved, this, &GameController::ImageCards3MouseMove);
    for (int seat : {1, 2})
        connect(form.ImageCards[size_t(seat)], &ImageControl::mouseReleased, this,
                [this, seat](Qt::MouseButton b, QPoint p) { OpponentHandMouseUp(seat, b, p); });
    connect(form.ImageStol, &ImageControl::mouseReleased, this, &GameController::ImageStolMouseUp);
    // The window's popup menu stays away from the hands and the trick area, so
    // that a right click there is free for speaking a card.
    for (QWidget *w : {static_cast<QWidget *>(form.ImageCards[1]), static_cast<QWidget *>(form.ImageCards[2]),
                       static_cast<QWidget *>(form.ImageCards[3]), static_cast<QWidget *>(form.ImageStol)})
        w->setContextMenuPolicy(Qt::PreventContextMenu);
}

GameController::~GameController() = default;

void GameController::SetWavePlayer(WavePlayer *player)
{
    m_wave = player;
    m_view->SetWavePlayer(player);
}

void GameController::SetEndSteps(GameEndSteps *steps)
{
    m_steps = steps ? steps : &m_noSteps;
    m_flow->SetEndSteps(*m_steps);
}

void GameController::SetAskOrder(AskOrder ask)
{
    if (ask)
        m_local.SetAskOrder(std::move(ask));
    else
        m_local.SetAskOrder([this](const OrderChoices &open) { return AskOrderWithDialog(open); });
}

void GameController::StartGame(int playerSlot)
{
    // The welcome dialog has loaded the player's counters from the club file.
    PlayerRecord player = ClubEndSteps::PlayerRecordOf(m_form.Counters);
    player.PlayerSlot = playerSlot;
    if (player.Name.empty())
        player.Name = CurrentSettings().LastPlayerName;
    GameSetup setup;
    const Settings &settings = CurrentSettings();
    setup.Options.orderedKing = settings.OrderedKing;
    setup.Options.playEralash = settings.PlayEralash;
    setup.Options.longGame = settings.LongGame;
    m_form.ShowChatControls(setup.Kind != GameKind::Computer);
    m_handCursor = CursorRole::Arrow;
    SetCursorRole(m_form.ImageCards[3], m_handCursor);
    m_flow->StartGame(setup, player);
}

void GameController::AbandonGame(int)
{
    m_flow->Abandon();
    m_table->HideTable();
}

void GameController::Timer1Timer()
{
    if (m_form.MenuShown || m_form.SplashShown || !m_flow->State().GameRunning)
        return;
    // A sound played to its end keeps the timers running; the game waits for it.
    if (m_wave && m_wave->IsWaiting())
        return;
    m_flow->Heartbeat();
}

void GameController::ImageCards3MouseUp(Qt::MouseButton button, QPoint position)
{
    const GameFlowState &s = m_flow->State();
    if (!s.GameRunning || m_flow->Busy())
        return;
    const int slot = m_table->HandSlotAt(3, s.hand(3), position);
    if (slot == 0)
        return;
    if (button == Qt::RightButton) {
        Speak(s.hand(3).card(slot));
        return;
    }
    if (button != Qt::LeftButton || s.Turn != 3)
        return;
    if (m_flow->Legality(3, slot) != Legality::Legal) {
        // Not while the deal waits for its start or the order; then no card is playable at all.
        if (s.StartButtonState == 2 && !s.OrderPending && m_wave)
            m_wave->PlayWave("WWrongs", false, CurrentSettings().SoundOn);
        return;
    }
    if (CurrentSettings().SaluteCards)
        TouchEffect::PlayAtMouse();
    m_local.Offer(slot);
    m_flow->SeatReady(3);
    ImageCards3MouseMove(m_form.ImageCards[3]->mapFromGlobal(QCursor::pos()));
}

void GameController::ImageCards3MouseMove(QPoint position)
{
    const GameFlowState &s = m_flow->State();
    const int slot = s.GameRunning ? m_table->HandSlotAt(3, s.hand(3), position) : 0;
    const bool legal = slot != 0 && m_flow->Legality(3, slot) == Legality::Legal;
    const CursorRole role = legal ? CursorRole::Hand : CursorRole::Arrow;
    // Only a change of role touches the cursors (the pointer moves often).
    if (role != m_handCursor) {
        m_handCursor = role;
        SetCursorRole(m_form.ImageCards[3], role);
    }
}

void GameController::SetCursors(OwnCursors *cursors)
{
    m_cursors = cursors ? cursors : &m_form.cursors();
    m_thinking->SetCursors(m_cursors);
}

void GameController::SetCursorRole(QWidget *widget, CursorRole role)
{
    if (m_cursors)
        m_cursors->apply(widget, role);
}

void GameController::OpponentHandMouseUp(int seat, Qt::MouseButton button, QPoint position)
{
    const GameFlowState &s = m_flow->State();
    // The opponents' cards are only known once the deal is over.
    if (button != Qt::RightButton || !s.GameRunning || s.Turn <= TurnState::TrickComplete)
        return;
    const int slot = m_table->HandSlotAt(seat, s.hand(seat), position);
    if (slot != 0)
        Speak(s.hand(seat).card(slot));
}

void GameController::ImageStolMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::RightButton || !m_flow->State().GameRunning)
        return;
    const Card card = TrickCardAt(position);
    if (!card.isEmpty())
        Speak(card);
}

Card GameController::TrickCardAt(QPoint position) const
{
    const std::array<Card, 3> bySeat = m_flow->State().TrickBySeat();
    const ScaleState &scale = CurrentScale();
    for (int seat = 1; seat <= 3; ++seat) {
        const QRect place(TrickSlot(seat), QSize(scale.cardWidth, scale.cardHeight));
        if (!bySeat[size_t(seat - 1)].isEmpty() && place.contains(position))
            return bySeat[size_t(seat - 1)];
    }
    return NoCard;
}

void GameController::Speak(Card card)
{
    if (m_speak && !card.isEmpty())
        m_speak(card, false);
}

int GameController::AskOrderWithDialog(const OrderChoices &open)
{
    if (m_wave)
        m_wave->PlayWave("WOpenFo", false, CurrentSettings().SoundOn);
    return TFormKing::Ask(open, &m_form);
}

} // namespace halvane
