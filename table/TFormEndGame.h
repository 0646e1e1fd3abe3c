#pragma once
// The end-of-game screen of a finished cycle: the result, the place reached,
// a medal for the top ten, the club title earned and, for account games, the
// prize in Vyxs.

#include <QColor>
#include <QDialog>
#include <QString>

#include <vector>

namespace halvane {

class AnimatedPicture;
class ImageControl;
class TVyxCardsButton;
class WavePlayer;

class TFormEndGame : public QDialog
{
    Q_OBJECT
public:
    struct Inputs {
        int TopTenPlace = 0;     // 0 none, 1..10, above 10 (account games only)
        int LastCycleScore = 0;
        int PrizeVyxs = 0;       // account games: 0 none, -1 the award failed
        int AccountMode = 1;     // 1 offline, 2 logged in, 3 account game
        bool NetGame = false;
    };

    struct TextLine {
        QString text;
        int size = 20;
        QColor colour;
        int y = 0;
    };

    explicit TFormEndGame(const Inputs &inputs, WavePlayer *sounds = nullptr, QWidget *parent = nullptr);

    // What the screen writes, in which size, colour and height, for a look.
    static std::vector<TextLine> Lines(const Inputs &in, bool purple);
    // "GEndBest", "GEndGood" or "GEndBads".
    static QString AnimationName(const Inputs &in);
    static bool AnimationLoops(const Inputs &in);
    // The frame the animation stops on (or stands on with animations off).
    static int StopFrame(const Inputs &in, bool animationsOn);
    // "WFiBest", "WFiGood" or "WFiBads".
    static const char *SoundName(const Inputs &in);
    // The club animation: "GClubB", "GClubF", "GClubG" or none (purple: "GifB", ...).
    static QString ClubAnimation(const Inputs &in, bool purple);
    static bool ShowsMedal(const Inputs &in);

    ImageControl *Image0 = nullptr;
    ImageControl *Image1 = nullptr;
    ImageControl *Image2 = nullptr;
    AnimatedPicture *RxGIFAn1 = nullptr;
    AnimatedPicture *RxGIFAn2 = nullptr;
    TVyxCardsButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Activate();
    void Button1Click();
    void DrawMedal(QImage &image, QPoint at, bool withMedal) const;

    Inputs m_in;
    WavePlayer *m_sounds = nullptr;
    bool m_activated = false;
};

} // namespace halvane
