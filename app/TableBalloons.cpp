#include "TableBalloons.h"

#include "TForm1.h"
#include "core/Cp1251.h"
#include "records/GameBalloon.h"
#include "table/Balloons.h"
#include "table/FontSlots.h"
#include "table/ImageControl.h"

#include <QEvent>

namespace halvane {

namespace {
// The arrow corner of each seat's picture balloon: seat 1's plate sits on the
// left, seat 2's on the right, the own plate at the bottom.
constexpr int PlateArrow[4] = {0, 3, 2, 0};
// The panel stands at the top of the table: the balloon hangs below it.
constexpr int PanelArrow = 0;
} // namespace

TableBalloons::TableBalloons(TForm1 &form) : QObject(&form), m_form(form)
{
    m_form.ImageKon->installEventFilter(this);
    for (int seat = 1; seat <= 3; ++seat) {
        m_form.ImageSay[size_t(seat)]->installEventFilter(this);
        m_form.ImageTab[size_t(seat)]->installEventFilter(this);
    }
}

bool TableBalloons::eventFilter(QObject *watched, QEvent *event)
{
    // A control that hides (the table leaves) gets no leave event.
    if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) {
        MouseLeave();
    } else if (event->type() == QEvent::Enter) {
        if (watched == m_form.ImageKon)
            ImageKonMouseEnter();
        for (int seat = 1; seat <= 3; ++seat) {
            if (watched == m_form.ImageSay[size_t(seat)])
                ImageSayMouseEnter(seat);
            else if (watched == m_form.ImageTab[size_t(seat)])
                MouseLeave(); // a tablet has no balloon of its own
        }
    }
    return QObject::eventFilter(watched, event);
}

void TableBalloons::ImageKonMouseEnter()
{
    if (!m_form.GameRunning)
        return;
    const GameBalloon::Kind kind = m_form.TournamentGame   ? GameBalloon::Kind::Tournament
                                   : m_form.AccountMode == 3 ? GameBalloon::Kind::Account
                                   : m_form.NetGame          ? GameBalloon::Kind::Network
                                                             : GameBalloon::Kind::Computer;
    const int kon = m_form.Counters.Kon;
    CloseBalloons();
    ShowBalloon(GameBalloon::Title(), GameBalloon::Text(kind, kon, 0, GameInCycle(kon)),
                QString::fromStdString(CurrentFontSlots()[0].name), m_form.ImageKon, PanelArrow);
}

void TableBalloons::ImageSayMouseEnter(int seat)
{
    // Player pictures exist only at the tournament tables.
    if (!m_form.GameRunning || !m_form.TournamentGame || !m_seatName)
        return;
    const QString name = QString::fromStdString(Cp1251ToUtf8(m_seatName(seat))).trimmed();
    if (name.isEmpty())
        return;
    CloseBalloons();
    ShowPictureBalloon(name, PlateArrow[seat], m_form.ImageSay[size_t(seat)], m_form.ProgramFolder);
}

void TableBalloons::MouseLeave()
{
    CloseBalloons();
}

} // namespace halvane
