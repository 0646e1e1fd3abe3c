#pragma once
// The game flow's view on the main window: the flow's drawing calls go to the
// GameTable, its buttons and timer to TForm1's Button7, Button8 and Timer1,
// its sounds to the WavePlayer. Waits keep the window painting and drop user
// input; tests replace them with instant ones.

#include "core/GameView.h"

#include <functional>

namespace halvane {

class GameTable;
class TForm1;
class WavePlayer;

class WindowGameView : public GameView
{
public:
    WindowGameView(TForm1 &form, GameTable &table);

    void SetWavePlayer(WavePlayer *player) { m_wave = player; }
    // Replaces the blocking pause (tests make it instant).
    void SetPause(std::function<void(int ms)> pause) { m_pause = std::move(pause); }
    // Runs Timer1 at this interval instead of the flow's (tests speed the heartbeat up); 0 keeps the flow's.
    void SetHeartbeatOverride(int ms) { m_heartbeatOverride = ms; }

    void LayOutTable() override;
    void SetGameMenuItems(bool exitToMenu, bool generalScore, bool changeName) override;
    void DrawContractPanel(int round, int contract) override;
    void SetContractHint(int kon, int of) override;
    void DrawNamePlate(int seat, const PlateText &plate) override;
    void DrawScoreTablet(int seat, const TabletFigures &tablet) override;
    void DrawHand(int seat, const Hand &hand, bool faceUp) override;
    void ShowPlayedCard(int seat, const Hand &handBefore, int slot, Card card) override;
    bool CardFlightsOn() const override;
    void FlyTrickToWinner(int winnerSeat, const std::array<Card, 3> &cardsBySeat) override;
    void ClearTrickArea() override;
    void SetStartButton(StartCaption caption, bool visible, bool enabled) override;
    void SetExitButton(bool visible, bool enabled) override;
    void SetHeartbeat(int intervalMs, bool running) override;
    void SetHelpContext(int context) override;
    void PlayWave(const std::string &name, bool wait) override;
    void Pause(int ms) override;
    void ThinkingFrame(int percent) override;
    void LeaveTable() override;
    void ShowWaitNotice(bool on) override;
    void ShowMainMenu() override;

    // Whether the seat's hand was last drawn face up.
    bool HandOpen(int seat) const { return m_open.at(size_t(seat)); }

private:
    TForm1 &m_form;
    GameTable &m_table;
    WavePlayer *m_wave = nullptr;
    std::function<void(int)> m_pause;
    int m_heartbeatOverride = 0;
    std::array<bool, 4> m_open{};
};

} // namespace halvane
