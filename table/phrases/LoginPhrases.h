#pragma once
// The welcome, login and registration dialogs, and the network game set-up.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms IncorrectName{"Incorrect name!"};
inline constexpr PhraseForms PasswordsDoNotCoincide{"The passwords do not coincide!"};
inline constexpr PhraseForms IncorrectPassword{"The incorrect password!"};
inline constexpr PhraseForms Welcome{"Welcome!"};
inline constexpr PhraseForms EnterYourName{"Enter Your name:"};
inline constexpr PhraseForms EnterYourPassword{"Enter Your password:"};
inline constexpr PhraseForms OnceAgainForCheck{"And once again for check..."};
inline constexpr PhraseForms MrX{"Mr.X"};
inline constexpr PhraseForms IncorrectIpAddress{"Incorrect IP-address!"};
inline constexpr PhraseForms IncorrectPort{"Incorrect Port!"};
inline constexpr PhraseForms EnterServerIp{"Enter IP of server:"};
inline constexpr PhraseForms EnterServerPort{"Enter Port of server:"};
inline constexpr PhraseForms NumberGames{"Number games:"};
inline constexpr PhraseForms ServerClient{"Server / Client"};
inline constexpr PhraseForms ServerCreatesGame{"Server create the game"};
inline constexpr PhraseForms ClientEntersGame{"Client enters to game"};
inline constexpr PhraseForms ReceiveIpAddresses{"To receive the IP-addresses"};
inline constexpr PhraseForms ExpectingOtherPlayers{"Expectation of connection of other players..."};
inline constexpr PhraseForms ExpectingGame{"Expectation of game..."};

} // namespace halvane::ph
