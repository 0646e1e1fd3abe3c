#include "Scoring.h"

#include "Contract.h"

namespace halvane {

SeatPoints RelativeScore(int a, int b, int c)
{
    return {2 * a - b - c, 2 * b - a - c, 2 * c - a - b};
}

int ContractTotal(int contract, bool ordered)
{
    if (contract == Contracts::Eralash)
        return -240;
    if (contract == Contracts::TakeAll)
        return 240;
    if (contract == Contracts::TakeTricks && ordered)
        return 120;
    if (!IsValidContract(contract))
        return 0;
    return IsPositiveContract(contract) ? 40 : -40;
}

} // namespace halvane
