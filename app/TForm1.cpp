#include "TForm1.h"

#include "MemberCaption.h"
#include "MenuRecords.h"
#include "TableBalloons.h"
#include "platform/ResourceRegistry.h"
#include "records/codec/Settings.h"
#include "platform/sound/MusicPlayer.h"
#include "table/LanguagePictures.h"
#include "records/ClubStartupCheck.h"
#include "table/Dictionary.h"
#include "table/FontSlots.h"
#include "table/GameTable.h"
#include "table/MenuSurroundings.h"
#include "table/OwnCursors.h"
#include "table/PackTableArt.h"
#include "table/TableGeometry.h"
#include "table/ImageControl.h"
#include "table/ScaleState.h"
#include "table/TVyxCardsButton.h"
#include "table/TouchEffect.h"
#include "platform/InputBlocker.h"
#include "table/WavePlayer.h"
#include "table/WindowSize.h"
#include "records/ApplyCursors.h"
#include "records/TFormOptions.h"
#include "table/phrases/MainWindowPhrases.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTime>

namespace halvane {

namespace {
constexpr const char *VersionText = "V 5.7f";
const QColor Silver(0xC0, 0xC0, 0xC0);

int StretchX(int x) { return int(std::lround(x * CurrentScale().scaleX)); }
int StretchY(int y) { return int(std::lround(y * CurrentScale().scaleY)); }
} // namespace

TForm1::TForm1(const QString &programFolder, QWidget *parent) : QWidget(parent)
{
    ProgramFolder = QDir(programFolder).absolutePath();
    if (!ProgramFolder.endsWith(QLatin1Char('/')))
        ProgramFolder += QLatin1Char('/');
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    TempFolder = QDir::tempPath();
    setWindowTitle(Phrase(ph::ProductName));
    move(0, 0);
    setFixedSize(760, 500);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Silver);
    setPalette(pal);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->resizePicture(QSize(760, 500), Silver);
    connect(Image1, &ImageControl::clicked, this, &TForm1::Image1Click);

    auto makeImage = [this](const char *name) {
        auto *image = new ImageControl(this);
        image->setObjectName(QString::fromLatin1(name));
        image->hide();
        return image;
    };
    ImCaption = makeImage("ImCaption");
    ImElite = makeImage("ImElite");
    ImTitle = makeImage("ImTitle");
    ImageKoloda = makeImage("ImageKoloda");
    ImageStol = makeImage("ImageStol");
    ImageKon = makeImage("ImageKon");
    ImageHelp = makeImage("ImageHelp");
    ImageSvLeft = makeImage("ImageSvLeft");
    ImageSvRight = makeImage("ImageSvRight");
    for (int k = 1; k <= 4; ++k) {
        ImageCards[k] = makeImage(qPrintable(QStringLiteral("ImageCards%1").arg(k)));
        ImageTab[k] = makeImage(qPrintable(QStringLiteral("ImageTab%1").arg(k)));
        ImageSay[k] = makeImage(qPrintable(QStringLiteral("ImageSay%1").arg(k)));
    }
    m_tableBalloons = new TableBalloons(*this);

