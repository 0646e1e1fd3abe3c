#pragma once
// A GameView that draws nothing and remembers what the flow asked of it.

#include "core/GameView.h"

#include <functional>
#include <string>
#include <vector>

namespace halvane::test {

class RecordingGameView : public GameView
{
public:
    struct Button {
        StartCaption caption = StartCaption::ToBegin;
        bool visible = false;
        bool enabled = false;
    };

    // Every call in order, as short words ("wave WHodsDo wait", "pause 1000", ...).
    std::vector<std::string> log;
    std::vector<std::string> waves;     // "name" or "name!" when played to its end
    Button start;
    bool exitVisible = false;
    bool exitEnabled = false;
    int heartbeatMs = 0;
    bool heartbeatRunning = false;
    bool flights = true;
    bool tableShown = false;
    bool menuShown = false;
    int helpContext = 0;
    std::array<PlateText, 3> plates{};
    std::array<TabletFigures, 3> tablets{};
    std::array<bool, 3> faceUp{};
    int contractRound = 0;
    int contract = -1;
    std::vector<int> pauses;
    std::vector<Card> played;           // every card shown landing in the trick
    // Runs inside every wait, to try re-entering the flow as a stray event would.
    std::function<void()> duringWait;

    void LayOutTable() override { note("layout"); tableShown = true; menuShown = false; }
    void SetGameMenuItems(bool a, bool b, bool c) override
    {
        note("menuitems " + std::to_string(a) + std::to_string(b) + std::to_string(c));
    }
    void DrawContractPanel(int round, int c) override
    {
        contractRound = round;
        contract = c;
        note("contract " + std::to_string(round) + " " + std::to_string(c));
    }
    void SetContractHint(int kon, int of) override { note("hint " + std::to_string(kon) + "/" + std::to_string(of)); }
    void DrawNamePlate(int seat, const PlateText &plate) override { plates[seat - 1] = plate; }
    void DrawScoreTablet(int seat, const TabletFigures &t) override { tablets[seat - 1] = t; }
    void DrawHand(int seat, const Hand &, bool up) override { faceUp[seat - 1] = up; }
    void ShowPlayedCard(int seat, const Hand &, int slot, Card card) override
    {
        played.push_back(card);
        note("card " + std::to_string(seat) + " " + std::to_string(slot));
        wait();
    }
    bool CardFlightsOn() const override { return flights; }
    void FlyTrickToWinner(int winner, const std::array<Card, 3> &) override
    {
        note("trickflight " + std::to_string(winner));
        wait();
        Pause(200);
    }
    void ClearTrickArea() override { note("cleartrick"); }
    void SetStartButton(StartCaption caption, bool visible, bool enabled) override
    {
        start = {caption, visible, enabled};
    }
    void SetExitButton(bool visible, bool enabled) override
    {
        exitVisible = visible;
        exitEnabled = enabled;
    }
    void SetHeartbeat(int ms, bool running) override
    {
        heartbeatMs = ms;
        heartbeatRunning = running;
    }
    void SetHelpContext(int context) override { helpContext = context; }
    void PlayWave(const std::string &name, bool w) override
    {
        waves.push_back(w ? name + "!" : name);
        note("wave " + name + (w ? " wait" : ""));
        if (w)
            wait();
    }
    void Pause(int ms) override
    {
        pauses.push_back(ms);
        note("pause " + std::to_string(ms));
        wait();
    }
    void LeaveTable() override { note("leavetable"); tableShown = false; }
    void ShowWaitNotice(bool on) override { note(on ? "waitnotice on" : "waitnotice off"); }
    void ShowMainMenu() override { note("mainmenu"); menuShown = true; }

private:
    void note(std::string s) { log.push_back(std::move(s)); }
    void wait()
    {
        if (duringWait)
            duringWait();
    }
};

} // namespace halvane::test
