#include "MenuSurroundings.h"

#include "DigitalClock.h"
#include "ImageControl.h"
#include "ScaleState.h"

#include "records/codec/Settings.h"

namespace halvane {

namespace {
// The clock and the counter sit in the lower corners, under the GIF pictures' columns.
QPoint ClockPos(int index, const QWidget *window)
{
    const int w = window ? window->width() : 760;
    const int h = window ? window->height() : 500;
    const int x = index == 1 ? Scaled(10) : w - Scaled(10) - DigitalClock::Width;
    return QPoint(x, h - Scaled(10) - DigitalClock::Height);
}
} // namespace

MenuSurroundings::MenuSurroundings(const MenuDecor::Controls &controls, const TableArt &art, OwnCursors *cursors)
    : m_c(controls), m_art(art), m_decor(controls, art, cursors), m_gifs(controls.window)
{
    m_clock = new ImageControl(controls.window);
    m_clock->setObjectName(QStringLiteral("ImClock1"));
    m_clock->hide();
    m_counter = new ImageControl(controls.window);
    m_counter->setObjectName(QStringLiteral("ImClock2"));
    m_counter->hide();
    m_gifs.Load();
}

void MenuSurroundings::Show(bool networkGame)
{
    m_shown = true;
    if (m_c.title) {
        const ScaleState &s = CurrentScale();
        const int row = Scaled(30);
        m_c.title->setGeometry(RoundHalfEven(230 * s.scaleX), RoundHalfEven(90 * s.scaleY) - Scaled(5),
                               RoundHalfEven(300 * s.scaleX), 3 * row);
    }
    m_decor.DrawLanguageCaption();
    m_decor.DrawModeBanner(networkGame);
    m_decor.DrawLinkColumn();
    m_decor.ApplyMedals(CurrentSettings().MainMenuDesign == 1);
    m_gifs.Show();
    m_counterMinute = -1;
    const bool clocks = DigitalClock::Shown();
    m_clock->setVisible(clocks);
    m_counter->setVisible(clocks);
    if (clocks) {
        m_clock->move(ClockPos(1, m_c.window));
        m_counter->move(ClockPos(2, m_c.window));
        m_clock->raise();
        m_counter->raise();
        Tick(QTime::currentTime());
    }
}

void MenuSurroundings::Hide()
{
    m_shown = false;
    for (QWidget *w : {static_cast<QWidget *>(m_c.caption), static_cast<QWidget *>(m_c.banner),
                       static_cast<QWidget *>(m_c.title), static_cast<QWidget *>(m_clock),
                       static_cast<QWidget *>(m_counter)})
        if (w)
            w->hide();
    m_decor.HideLinkColumn();
    m_gifs.Hide();
}

void MenuSurroundings::Tick(const QTime &now)
{
    if (!m_shown || !DigitalClock::Shown())
        return;
    QImage image;
    DigitalClock::DrawClock(image, m_art, now);
    m_clock->setPicture(image);
    if (now.minute() != m_counterMinute) {
        m_counterMinute = now.minute();
        DrawCounter(InfoCounter::ModeForMinute(now.minute()));
    }
}

void MenuSurroundings::DrawCounter(int mode)
{
    const InfoCounter::Display d = InfoCounter::Compose(mode, m_figures ? m_figures() : InfoFigures{});
    QImage image;
    InfoCounter::DrawInfoCounter(image, m_art, d);
    m_counter->setPicture(image);
    m_counter->setToolTip(d.hint);
}

} // namespace halvane
