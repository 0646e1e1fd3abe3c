#pragma once
// The records' end-of-game steps as the window runs them: the club and
// history files of the program folder, the messages of a failed write, and
// the end-of-game screen at a cycle's end.

#include "records/codec/ClubEndSteps.h"

#include <QString>

class QWidget;

namespace halvane {

class WavePlayer;

class LocalGameEndSteps : public ClubEndSteps
{
public:
    // The program-wide club files and `programFolder` + "History"; the steps
    // keep the game's figures in `counters`, the window's.
    LocalGameEndSteps(const QString &programFolder, QWidget *window, WavePlayer *sounds, GameCounters &counters);

protected:
    // The member buttons of a game begun while network play is on come from
    // the network club file, so its counters go back there.
    bool UsesNetworkClub(const GameResult &result) const override;

private:
    QWidget *m_window;
    WavePlayer *m_sounds;
};

} // namespace halvane
