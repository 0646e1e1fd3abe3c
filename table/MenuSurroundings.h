#pragma once
// What surrounds the main menu's buttons: the language caption, the mode
// banner, the title, the link column, the medals, the two GIF pictures and,
// from ScaleFactor 1.6 on, the digital clock and the information counter.

#include "InfoCounter.h"
#include "MenuDecor.h"
#include "MenuGifPictures.h"

#include <QTime>

#include <functional>

namespace halvane {

class ImageControl;

class MenuSurroundings
{
public:
    MenuSurroundings(const MenuDecor::Controls &controls, const TableArt &art, OwnCursors *cursors);

    // The online figures behind the counter; until the service is wired the
    // counter shows its no-connection forms.
    void setFigures(std::function<InfoFigures()> figures) { m_figures = std::move(figures); }

    void Show(bool networkGame);
    void Hide();
    // The main timer's tick while the menu is shown: the clock and, each minute, the counter.
    void Tick(const QTime &now);

    MenuDecor &decor() { return m_decor; }
    MenuGifPictures &gifs() { return m_gifs; }
    ImageControl *clock() const { return m_clock; }
    ImageControl *counter() const { return m_counter; }

private:
    void DrawCounter(int mode);

    MenuDecor::Controls m_c;
    const TableArt &m_art;
    MenuDecor m_decor;
    MenuGifPictures m_gifs;
    ImageControl *m_clock = nullptr;   // ImClock1
    ImageControl *m_counter = nullptr; // ImClock2
    std::function<InfoFigures()> m_figures;
    int m_counterMinute = -1;
    bool m_shown = false;
};

} // namespace halvane
