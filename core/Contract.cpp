#include "Contract.h"

namespace halvane {

bool IsValidContract(int contract)
{
    return contract >= Contracts::NoTricks && contract <= Contracts::TakeAll;
}

bool IsHeartContract(int contract)
{
    using namespace Contracts;
    switch (contract) {
    case NoHearts: case NoKing: case Eralash:
    case TakeHearts: case TakeKing: case TakeAll:
        return true;
    default:
        return false;
    }
}

bool IsPositiveContract(int contract)
{
    return contract >= Contracts::TakeTricks && contract <= Contracts::TakeAll;
}

int GameLength(const GameOptions &options)
{
    if (options.orderedKing)
        return options.longGame ? 24 : 12;
    return options.playEralash ? 14 : 12;
}

int ContractForDeal(int dealNumber, bool playEralash)
{
    if (playEralash)
        return dealNumber >= 1 && dealNumber <= 14 ? dealNumber : Contracts::None;
    if (dealNumber >= 1 && dealNumber <= 6)
        return dealNumber;
    if (dealNumber >= 7 && dealNumber <= 12)
        return dealNumber + 1;
    return Contracts::None;
}

std::vector<std::string_view> ContractWords(int contract)
{
    if (!IsValidContract(contract))
        return {};
    static constexpr std::string_view Objects[] = {"tricks", "boys", "girls", "hearts", "King"};
    const bool positive = IsPositiveContract(contract);
    std::vector<std::string_view> words;
    if (positive)
        words.push_back("To Take");
    else {
        words.push_back("To not");
        words.push_back("take");
    }
    const int kind = positive ? contract - 7 : contract; // 1..7 within its half
    if (kind <= 5)
        words.push_back(Objects[kind - 1]);
    else if (kind == 6) {
        words.push_back("two");
        words.push_back("last");
    } else
        words.push_back("all");
    return words;
}

std::string_view OrderChoiceName(int choice)
{
    static constexpr std::string_view Names[] = {
        "To not take tricks", "To not take boys", "To not take girls", "To not take hearts",
        "To not take King",   "To not take two last", "Take tricks",   "Take tricks"};
    if (choice < 1 || choice > 8)
        return {};
    return Names[choice - 1];
}

} // namespace halvane