    for (int k = 1; k <= 11; ++k) {
        auto *b = new TVyxCardsButton(this);
        b->setObjectName(QStringLiteral("Button%1").arg(k));
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
        Buttons[k] = b;
    }
    BMode = new TVyxCardsButton(this);
    BMode->setObjectName(QStringLiteral("BMode"));
    BMode->hide();
    BHistory = new TVyxCardsButton(this);
    BHistory->setObjectName(QStringLiteral("BHistory"));
    BHistory->hide();
    for (int k = 1; k <= 4; ++k) {
        auto *p = new QLabel(this);
        p->setObjectName(QStringLiteral("Panel%1").arg(k));
        p->setAlignment(Qt::AlignCenter);
        p->hide();
        Panels[k] = p;
    }
    Buttons[9]->setToolTip(QStringLiteral("20"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(15);
    Edit1->hide();
    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFocusPolicy(Qt::StrongFocus);
    BitBtn1->setText(QStringLiteral(">"));
    BitBtn1->hide();
    for (TVyxCardsButton *b : findChildren<TVyxCardsButton *>())
        TouchEffect::Attach(b);
    // Closing asks a question; during a wait that drops input it asks after the wait.
    InputBlocker::HoldClosesOf(this);

    connect(Buttons[1], &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Buttons[2], &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Buttons[3], &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Buttons[4], &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Buttons[5], &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Buttons[6], &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Buttons[9], &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Buttons[10], &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Buttons[11], &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(BMode, &QPushButton::clicked, this, &TForm1::BModeClick);
    connect(BHistory, &QPushButton::clicked, this, &TForm1::BHistoryClick);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto addItem = [this](const char *name, void (TForm1::*slot)()) {
        QAction *a = PopupMenu1->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        if (slot)
            connect(a, &QAction::triggered, this, slot);
        return a;
    };
    GenCount = addItem("GenCount", &TForm1::GenCountClick);
    Quit = addItem("Quit", &TForm1::QuitClick);
    ChangeName = addItem("ChangeName", &TForm1::ChangeNameClick);
    PopupMenu1->addSeparator();
    MSpeed = addItem("MSpeed", &TForm1::MSpeedClick);
    MConv = addItem("MConv", nullptr);
    MRadio = addItem("MRadio", nullptr);
    MChat = addItem("MChat", nullptr);
    PopupMenu1->addSeparator();
    Help = addItem("Help", &TForm1::HelpClick);
    Book = addItem("Book", nullptr);
    About = addItem("About", &TForm1::AboutClick);
    Quit->setEnabled(false);
    GenCount->setEnabled(false);
    ChangeName->setEnabled(false);
    MRadio->setEnabled(false);
    MChat->setEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(55);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    m_tableArt = std::make_unique<PackTableArt>();
    m_cursors = std::make_unique<OwnCursors>(this);
    m_cursors->Load();
    m_cursors->apply(this, CursorRole::Arrow);
    MenuDecor::Controls decor;
    decor.window = this;
    decor.background = Image1;
    decor.caption = ImCaption;
    decor.banner = ImElite;
    decor.title = ImTitle;
    for (int k = 1; k <= 4; ++k)
        decor.panels[size_t(k)] = Panels[size_t(k)];
    m_menuSurroundings = std::make_unique<MenuSurroundings>(decor, *m_tableArt, m_cursors.get());

    AccountMode = 1;
    TournamentGame = false;
    m_welcome = [this](int slot) { return MenuRecords::Welcome(*this, slot); };
    connect(this, &TForm1::gameAbandoned, this, [this](int slot) { MenuRecords::Abandon(*this, slot); });
    ApplyLanguage();
    DrawSplash();
    Timer1->start();
    Timer2->start();
}

void TForm1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_firstPaintDone) {
        m_firstPaintDone = true;
        // The one-time start-up work runs after the window is on the screen.
        QMetaObject::invokeMethod(this, &TForm1::FirstPaint, Qt::QueuedConnection);
    }
}

void TForm1::FirstPaint()
{
    if (!MenuRecords::StartUp(*this)) {
        emit startupFailed();
        return;
    }
    ApplyWindowSize();
    ApplyButtonStyle();
    ApplyCursors();
    ApplyLanguage();
    DrawSplash();
    PrepareMusic();
}

void TForm1::ApplyWindowSize()
{
    Settings &settings = CurrentSettings();
    const QScreen *display = screen();
    // A size the screen cannot hold (the settings came from a larger screen)
    // gives the small window, as the options dialog would offer.
    if (display && !TFormOptions::WindowSizeChoices(display->size()).contains(settings.WindowSize))
        settings.WindowSize = 1;
    // The frame's own size, known once the window manager has framed the window.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    QRect area;
    if (settings.WindowSize == 2 && display) {
        area = display->availableGeometry();
        area.setSize(area.size() - frame);
    }
    halvane::ApplyWindowSize(settings.MainMenuDesign == 1, area);
    const ScaleState &scale = CurrentScale();
    setFixedSize(scale.clientWidth, scale.clientHeight);
    if (scale.windowSize == 2 && !area.isEmpty())
        move(area.topLeft());
    Image1->setGeometry(rect());
    Image1->resizePicture(size(), Silver);
    LayOutChatControls();
    if (SplashShown)
        DrawSplash();
    else if (MenuShown)
        ShowMainMenu();
}

void TForm1::ApplyButtonStyle()
{
    const bool nuvo = CurrentSettings().NewButtons;
    for (TVyxCardsButton *b : findChildren<TVyxCardsButton *>()) {
        b->Nuvo = nuvo;
        b->update();
    }
    if (MenuShown)
        m_menuSurroundings->Show(NetGame);
}

void TForm1::ApplyCursors()
{
    m_cursors->refresh();
    halvane::ApplyCursors(*m_cursors, this);
}

void TForm1::RefreshMenuLook()
{
    if (MenuShown)
        ShowMainMenu();
    else if (SplashShown)
        DrawSplash();
}

void TForm1::ApplyLanguage(bool optionsDialogToo)
{
    setWindowTitle(Phrase(ph::ProductName));
    Buttons[6]->setText(Phrase(ph::NewPlayer));
    Buttons[9]->setText(Phrase(ph::TopTen));
    Buttons[10]->setText(Phrase(ph::Options));
    Buttons[11]->setText(Phrase(ph::Exit));
    BMode->setText(Phrase(ph::Mode));
    BHistory->setText(Phrase(ph::History));
    Panels[4]->setText(Phrase(MenuDisplayMode == 1 ? ph::ClubHeaderScore : ph::ClubHeaderRating));
    GenCount->setText(Phrase(ph::GeneralScore));
    Quit->setText(Phrase(ph::ExitToMenu));
    ChangeName->setText(Phrase(ph::ChangeName));
    MSpeed->setText(Phrase(ph::Speed));
    MConv->setText(Phrase(ph::Convention));
    Help->setText(Phrase(ph::Help));
    Book->setText(Phrase(ph::Comment));
    About->setText(Phrase(ph::About));
    MRadio->setText(Phrase(ph::Radio));
    MChat->setText(Phrase(ph::Chat));
    if (MenuShown)
        BuildMemberButtons();
    ApplyLanguagePictures();
    if (optionsDialogToo && m_optionsCaptioner)
        m_optionsCaptioner();
}

// The menu's caption and play-mode banner carry lettering in the language
// (Japanese and Korean use the English ones); the splash shows neither.
void TForm1::ApplyLanguagePictures()
{
    if (MenuShown)
        m_menuSurroundings->Show(NetGame);
}

// The menu tune is loaded once, at the first paint, and plays when music is on.
void TForm1::PrepareMusic()
{
    if (!m_music)
        return;
    if (!m_music->IsLoaded())
        m_music->Load(ResourceRegistry::instance().data(ResourceType::Midi, QStringLiteral("MenuTune")));
    if (CurrentSettings().MusicOn)
        m_music->Play();
}

void TForm1::MusicSettingChanged()
{
    if (!m_music)
        return;
    if (!CurrentSettings().MusicOn)
        m_music->Stop();
    else if (SplashShown || MenuShown)
        m_music->Play();
}

QFont TForm1::menuFont() const
{
    const ScaleState &s = CurrentScale();
    const double k = s.windowSize == 1 ? 1.0 : 0.9;
    QFont font(QString::fromStdString(CurrentFontSlots()[0].name));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(std::lround(FontHeight(20, "decor") * s.scaleFactor * k))));
    return font;
}

