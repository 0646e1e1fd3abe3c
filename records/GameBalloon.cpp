#include "GameBalloon.h"

#include "records/codec/GameCounters.h"
#include "table/Dictionary.h"
#include "table/phrases/GameTablePhrases.h"
#include "table/phrases/GeneralScorePhrases.h"
#include "table/phrases/MainWindowPhrases.h"

namespace halvane {

QString GameBalloon::Title()
{
    return Phrase(ph::CurrentGame);
}

QString GameBalloon::Text(Kind kind, int kon, int sessionGames, int cycleGame)
{
    const QString breakLine = QStringLiteral("\n\r");
    QString text = Phrase(ph::GeneralNumberOfGame) + QLatin1Char(' ') + QString::number(kon);
    if (kind == Kind::Tournament)
        return text + breakLine + Phrase(ph::RoundInSession) + QStringLiteral(" 1 / 1");
    const int inCycle = kind == Kind::Account ? cycleGame : GameInCycle(kon);
    text += breakLine + Phrase(ph::RoundInCycle) + QLatin1Char(' ') + QString::number(inCycle) + QStringLiteral(" / ") +
            QString::number(CycleLength);
    if ((kind == Kind::Network || kind == Kind::Account) && sessionGames > 0) {
        const int inSession = kon % sessionGames == 0 ? sessionGames : kon % sessionGames;
        text += breakLine + Phrase(ph::RoundInSession) + QLatin1Char(' ') + QString::number(inSession) +
                QStringLiteral(" / ") + QString::number(sessionGames);
    }
    return text;
}

} // namespace halvane
