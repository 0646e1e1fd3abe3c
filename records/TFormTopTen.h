#pragma once
// The local top ten of the club file in use, drawn on a scroll.

#include "records/codec/ClubFile.h"

#include <QDialog>

namespace halvane {

class AnimatedPicture;
class ImageControl;
class TVyxCardsButton;

class TFormTopTen : public QDialog
{
    Q_OBJECT
public:
    // `networkList`: the list of "Halvane.net" (network play on).
    TFormTopTen(const ClubFile &club, bool networkList, QWidget *parent = nullptr);

    // Draws the heading, the column words and the ten places on `image` (450 x 570).
    static void DrawList(QImage &image, const ClubFile &club, bool networkList);

    ImageControl *Image1 = nullptr;
    AnimatedPicture *RxGIFAn1 = nullptr; // "GTopTen"
    AnimatedPicture *RxGIFAn2 = nullptr; // "GClubF" / "GClubG"
    TVyxCardsButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Button1Click();

    ClubFile m_club;
    bool m_network;
};

} // namespace halvane
