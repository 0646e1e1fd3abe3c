#pragma once
// The general score dialog: the counters of the game on the table.

#include "records/codec/GameCounters.h"

#include <QDialog>

#include <array>

class QLabel;

namespace halvane {

class AnimatedPicture;
class ImageControl;
class TVyxCardsButton;

class TFormCount : public QDialog
{
    Q_OBJECT
public:
    // The kind of game decides the side animations.
    enum class Kind { Computer, Network, Account, Tournament };

    TFormCount(const TCount &count, const std::string &playerName, Kind kind, int accountMode,
               QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;          // "Information about game"
    std::array<QLabel *, 7> LabelA{};  // Label1a..Label7a
    std::array<QLabel *, 7> LabelB{};  // Label1b..Label7b
    ImageControl *Image0 = nullptr;
    ImageControl *Lamp = nullptr;
    AnimatedPicture *Left = nullptr;
    AnimatedPicture *Middle = nullptr; // "GGenCount"
    AnimatedPicture *Right = nullptr;
    TVyxCardsButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Kind m_kind;
    int m_accountMode;
};

} // namespace halvane
