#pragma once
// What the options dialog asks of the rest of the program when a setting
// changes. Every hook may be left empty: the setting changes and nothing else
// happens (the tests use it so).

#include <QSize>
#include <QString>

#include <functional>

namespace halvane {

class TableArt;

struct OptionsHooks {
    std::function<void(bool on)> musicChanged;      // start or stop the music
    std::function<void()> cursorsChanged;           // ApplyCursors
    std::function<void()> buttonsChanged;           // the new-buttons look
    std::function<void()> netGameChanged;           // banner and club list of the new mode
    std::function<void()> windowSizeChanged;        // ApplyWindowSize
    std::function<void()> languageChanged;          // captions of the main window
    std::function<bool()> cardSetChanged;           // load the faces; false when they cannot be
    std::function<bool()> backSetChanged;           // load the backs
    std::function<bool()> backgroundChanged;        // load the table background
    std::function<void()> fontsChanged;             // the fonts of the main window
    std::function<void()> designChanged;            // redraw the menu and table in the new design
    std::function<void()> passport;                 // the passport dialog
    std::function<void(const QString &pack)> download; // a pack download
    std::function<void()> radioListChanged;         // restart the radio set-up
    std::function<bool()> decorPackAvailable;       // "VyxCGraph1.dll" holds "GIcon48Opt"
    std::function<void(const QString &file)> missingPack; // the attention dialog for a missing pack
    std::function<bool()> menuShown;                // the main menu is on the screen
    std::function<void()> speed;                    // the speed dialog
    const TableArt *art = nullptr;                  // card faces for the preview
    QSize screen;                                   // the screen size (empty: the primary screen's)
};

} // namespace halvane
