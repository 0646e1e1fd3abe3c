#pragma once
// The attention dialog: caption "Attention", up to three lines in a large
// decorative font, the third one a link opened by the desktop's default
// handler, and an "Ok" button. Esc or "Ok" closes it.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace halvane {

class TFormLink : public QDialog
{
    Q_OBJECT
public:
    TFormLink(const QString &line1, const QString &line2, const QString &line3, QWidget *parent = nullptr);

    // The client width the lines need: widest text + 59, plus 50 when that
    // reaches 350, else 400.
    static int ClientWidthFor(int widestTextWidth);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *ButtonOk = nullptr;
};

} // namespace halvane
