#pragma once
// The options dialog: its pages, and the names of the decks, backs, table
// backgrounds, colours and designs it offers.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms General{"General"};
inline constexpr PhraseForms Multimedia{"Multimedia"};
inline constexpr PhraseForms Sound{"Sound"};
inline constexpr PhraseForms Music{"Music"};
inline constexpr PhraseForms Cards{"Cards"};
inline constexpr PhraseForms Decks{"Decks"};
inline constexpr PhraseForms Fonts{"Fonts"};
inline constexpr PhraseForms Main{"Main"};
inline constexpr PhraseForms Minor{"Minor"};
inline constexpr PhraseForms SmallWindow{"Small window"};
inline constexpr PhraseForms AverageWindow1{"Average window 1"};
inline constexpr PhraseForms AverageWindow2{"Average window 2"};
inline constexpr PhraseForms LargeWindow{"Large window"};
inline constexpr PhraseForms FullScreen{"Full screen"};
inline constexpr PhraseForms CantSaveOptions{"Can`t save options!"};
inline constexpr PhraseForms Multiplayer{"Multiplayer"};
inline constexpr PhraseForms Modification{"Modification"};
inline constexpr PhraseForms ToChangeDecks{"To change decks"};
inline constexpr PhraseForms AlwaysOne{"Always one"};
inline constexpr PhraseForms Random{"Random"};
inline constexpr PhraseForms GifAnimation{"Gif-animation"};
inline constexpr PhraseForms FlyCards{"\"Fly\" cards"};
inline constexpr PhraseForms RedMouseCursor{"Red mouse cursor"};
inline constexpr PhraseForms NewButtons{"New buttons"};
inline constexpr PhraseForms LargeFont{"Large font"};
inline constexpr PhraseForms SmallFont{"Small font"};
inline constexpr PhraseForms SpecialFont{"Special font"};
inline constexpr PhraseForms ScalePercent{"Scale, %"};
inline constexpr PhraseForms Default{"Default"};
inline constexpr PhraseForms FontsWarning{
    "Attention!\n\rThese installations should be changed only in case of incorrect map of fonts!"};
inline constexpr PhraseForms SaveGames{"Save games"};
inline constexpr PhraseForms SaveGamesAsGifs{"Save games as GIFs"};
inline constexpr PhraseForms SaveMainWindowOnly{"Save contents of only the main window"};
inline constexpr PhraseForms SaveScreenContents{"Save screen contents"};
inline constexpr PhraseForms FrameDelay{"Delay between frames, msec."};
inline constexpr PhraseForms ReadingRadioList{"Reading the list of radio stations"};
inline constexpr PhraseForms FromTheServer{"From the server"};
inline constexpr PhraseForms FromDisk{"From disk"};

