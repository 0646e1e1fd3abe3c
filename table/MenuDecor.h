#pragma once
// The pictures around the main menu and the table: the language caption,
// the mode banner, the title, the column of link icons with the account lamp,
// and the medals of the top-three panels.

#include <QImage>
#include <QLabel>
#include <QString>

#include <array>

class QWidget;

namespace halvane {

class ImageControl;
class OwnCursors;
class TableArt;

class MenuDecor
{
public:
    // The picture language code of a LanguageIndex (Japanese and Korean use "Eng").
    static QString LanguageCode(int languageIndex);
    // The lamp picture and hint phrase of an account state (anything else counts as 1).
    static QString LampPicture(int state);
    static QString LampHint(int state);
    // CaptionColour 1 -> 2 -> ... -> 7 -> 1.
    static int NextCaptionColour(int colour) { return colour >= 7 || colour < 1 ? 1 : colour + 1; }

    struct Controls {
        QWidget *window = nullptr;
        ImageControl *background = nullptr; // Image1: what lies under every picture
        ImageControl *caption = nullptr; // ImCaption
        ImageControl *banner = nullptr;  // ImElite
        ImageControl *title = nullptr;   // ImTitle
        std::array<QLabel *, 5> panels{}; // Panel1..Panel4 at 1..4
    };

    MenuDecor(const Controls &controls, const TableArt &art, OwnCursors *cursors = nullptr);

    void DrawLanguageCaption();
    void DrawModeBanner(bool networkGame);
    void DrawTitle();
    // Places the link icons (creating them the first time), hints, cursors, then the lamp.
    void DrawLinkColumn(bool storeLinkKnown = false);
    void DrawAccountLamp(int state);
    void ApplyMedals(bool purpleMenuDesign);
    void HideLinkColumn();

    // The link icons by name: "ImageAdvL1", "ImageAdvL2", "ImHp", "ImTR",
    // "ImageAdvL3", "ImageAdvR1", "ImageAdvR2", "ImageAdvR3", "ImAc".
    ImageControl *link(const QString &name) const;

private:
    void drawPictureOver(ImageControl *control, QImage picture, int recolour);
    ImageControl *ensureLink(const char *name);

    Controls m_c;
    const TableArt &m_art;
    OwnCursors *m_cursors;
    std::array<ImageControl *, 9> m_links{};
    int m_lampState = 1;
};

} // namespace halvane
