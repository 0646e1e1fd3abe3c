#pragma once
// The records' end-of-game steps as the window runs them: the club and
// history files of the program folder, the messages of a failed write, and
// the end-of-game screen at a cycle's end.

#include "records/codec/ClubEndSteps.h"

#include <QString>

#include <functional>

class QWidget;

namespace halvane {

class WavePlayer;

class LocalGameEndSteps : public ClubEndSteps
{
public:
    // The program-wide club files and `programFolder` + "History"; the steps
    // keep the game's figures in `counters`, the window's.
    LocalGameEndSteps(const QString &programFolder, QWidget *window, WavePlayer *sounds, GameCounters &counters);

    // The window's AccountMode (1 offline, 2 logged in, 3 account game) for
    // the end-of-game screen; 1 unless set.
    void setAccountMode(std::function<int()> mode) { m_accountMode = std::move(mode); }

protected:
    // The member buttons of a game begun while network play is on come from
    // the network club file, so its counters go back there.
    bool UsesNetworkClub(const GameResult &result) const override;

private:
    QWidget *m_window;
    WavePlayer *m_sounds;
    std::function<int()> m_accountMode;
};

} // namespace halvane
