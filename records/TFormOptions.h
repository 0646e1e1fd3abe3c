#pragma once
// The options dialog: most settings on nine pages, each change applied at once.

#include "OptionsHooks.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace halvane {

class AnimatedPicture;
class ImageControl;
class TVyxCardsButton;

class TFormOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TFormOptions(OptionsHooks hooks = {}, QWidget *parent = nullptr);

    // The page open when the dialog was last closed in this run.
    static int LastPage;

    // The window sizes offered on a screen of this size, as WindowSize values.
    static QList<int> WindowSizeChoices(QSize screen);
    // Which of "To change decks", "Always one", "Random" a back set offers.
    static std::array<bool, 3> BackModesFor(int backSet);

    QTabWidget *PageControl1 = nullptr;
    ImageControl *Image0 = nullptr;
    ImageControl *ImFlag = nullptr;
    AnimatedPicture *RxGIFAn1 = nullptr;
    TVyxCardsButton *Button1 = nullptr;
    // General
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr;
    QCheckBox *CheckBoxCur = nullptr, *CheckBoxBut = nullptr, *CheckBoxNet = nullptr;
    TVyxCardsButton *Button3 = nullptr, *Button4 = nullptr;
    QComboBox *ComboBoxWSize = nullptr, *ComboBoxLan = nullptr;
    // Cards, Decks
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr;
    std::array<TVyxCardsButton *, 3> CardDownloadButtons{}; // packs A, B, C
    ImageControl *Image1 = nullptr;
    std::array<QRadioButton *, 3> RadioGroup2{};
    // Game
    QGroupBox *GroupBox3 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    QGroupBox *RadioGroup3 = nullptr;
    std::array<QRadioButton *, 2> RadioGroup3Items{};
    // Fonts
    QComboBox *ComboBoxFont = nullptr;
    QFontComboBox *FontComboBox1 = nullptr;
    QSpinBox *SpinEdit1 = nullptr;
    TVyxCardsButton *Button2 = nullptr;
    QLabel *Label1 = nullptr;
    // BG
    QComboBox *ComboBoxBG1 = nullptr, *ComboBoxBG2 = nullptr;
    // Save games
    QCheckBox *CheckBoxSG1 = nullptr;
    QComboBox *ComboBoxSG1 = nullptr;
    QSpinBox *SpinEditSG1 = nullptr;
    // DLL
    std::array<TVyxCardsButton *, 4> DownloadButtons{};
    std::array<QRadioButton *, 2> RGRadio{};
    // Design
    QComboBox *ComboBoxD1 = nullptr, *ComboBoxD2 = nullptr, *ComboBoxD3 = nullptr;
    QCheckBox *CheckBoxD1 = nullptr, *CheckBoxD2 = nullptr;

    // Draws the four preview cards.
    void DrawPreview();
    // A download button is enabled (and undimmed) only while its pack is
    // nowhere to be found; the salute boxes need the decor pack.
    void RefreshPackButtons();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QWidget *GeneralPage();
    QWidget *CardsPage();
    QWidget *DecksPage();
    QWidget *GamePage();
    QWidget *FontsPage();
    QWidget *BackgroundPage();
    QWidget *SaveGamesPage();
    QWidget *DllPage();
    QWidget *DesignPage();
    void LoadControls();
    void ApplyLook();
    void UpdateBackModes();
    void UpdateGameOptions();
    void UpdateFontControls();
    void UpdateGifControls();
    void UpdateBackgroundControls();
    void DesignChanged();
    void ResetDesigns();
    // A download button for a pack file: balloon on hover, download on click.
    TVyxCardsButton *DownloadButton(const QString &caption, const QString &file, QWidget *page);
    bool Fire(const std::function<bool()> &hook) const { return hook ? hook() : true; }
    void Fire(const std::function<void()> &hook) const
    {
        if (hook)
            hook();
    }

    OptionsHooks m_hooks;
    bool m_loading = false;
    QList<int> m_windowSizes;
    QLabel *m_labelScale = nullptr;
};

} // namespace halvane