void TForm1::DrawSplash()
{
    QImage &pic = Image1->picture();
    QPainter p(&pic);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, pic.width(), pic.height());
    QRadialGradient felt(r.center(), r.width() * 0.7);
    felt.setColorAt(0, QColor(28, 120, 64));
    felt.setColorAt(1, QColor(8, 52, 28));
    p.fillRect(r, felt);

    // A fan of four cards, one per suit, drawn as white cards with their symbols.
    const QString suits = QStringLiteral("\u2663\u2666\u2660\u2665");
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(r.center().x(), r.height() * 0.78);
        p.rotate(-27 + i * 18);
        QRectF card(-36, -170, 72, 100);
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(252, 250, 240));
        p.drawRoundedRect(card, 7, 7);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(44);
        p.setFont(f);
        p.setPen(i % 2 ? QColor(190, 20, 30) : QColor(20, 20, 20));
        p.drawText(card, Qt::AlignCenter, suits.mid(i, 1));
        // The corner index stays in sight where the next card covers the middle.
        f.setPixelSize(18);
        p.setFont(f);
        p.drawText(card.adjusted(5, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, suits.mid(i, 1));
        p.restore();
    }

    QFont title(QString::fromStdString(CurrentFontSlots()[0].name));
    title.setBold(true);
    title.setPixelSize(int(r.height() * 0.16));
    p.setFont(title);
    const QRectF titleRect(0, r.height() * 0.08, r.width(), r.height() * 0.22);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(titleRect.translated(3, 3), Qt::AlignCenter, Phrase(ph::ProductName));
    p.setPen(QColor(250, 215, 90));
    p.drawText(titleRect, Qt::AlignCenter, Phrase(ph::ProductName));

    QFont small(QString::fromStdString(CurrentFontSlots()[1].name));
    small.setPixelSize(int(r.height() * 0.036));
    p.setFont(small);
    p.setPen(QColor(235, 235, 220));
    p.drawText(QRectF(0, r.height() * 0.9, r.width() - 12, r.height() * 0.08), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromLatin1(VersionText));
    Image1->update();
}

