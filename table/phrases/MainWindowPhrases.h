#pragma once
// Main window, main menu and its pop-up menu.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms ProductName{"Halvane", "Halvane", "Halvane", "Halvane", "Halvane",
                                         "Halvane", "Halvane", "Halvane", "Halvane", "Halvane"};
inline constexpr PhraseForms NewPlayer{"New Player"};
inline constexpr PhraseForms TopTen{"Top Ten"};
inline constexpr PhraseForms Options{"Options"};
inline constexpr PhraseForms Exit{"Exit"};
inline constexpr PhraseForms Mode{"Mode"};
inline constexpr PhraseForms History{"History"};
inline constexpr PhraseForms ClubHeaderScore{" The members of club    Games    Score "};
inline constexpr PhraseForms ClubHeaderRating{" The members of club    Games   Rating "};
inline constexpr PhraseForms GeneralScore{"General score"};
inline constexpr PhraseForms ExitToMenu{"Exit to menu"};
inline constexpr PhraseForms ChangeName{"To change a name"};
inline constexpr PhraseForms Speed{"Speed"};
inline constexpr PhraseForms Convention{"Convention"};
inline constexpr PhraseForms Help{"Help"};
inline constexpr PhraseForms Comment{"Comment"};
inline constexpr PhraseForms About{"About"};
inline constexpr PhraseForms Radio{"Radio"};
inline constexpr PhraseForms Chat{"Chat"};
inline constexpr PhraseForms WantLeaveGame{"You want to leave from game?"};
inline constexpr PhraseForms WantLeaveToMenu{"You want to leave in the main menu?"};
inline constexpr PhraseForms DataWillBeLost{"All datas for want of it will be lost!"};
inline constexpr PhraseForms HelpNotTranslated{
    "Excuse!\n\rThe file of the help is not translated to the English language."};
inline constexpr PhraseForms CantFindFile{"Can`t find the file"};

} // namespace halvane::ph
