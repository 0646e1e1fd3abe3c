#include "GameState.h"

namespace halvane {

GameState GameState::NewGame(const GameOptions &options, int kon, int startScore)
{
    GameState game;
    game.options = options;
    game.kon = kon;
    game.startScore = startScore;
    return game;
}

int GameState::NextDeal()
{
    ++dealNumber;
    if (!options.orderedKing)
        return ContractForDeal(dealNumber, options.playEralash);
    ApplyShortGameRule(orderedSets, dealNumber, options.longGame);
    return Contracts::None;
}

DealState GameState::DealCards(std::uint64_t seed)
{
    const int contract = NextDeal();
    return DealState::Begin(ShuffleAndDeal(seed).hands, Leader(), contract, options.orderedKing);
}

bool GameState::OrderButtonEnabled(int seat, int button) const
{
    return seat >= 1 && seat <= 3 && halvane::OrderButtonEnabled(orderedSets[seat - 1], button);
}

int GameState::RecordOrder(int seat, int choice)
{
    if (seat < 1 || seat > 3)
        return 0;
    return RecordOrderChoice(orderedSets[seat - 1], choice, options.longGame);
}

void GameState::SettleDeal(const DealPoints &points)
{
    for (int s = 0; s < 3; ++s)
        gameScore[s] += points[s];
    finalScore = gameScore[2];
    cycleScore = startScore + finalScore;
}

} // namespace halvane
