#pragma once
// The balloon hints of the card table: the contract panel ImageKon shows the
// game's number and its place in the cycle; at an online tournament table a
// seat's name plate shows the player's picture; the score tablets only close
// what another control opened. Every balloon closes when the mouse leaves.

#include <QObject>

#include <functional>
#include <string>

namespace halvane {

class TForm1;

class TableBalloons : public QObject
{
    Q_OBJECT
public:
    // Watches the window's ImageKon, ImageSay1..3 and ImageTab1..3.
    explicit TableBalloons(TForm1 &form);

    // The player's name at table seat 1..3 (Windows-1251), for the name plates.
    using SeatName = std::function<std::string(int seat)>;
    void SetSeatName(SeatName name) { m_seatName = std::move(name); }

    // The mouse entered or left a control (the window's enter and leave handlers).
    void ImageKonMouseEnter();
    void ImageSayMouseEnter(int seat);
    void MouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TForm1 &m_form;
    SeatName m_seatName;
};

} // namespace halvane
