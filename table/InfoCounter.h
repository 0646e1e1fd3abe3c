#pragma once
// The main menu's information counter (ImClock2, 115 x 64 pixels): one of
// seven figures from the online service, changing every minute, in digit
// pictures of a colour per figure, with an icon and a hint naming it.

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace halvane {

class TableArt;

// What the service told us; an empty optional is a figure it could not give.
struct InfoFigures {
    bool connected = false;
    long long wins = 0;    // m of the statistics record
    long long losses = 0;  // l of the statistics record
    long long gamesPlayed = 0;
    std::optional<std::pair<QString, long long>> bestWindows;
    std::optional<std::pair<QString, long long>> bestAndroid;
    std::optional<std::pair<QString, long long>> bestAccount;
    bool loggedIn = false;
    long long balance = 0;
    long long clubMembers = 0;
};

class InfoCounter
{
public:
    static constexpr int Width = 115;
    static constexpr int Height = 64;

    struct Display {
        int mode = 7;        // the figure actually shown
        QString digits;      // digits, '-' for a minus sign
        QString suffix;      // "", "K", "M", "G"
        QString icon;
        QString hint;
        QString label;       // the small label at (90, 10)
        QColor labelColour;
    };

    // The mode the main menu asks for: (minute mod 7) + 1.
    static int ModeForMinute(int minute) { return minute % 7 + 1; }
    // A count shortened with a suffix letter, truncating: 1 234 567 is "1" "M".
    static std::pair<QString, QString> ShortenCount(long long count);
    // The digit picture name prefix of a mode ("GRClock" ... "GNClock").
    static QString DigitPrefix(int mode);
    // x positions at y 15 and the digit width (0 for the picture's own size) by character count.
    static std::vector<int> DigitPositions(int count);
    static int DigitWidth(int count);

    static Display Compose(int mode, const InfoFigures &figures);
    static void DrawInfoCounter(QImage &image, const TableArt &art, const Display &display);
};

} // namespace halvane
