#pragma once
// Chat and news.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CantSendMessage{"Unable to send a message!"};
inline constexpr PhraseForms VyxGamesChat{"Vyx Games Chat"};
inline constexpr PhraseForms LastMessageAtBottom{"Last message at the bottom"};
inline constexpr PhraseForms OpenOnNewMessage{"Open this window when a new message"};

} // namespace halvane::ph