void TForm1::DrawMenu()
{
    QImage &pic = Image1->picture();
    QPainter p(&pic);
    const QRectF r(0, 0, pic.width(), pic.height());
    QImage menuPicture;
    menuPicture.loadFromData(ResourceRegistry::instance().data(ResourceType::RcData, QStringLiteral("PngMenu1")));
    if (!menuPicture.isNull()) {
        p.drawImage(r, menuPicture);
    } else {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(24, 96, 56));
        g.setColorAt(1, QColor(10, 48, 30));
        p.fillRect(r, g);
        p.setPen(QPen(QColor(210, 180, 90, 160), 3));
        p.drawRoundedRect(r.adjusted(8, 8, -8, -8), 14, 14);
    }
    Image1->update();
}

void TForm1::LayoutMainMenu()
{
    const ScaleState &s = CurrentScale();
    const int row = Scaled(30);
    auto place = [&](QWidget *w, int x, int yPixels, int width, int height) {
        w->setGeometry(StretchX(x), yPixels, int(std::lround(width * s.scaleX)), height);
    };
    for (int k = 1; k <= 5; ++k)
        place(Buttons[k], 180, StretchY(265) + (k - 1) * row, 400, row);
    place(Buttons[6], 280, StretchY(265) + 5 * row + Scaled(10), 200, row);
    for (int k = 1; k <= 3; ++k)
        place(Panels[k], 230, StretchY(90) + (k - 1) * row, 300, row);
    place(Panels[4], 180, StretchY(265) - row - Scaled(10), 400, row);
    place(Buttons[9], 40, StretchY(225), 100, row);
    place(Buttons[10], 620, StretchY(225), 100, row);
    place(BHistory, 40, StretchY(255), 100, row);
    place(BMode, 620, StretchY(255), 100, row);
    place(Buttons[11], 330, StretchY(465), 100, row);

    const QFont font = menuFont();
    for (int k : {1, 2, 3, 4, 5, 6, 9, 10, 11})
        Buttons[k]->setFont(font);
    BMode->setFont(font);
    BHistory->setFont(font);
    // The score panels use a fixed-pitch face: the "fixed" slot in the small
    // window, the "conew" slot scaled in the larger ones.
    const bool small = s.windowSize == 1;
    QFont fixed(QString::fromStdString(CurrentFontSlots()[small ? 2 : 3].name));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(std::max(8, small ? FontHeight(11, "fixed")
                                         : FontHeight(int(std::lround(16 * s.scaleFactor)), "conew")));
    fixed.setBold(!small);
    for (int k = 1; k <= 4; ++k) {
        Panels[k]->setFont(fixed);
        Panels[k]->setStyleSheet(QStringLiteral("QLabel { color: rgb(255,200,255); background: rgba(0,0,0,90); }"));
    }
}

void TForm1::LayOutChatControls()
{
    const TableLayout layout = ComputeTableLayout();
    Edit1->setGeometry(layout.chatLine);
    QFont font = Edit1->font();
    font.setPixelSize(std::max(6, Scaled(14)));
    Edit1->setFont(font);
    BitBtn1->setGeometry(layout.sendButton);
}

