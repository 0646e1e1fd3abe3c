#pragma once
// The four looks of the auxiliary windows: gray concise (DialogDesign 1), gray
// aristocratic (2), gray with red ribbons (3) and purple (PurpleDialogs). Every
// dialog of the game applies one when it is shown: background, header picture
// in Image0, button colours, and its client height for that look.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

#include <array>

class QWidget;
class QPushButton;

namespace halvane {

class ImageControl;

enum class Look { Concise = 1, Aristocratic = 2, Ribbons = 3, Purple = 4 };

// What a dialog brings to its look.
struct DialogLookParts {
    QString title;         // the dialog's title from the dictionary
    QString decorWord;     // design 1: decor picture word ("Options") + language code
    QString ribbonPicture; // design 3 and purple: "GFormOpt", "GFormSpeed", ...
    QPoint ribbonOffset;   // where design 3 draws the ribbon picture
    int headerWidth = 300; // Image0's width
    std::array<int, 4> heights{};       // client height per look (concise, aristocratic, ribbons, purple)
    std::array<int, 4> headerHeights{48, 64, 90, 0};
    int width = 0;         // client width in the gray looks
    int purpleWidth = 0;   // client width in the purple look (0: as gray)
};

class DialogLook
{
public:
    // The look the settings select now.
    static Look Current();
    static bool IsPurple() { return Current() == Look::Purple; }

    // Sizes the dialog, paints its background and header and colours its buttons.
    static void Apply(QWidget *dialog, ImageControl *image0, const QList<QPushButton *> &buttons,
                      const DialogLookParts &parts);
    static void Apply(QWidget *dialog, ImageControl *image0, const QList<QPushButton *> &buttons,
                      const DialogLookParts &parts, Look look);

    // The header picture of a look, `width` x `height`.
    static QImage Header(Look look, const DialogLookParts &parts, int width, int height);
    // Button colours: "DRed" (white caption, yellow when hovered) in the gray
    // looks, "DCards" with a caption of RGB(200,175,50) in the purple one.
    static void StyleButton(QPushButton *button, Look look);

    // A font of a family word ("decor", "serif", "fixed", "conew") at FontHeight(size).
    static QFont Font(const char *family, int size, bool bold = false);
    static QColor Background(Look look);
    static QColor TextColour(Look look);
    // "Eng", "Rus", ... by LanguageIndex; Japanese and Korean use "Eng".
    static QString ImageLanguageCode();
};

} // namespace halvane