// Decks and card backs.
inline constexpr PhraseForms Classical1{"Classical-1"};
inline constexpr PhraseForms Medieval1{"Medieval-1"};
inline constexpr PhraseForms Modern{"Modern"};
inline constexpr PhraseForms AncientEgypt{"Ancient Egypt"};
inline constexpr PhraseForms Baronesse{"Baronesse"};
inline constexpr PhraseForms Celtic{"Celtic"};
inline constexpr PhraseForms Corona{"Corona"};
inline constexpr PhraseForms Crown{"Crown"};
inline constexpr PhraseForms EnglishPattern{"English Pattern"};
inline constexpr PhraseForms Frankfurt{"Frankfurt"};
inline constexpr PhraseForms HistoricalCostumes{"Historical costumes"};
inline constexpr PhraseForms NativeAmericans{"Native Americans"};
inline constexpr PhraseForms OldGardenRoses{"Old Garden Roses"};
inline constexpr PhraseForms Parrots{"Parrots"};
inline constexpr PhraseForms Royal{"Royal"};
inline constexpr PhraseForms Shakespeare{"Shakespeare"};
inline constexpr PhraseForms BigBen{"Big Ben"};
inline constexpr PhraseForms FourReigns{"Four Reigns of English History"};
inline constexpr PhraseForms LargePrintLondon{"Large Print London"};
inline constexpr PhraseForms Classical2{"Classical-2"};
inline constexpr PhraseForms DeckHearts{"Hearts"};
inline constexpr PhraseForms Seasons{"Seasons"};
inline constexpr PhraseForms RhineStyle{"Rhine Style"};
inline constexpr PhraseForms Medieval2{"Medieval-2"};
inline constexpr PhraseForms Doods{"Doods"};
inline constexpr PhraseForms Playboy{"Playboy"};
inline constexpr PhraseForms Epic{"Epic"};
inline constexpr PhraseForms Ussr{"USSR"};
inline constexpr PhraseForms Plastic{"Plastic"};
inline constexpr PhraseForms SkatGerman{"Skat - German suits"};
inline constexpr PhraseForms SkatTournament{"Skat - Tournament suits"};
inline constexpr PhraseForms SkatFrench{"Skat - French suits"};
inline constexpr PhraseForms WhitePalekh{"White palekh"};
inline constexpr PhraseForms Diana{"Diana"};
inline constexpr PhraseForms Princely{"Princely"};
inline constexpr PhraseForms ForSolitaires{"For solitaires"};
inline constexpr PhraseForms Satin{"Satin"};
inline constexpr PhraseForms Slavic{"Slavic"};
inline constexpr PhraseForms Maya{"Maya"};
inline constexpr PhraseForms Bast{"Bast"};
inline constexpr PhraseForms French{"French"};
inline constexpr PhraseForms Spanish1{"Spanish 1"};
inline constexpr PhraseForms Spanish2{"Spanish 2"};
inline constexpr PhraseForms Spanish3{"Spanish 3"};
inline constexpr PhraseForms Spanish4{"Spanish 4"};
inline constexpr PhraseForms Chinese{"Chinese"};
inline constexpr PhraseForms Italian{"Italian"};
inline constexpr PhraseForms Czech{"Czech"};
inline constexpr PhraseForms Animals{"Animals"};
inline constexpr PhraseForms Flowers{"Flowers"};
inline constexpr PhraseForms Other{"Other"};
inline constexpr PhraseForms Russian{"Russian"};
inline constexpr PhraseForms Places{"Places"};
inline constexpr PhraseForms Carpet{"Carpet"};
inline constexpr PhraseForms Cross{"Cross"};
inline constexpr PhraseForms Chess{"Chess"};
inline constexpr PhraseForms Diamond{"Diamond"};
inline constexpr PhraseForms Knightly{"Knightly"};

// Table backgrounds and colours.
inline constexpr PhraseForms Bg{"BG"};
inline constexpr PhraseForms Background{"Background"};
inline constexpr PhraseForms Sun{"Sun"};
inline constexpr PhraseForms Felt{"Felt"};
inline constexpr PhraseForms Gradient{"Gradient"};
inline constexpr PhraseForms Cloth{"Cloth"};
inline constexpr PhraseForms Tree{"Tree"};
inline constexpr PhraseForms Casino{"Casino"};
inline constexpr PhraseForms Pattern{"Pattern"};
inline constexpr PhraseForms Silk{"Silk"};
inline constexpr PhraseForms Ornament{"Ornament"};
inline constexpr PhraseForms Green{"Green"};
inline constexpr PhraseForms Red{"Red"};
inline constexpr PhraseForms Orang{"Orang"};
inline constexpr PhraseForms Violet{"Violet"};
inline constexpr PhraseForms Yellow{"Yellow"};
inline constexpr PhraseForms LightBlue{"Light-Blue"};
inline constexpr PhraseForms DarkBlue{"Dark Blue"};

// Designs of the windows.
inline constexpr PhraseForms Design{"Design"};
inline constexpr PhraseForms MainMenuDesign{"Main Menu Design"};
inline constexpr PhraseForms GameTableDesign{"Game Table Design"};
inline constexpr PhraseForms AuxiliaryWindowDesign{"Auxiliary Window Design"};
inline constexpr PhraseForms Customizable{"Customizable"};
inline constexpr PhraseForms Purple{"Purple"};
inline constexpr PhraseForms GrayConcise{"Gray concise"};
inline constexpr PhraseForms GrayAristocratic{"Gray aristocratic"};
inline constexpr PhraseForms GrayRedRibbons{"Gray with red ribbons"};
inline constexpr PhraseForms Salute{"Salute"};
inline constexpr PhraseForms Buttons{"Buttons"};

// The game page.
inline constexpr PhraseForms OrderedKing{"Ordered King"};
inline constexpr PhraseForms Duration{"Duration"};
inline constexpr PhraseForms Long{"Long"};
inline constexpr PhraseForms Short{"Short"};
inline constexpr PhraseForms Eralash{"Eralash"};
inline constexpr PhraseForms ToPlay{"To play"};
inline constexpr PhraseForms Skip{"Skip"};

} // namespace halvane::ph
