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
// Exactly 39 characters in every language, for the fixed-pitch header panel.
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
inline constexpr PhraseForms RoundInSession{"Number of round in a current session:"};
inline constexpr PhraseForms GamesInCycle{"Games in cycle"};
inline constexpr PhraseForms NoInternetAccess{
    "You do not have access to the Internet or the company <Vyx> carries out preventive maintenance."};
inline constexpr PhraseForms ThanksForSupport{"Thank you for Your support!"};
inline constexpr PhraseForms PlayOurOtherGames{"Play our other games"};
inline constexpr PhraseForms InApkIsUnavailable{"in Apk is temporarily unavailable!"};
inline constexpr PhraseForms InApkAreUnavailable{"in Apk are temporarily unavailable!"};
inline constexpr PhraseForms IsUnavailable{"is temporarily unavailable!"};
inline constexpr PhraseForms AreUnavailable{"are temporarily unavailable!"};
inline constexpr PhraseForms WorldTopTenUnavailable{"World Top Ten Tournament is temporarily unavailable!"};
inline constexpr PhraseForms ChatUnavailable{"Chat is temporarily unavailable!"};
// Followed by a file name.
inline constexpr PhraseForms CantFind{"Can`t find "};
inline constexpr PhraseForms YouLose{"You lose!"};
inline constexpr PhraseForms LogInToAccount{"Log in to your account!"};
inline constexpr PhraseForms YourTimeIsUp{"Your time is up!"};
inline constexpr PhraseForms TakeThePlaceOf{"Take the place of"};

} // namespace halvane::ph
