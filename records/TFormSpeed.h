#pragma once
// The card-flight speed dialog: a track bar 1..6 that sets GameSpeed at once.

#include <QDialog>

class QLabel;
class QSlider;
class QTimer;

namespace halvane {

class ImageControl;
class TVyxCardsButton;

class TFormSpeed : public QDialog
{
    Q_OBJECT
public:
    explicit TFormSpeed(QWidget *parent = nullptr);

    // The purple look's icon interval for a speed: 1: 110 ms ... 6: 25 ms.
    static int IconInterval(int gameSpeed);

    QSlider *TrackBar1 = nullptr;
    TVyxCardsButton *Button1 = nullptr;
    ImageControl *Image0 = nullptr;
    QTimer *Timer48 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void TrackBar1Change(int value);

    QLabel *m_label = nullptr;
    QList<QLabel *> m_marks;
};

} // namespace halvane
