#pragma once
// The main window: splash, main menu and card table in one client area of
// 760 x 500 design pixels. It owns the game's heartbeat Timer1.

#include "MemberLine.h"
#include "records/codec/GameCounters.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace halvane {

class ImageControl;
class TVyxCardsButton;
struct TableControls;
class PackTableArt;
class OwnCursors;
class MenuSurroundings;
class TableBalloons;
class WavePlayer;
namespace sound {
class MusicPlayer;
}

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // `programFolder` holds the settings, club and history files.
    explicit TForm1(const QString &programFolder, QWidget *parent = nullptr);
    ~TForm1() override;

    // Window-wide state.
    QString ProgramFolder;  // always ends in "/"
    QString ClubFileName = QStringLiteral("Halvane.clb");
    QString NetClubFileName = QStringLiteral("Halvane.net");
    QString SettingsFileName = QStringLiteral("Halvane.ini");
    QString TempFolder;
    int GameCode = 57;
    int HandSlotsUsed = 10;
    int RankCount = 8;
    int PlayerCount = 3;
    bool SplashShown = true;
    bool MenuShown = false;
    bool GameRunning = false;
    int AccountMode = 1;
    bool TournamentGame = false;
    bool NetGame = false;
    int PlayerSlot = 0;
    int MenuDisplayMode = 1;
    int HelpContext = 1;
    // The club counters of the game on the table.
    GameCounters Counters;

    // Controls, named as the rest of the game refers to them.
    ImageControl *Image1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    std::array<TVyxCardsButton *, 12> Buttons{}; // Button1..Button11 at index 1..11
    TVyxCardsButton *BMode = nullptr;
    TVyxCardsButton *BHistory = nullptr;
    std::array<QLabel *, 5> Panels{};            // Panel1..Panel4 at index 1..4
    ImageControl *ImCaption = nullptr;
    ImageControl *ImElite = nullptr;
    ImageControl *ImTitle = nullptr;
    std::array<ImageControl *, 5> ImageCards{};  // ImageCards1..4
    std::array<ImageControl *, 5> ImageTab{};    // ImageTab1..4
    std::array<ImageControl *, 5> ImageSay{};    // ImageSay1..4
    ImageControl *ImageKoloda = nullptr;
    ImageControl *ImageStol = nullptr;
    ImageControl *ImageKon = nullptr;
    ImageControl *ImageHelp = nullptr;
    ImageControl *ImageSvLeft = nullptr;
    ImageControl *ImageSvRight = nullptr;
    // The chat line and its send button under the message board (network play).
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *GenCount = nullptr;
    QAction *Quit = nullptr;
    QAction *ChangeName = nullptr;
    QAction *MSpeed = nullptr;
    QAction *MConv = nullptr;
    QAction *Help = nullptr;
    QAction *Book = nullptr;
    QAction *About = nullptr;
    QAction *MRadio = nullptr;
    QAction *MChat = nullptr;

    TVyxCardsButton *button(int k) const { return Buttons.at(k); }
    // The controls the card table draws on (table/GameTable).
    TableControls tableControls();
    // The table's pictures and the program's cursors, owned by the window.
    PackTableArt &tableArt() { return *m_tableArt; }
    OwnCursors &cursors() { return *m_cursors; }
    MenuSurroundings &menuSurroundings() { return *m_menuSurroundings; }
    // The balloon hints of the table's panels.
    TableBalloons &tableBalloons() { return *m_tableBalloons; }
    QLabel *panel(int k) const { return Panels.at(k); }

    // The five player lines of the club file in use, as the menu shows them.
    void setMemberLines(const std::array<MemberLine, 5> &lines);
    const std::array<MemberLine, 5> &memberLines() const { return m_memberLines; }
    // Top-ten lines 1..3 shown in Panel1..Panel3 (name, score).
    void setTopThree(const std::array<std::pair<QString, int>, 3> &lines);

    // Asks a yes/no question; replaceable so tests can answer it.
    using Confirm = std::function<bool(const QString &question)>;
    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }
    void setWavePlayer(WavePlayer *player) { m_wavePlayer = player; }
    // The background tune's player; without one the window plays no music.
    void setMusicPlayer(sound::MusicPlayer *player) { m_music = player; }
    sound::MusicPlayer *musicPlayer() const { return m_music; }
    // Captions the options dialog while it is open (it sets this when shown).
    void setOptionsCaptioner(std::function<void()> captioner) { m_optionsCaptioner = std::move(captioner); }
    // The welcome dialog before a game of slot 1..6; replaceable so tests can answer it.
    using Welcome = std::function<bool(int slot)>;
    void setWelcome(Welcome welcome) { m_welcome = std::move(welcome); }

    // Applies the dictionary captions of the main window and its pop-up menu,
    // and of the options dialog too when asked (after a language change there).
    void ApplyLanguage(bool optionsDialogToo = false);
    // The music setting changed (options dialog, radio): starts or stops the tune.
    void MusicSettingChanged();
    void BuildMemberButtons();
    void DrawMenu();
    // The main menu comes back (end of a game): controls, popup items, flags.
    void ShowMainMenu();
    // Applies the WindowSize setting to the window: scale, pictures, client
    // size and position, then the splash or the menu again at the new size.
    void ApplyWindowSize();
    // The NewButtons look (`Nuvo`) on every button of the window, and the
    // menu panels that follow it.
    void ApplyButtonStyle();
    // Shows or hides the chat line and its send button (network play only),
    // placed under the message board for the current window size.
    void ShowChatControls(bool on);
    // The own or the system cursors on every control of the window.
    void ApplyCursors();
    // The menu again in the current fonts, pictures and design.
    void RefreshMenuLook();
    // A signal sound of the window, when sound is on (no wait).
    void PlayWave(const char *name);

public slots:
    void Image1Click();
    void LeaveSplash();
    void Button1Click() { ChooseMember(1); }
    void Button2Click() { ChooseMember(2); }
    void Button3Click() { ChooseMember(3); }
    void Button4Click() { ChooseMember(4); }
    void Button5Click() { ChooseMember(5); }
    void Button6Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void BModeClick();
    void BHistoryClick();
    void GenCountClick();
    void QuitClick();
    void ChangeNameClick();
    void MSpeedClick();
    void HelpClick();
    void AboutClick();
    void Timer1Timer();
    void Timer2Timer();

signals:
    // A game is to start for PlayerSlot (1..5 a member, 6 a new player).
    void gameRequested(int playerSlot);
    // The running game was left through "Exit to menu" or by closing.
    void gameAbandoned(int playerSlot);
    // The start-up check of the club files failed; the program must end.
    void startupFailed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void FormCreate();
    void FirstPaint();
    bool FormCloseQuery();
    void ChooseMember(int slot);
    void StartGameFor(int slot);
    void LayoutMainMenu();
    void LayOutChatControls();
    void DrawSplash();
    void PrepareMusic();
    void ApplyLanguagePictures();
    bool ask(const QString &question);
    QFont menuFont() const;

    std::unique_ptr<PackTableArt> m_tableArt;
    std::unique_ptr<OwnCursors> m_cursors;
    std::unique_ptr<MenuSurroundings> m_menuSurroundings;
    TableBalloons *m_tableBalloons = nullptr; // a child of the window
    std::array<MemberLine, 5> m_memberLines{};
    Confirm m_confirm;
    Welcome m_welcome;
    WavePlayer *m_wavePlayer = nullptr;
    sound::MusicPlayer *m_music = nullptr;
    std::function<void()> m_optionsCaptioner;
    bool m_firstPaintDone = false;
    int m_splashTick = 0;
};

} // namespace halvane