void TForm1::ShowChatControls(bool on)
{
    LayOutChatControls();
    Edit1->setVisible(on);
    BitBtn1->setVisible(on);
    if (on) {
        Edit1->raise();
        BitBtn1->raise();
    }
}

TableControls TForm1::tableControls()
{
    TableControls c;
    c.window = this;
    c.background = Image1;
    for (int k = 1; k <= 4; ++k) {
        c.hands[size_t(k)] = ImageCards[size_t(k)];
        c.tablets[size_t(k)] = ImageTab[size_t(k)];
        c.plates[size_t(k)] = ImageSay[size_t(k)];
    }
    c.trick = ImageStol;
    c.contract = ImageKon;
    c.koloda = ImageKoloda;
    c.help = ImageHelp;
    c.button7 = Buttons[7];
    c.button8 = Buttons[8];
    return c;
}

void TForm1::setMemberLines(const std::array<MemberLine, 5> &lines)
{
    m_memberLines = lines;
    if (MenuShown)
        BuildMemberButtons();
}

void TForm1::setTopThree(const std::array<std::pair<QString, int>, 3> &lines)
{
    const QFontMetrics fm(Panels[1]->font());
    const TextWidth width = [&fm](const QString &t) { return fm.horizontalAdvance(t); };
    for (int k = 1; k <= 3; ++k) {
        const auto &[name, score] = lines[k - 1];
        if (name.isEmpty()) { // a place nobody has reached yet
            Panels[k]->clear();
            continue;
        }
        Panels[k]->setText(ShortenCaption(name, QStringLiteral("%1").arg(score, 7), TopTenCaptionLimit, width));
    }
}

void TForm1::BuildMemberButtons()
{
    const QFontMetrics fm(menuFont());
    const TextWidth width = [&fm](const QString &t) { return fm.horizontalAdvance(t); };
    for (int k = 1; k <= 5; ++k) {
        const MemberLine &line = m_memberLines[k - 1];
        Buttons[k]->setText(line.empty ? QString()
                                       : ShortenCaption(line.name, MemberCaptionTail(line, MenuDisplayMode),
                                                        MemberCaptionLimit, width));
    }
    Panels[4]->setText(Phrase(MenuDisplayMode == 1 ? ph::ClubHeaderScore : ph::ClubHeaderRating));
}

void TForm1::ShowMainMenu()
{
    ShowChatControls(false);
    LayoutMainMenu();
    MenuRecords::RefreshMenu(*this);
    BuildMemberButtons();
    if (Image1->size() != size()) {
        Image1->setGeometry(rect());
        Image1->resizePicture(size());
    }
    DrawMenu();
    for (int k : {1, 2, 3, 4, 5, 6, 9, 10, 11})
        Buttons[k]->show();
    BMode->show();
    BHistory->show();
    for (int k = 1; k <= 4; ++k)
        Panels[k]->show();
    Quit->setEnabled(false);
    GenCount->setEnabled(false);
    ChangeName->setEnabled(false);
    GameRunning = false;
    MenuShown = true;
    HelpContext = 1;
    m_menuSurroundings->Show(NetGame);
    // A fixed-size window stands in the middle of the screen while the menu shows.
    if (CurrentScale().windowSize != 2 && isVisible())
        if (const QScreen *s = screen())
            move(CentredWindowPos(s->size(), frameGeometry().size()));
}

void TForm1::Image1Click()
{
    if (SplashShown)
        LeaveSplash();
}

void TForm1::keyReleaseEvent(QKeyEvent *event)
{
    if (SplashShown)
        LeaveSplash();
    QWidget::keyReleaseEvent(event);
}

void TForm1::LeaveSplash()
{
    if (!SplashShown)
        return;
    Timer1->stop();
    SplashShown = false;
    MRadio->setEnabled(true);
    MChat->setEnabled(true);
    ShowMainMenu();
    Timer1->start(20);
}

void TForm1::ChooseMember(int slot)
{
    if (!MenuShown || slot < 1 || slot > 5 || m_memberLines[slot - 1].empty)
        return;
    PlayerSlot = slot;
    if (m_welcome && !m_welcome(slot))
        return;
    StartGameFor(slot);
}

