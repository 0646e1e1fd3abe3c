#pragma once
// Every user setting, with its default. The values live for the whole run in
// the one Settings owned here and persist in "Halvane.ini".

#include <array>
#include <string>

namespace halvane {

struct FontSlotSetting {
    std::string name;
    int percent = 100; // 50..150
};

struct Settings {
    int LanguageIndex = 0;      // 0..9
    bool SoundOn = true;
    bool MusicOn = true;
    bool GifAnimation = true;
    bool FlyCards = true;
    int MenuDisplayMode = 1;    // 1 score, 2 rating
    bool NetGame = false;
    bool OwnCursor = true;
    int GameSpeed = 4;          // 1..6
    int WindowSize = 1;         // 1..5
    bool InstallReportDone = true;
    bool LikeGiven = true;
    bool RadioListFromServer = true;
    int CaptionColour = 1;      // 1..7
    bool NewButtons = false;
    bool PurpleDialogs = false;
    int DialogDesign = 2;       // 1 gray concise, 2 gray aristocratic, 3 gray with red ribbons
    int MainMenuDesign = 0;     // 0 customizable, 1 purple
    int GameTableDesign = 0;    // 0 customizable, 1 purple
    bool SaluteButtons = false;
    bool SaluteCards = false;
    int CardSet = 0;            // 0..47
    int BackSet = 0;            // 0..12
    bool OneBackAlways = false;
    bool PlayEralash = false;
    bool OrderedKing = false;
    bool LongGame = false;
    std::array<FontSlotSetting, 4> FontSlots{FontSlotSetting{"Comic Sans MS", 100},
                                             FontSlotSetting{"Comic Sans MS", 100},
                                             FontSlotSetting{"FixedSys", 100},
                                             FontSlotSetting{"Courier New", 100}};
    std::string LanServerAddress = "127.0.0.1";
    std::string LanServerPort = "25666";
    int BackgroundPicture = 2;  // 0..10, 0 none
    int BackgroundColour = 0;   // 0..6
    std::string LastPlayerName = "Mr.X";
    std::string WorldTableEndpoint;  // enciphered
    std::string PassportNick = "Incognito";
    std::string PassportCountry = "1-001";
    std::string PassportCity = "Moscow";
    std::string PassportSex = "M";
    std::string StatisticsEndpoint;  // enciphered
    bool SaveGamesAsGif = false;
    int CaptureMode = 1;        // 1 main window only, 2 screen area under the window
    int FrameDelay = 1000;      // 10..5000 ms
};

// The program-wide settings.
Settings &CurrentSettings();

} // namespace halvane
