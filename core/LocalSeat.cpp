#include "LocalSeat.h"

namespace halvane {

int LocalSeat::TakeCard(const GameFlowState &, int)
{
    const int slot = m_offered;
    m_offered = 0;
    return slot;
}

int LocalSeat::TakeOrder(const GameFlowState &, int, const OrderChoices &open)
{
    return m_askOrder ? m_askOrder(open) : 0;
}

} // namespace halvane