void TForm1::Button6Click()
{
    if (!MenuShown)
        return;
    PlayWave("WOpenFo");
    PlayerSlot = 6;
    if (m_welcome && !m_welcome(6))
        return;
    StartGameFor(6);
}

void TForm1::StartGameFor(int slot)
{
    // The table and the game flow take over from here; the menu hides.
    for (int k : {1, 2, 3, 4, 5, 6, 9, 10, 11})
        Buttons[k]->hide();
    BMode->hide();
    BHistory->hide();
    for (int k = 1; k <= 4; ++k)
        Panels[k]->hide();
    MenuShown = false;
    GameRunning = true;
    // The tune belongs to the splash and the menu; Timer2 restarts it there.
    if (m_music)
        m_music->Stop();
    Quit->setEnabled(true);
    GenCount->setEnabled(true);
    ChangeName->setEnabled(true);
    HelpContext = 2;
    m_menuSurroundings->Hide();
    emit gameRequested(slot);
}

void TForm1::Button9Click() { PlayWave("WOpenFo"); MenuRecords::ShowTopTen(*this); }
void TForm1::Button10Click() { PlayWave("WOpenFo"); MenuRecords::ShowOptions(*this); }
void TForm1::BHistoryClick() { PlayWave("WOpenFo"); MenuRecords::ShowHistory(*this); }
void TForm1::GenCountClick() { PlayWave("WOpenFo"); MenuRecords::ShowCount(*this); }
void TForm1::ChangeNameClick() { PlayWave("WOpenFo"); MenuRecords::ChangeName(*this); }
void TForm1::MSpeedClick() { MenuRecords::ShowSpeed(*this); }

void TForm1::AboutClick()
{
    PlayWave("WOpenFo");
}

void TForm1::HelpClick()
{
    PlayWave("WOpenFo");
    if (LanguageIndex() == 0 && m_confirm == nullptr)
        QMessageBox::information(this, Phrase(ph::Help), DisplayLines(Phrase(ph::HelpNotTranslated)));
}

void TForm1::BModeClick()
{
    MenuDisplayMode = MenuDisplayMode == 1 ? 2 : 1;
    CurrentSettings().MenuDisplayMode = MenuDisplayMode;
    MenuRecords::RefreshMenu(*this);
    BuildMemberButtons();
}

void TForm1::Button11Click()
{
    close();
}

void TForm1::QuitClick()
{
    PlayWave("WOpenFo");
    if (SplashShown || MenuShown)
        return;
    if (!ask(Phrase(ph::WantLeaveToMenu) + QStringLiteral("\n\r") + Phrase(ph::DataWillBeLost)))
        return;
    const int slot = PlayerSlot;
    ShowMainMenu();
    Timer1->start(20);
    emit gameAbandoned(slot);
}

bool TForm1::FormCloseQuery()
{
    if (SplashShown || MenuShown)
        return true;
    PlayWave("WOpenFo");
    return ask(Phrase(ph::WantLeaveGame) + QLatin1Char(' ') + Phrase(ph::DataWillBeLost));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    Timer1->stop();
    Timer2->stop();
    if (m_music)
        m_music->Stop();
    if (GameRunning)
        emit gameAbandoned(PlayerSlot);
    MenuRecords::Close(*this);
    event->accept();
}

void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->popup(event->globalPos());
}

void TForm1::Timer1Timer()
{
    if (SplashShown) {
        ++m_splashTick;
        return;
    }
    if (MenuShown)
        m_menuSurroundings->Tick(QTime::currentTime());
}

// Keeps the menu tune going: restarted from its start whenever it has ended.
void TForm1::Timer2Timer()
{
    if (!m_music || !m_music->IsLoaded() || !CurrentSettings().MusicOn)
        return;
    if ((SplashShown || MenuShown) && !m_music->IsPlaying())
        m_music->Play();
}

void TForm1::PlayWave(const char *name)
{
    if (m_wavePlayer)
        m_wavePlayer->PlayWave(name, false, CurrentSettings().SoundOn);
}

bool TForm1::ask(const QString &question)
{
    if (m_confirm)
        return m_confirm(question);
    return QMessageBox::question(this, Phrase(ph::ProductName), DisplayLines(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace halvane
