#include "TFormOptions.h"

#include "platform/ResourcePack.h"
#include "records/codec/Settings.h"
#include "table/Balloons.h"
#include "table/PackDownload.h"
#include "table/AnimatedPicture.h"
#include "table/DialogLook.h"
#include "table/Dictionary.h"
#include "table/FontSlots.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/TableArt.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/GameTablePhrases.h"
#include "table/phrases/MainWindowPhrases.h"
#include "table/phrases/OptionsPhrases.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace halvane {

int TFormOptions::LastPage = 0;

namespace {
constexpr int Width = 500;

const PhraseForms *const CardSetNames[48] = {
    &ph::Classical1, &ph::Medieval1, &ph::Modern, &ph::AncientEgypt, &ph::Baronesse, &ph::Celtic,
    &ph::Corona, &ph::Crown, &ph::EnglishPattern, &ph::Frankfurt, &ph::HistoricalCostumes,
    &ph::NativeAmericans, &ph::OldGardenRoses, &ph::Parrots, &ph::Royal, &ph::Shakespeare, &ph::BigBen,
    &ph::FourReigns, &ph::LargePrintLondon, &ph::Classical2, &ph::DeckHearts, &ph::Seasons, &ph::RhineStyle,
    &ph::Medieval2, &ph::Doods, &ph::Playboy, &ph::Epic, &ph::Ussr, &ph::Plastic, &ph::SkatGerman,
    &ph::SkatTournament, &ph::SkatFrench, &ph::WhitePalekh, &ph::Diana, &ph::Princely, &ph::ForSolitaires,
    &ph::Satin, &ph::Slavic, &ph::Maya, &ph::Bast, &ph::French, &ph::Spanish1, &ph::Spanish2, &ph::Spanish3,
    &ph::Spanish4, &ph::Chinese, &ph::Italian, &ph::Czech};
const PhraseForms *const BackSetNames[13] = {&ph::Classical1, &ph::Medieval1, &ph::Medieval2, &ph::Carpet,
                                             &ph::Cross,      &ph::Chess,     &ph::Diamond,   &ph::Knightly,
                                             &ph::Animals,    &ph::Flowers,   &ph::Places,    &ph::Other,
                                             &ph::Russian};
const PhraseForms *const BackgroundNames[10] = {&ph::Sun,  &ph::Felt,   &ph::Gradient, &ph::Cloth, &ph::Carpet,
                                                &ph::Tree, &ph::Casino, &ph::Pattern,  &ph::Silk,  &ph::Ornament};
const PhraseForms *const ColourNames[7] = {&ph::Green,     &ph::Red,      &ph::Orang, &ph::Yellow,
                                           &ph::LightBlue, &ph::DarkBlue, &ph::Violet};
// Each language by its own name.
const char *const LanguageNames[10] = {"English",  "Русский", "Deutsch", "Français", "Español",
                                       "中文",     "Italiano", "Čeština", "日本語",   "한국어"};

QWidget *Page(QWidget *parent) { return new QWidget(parent); }

QVBoxLayout *Column(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    return layout;
}

// The icon of a card set in the list: a little card with the set's number.
QIcon SetIcon(int index)
{
    QPixmap pixmap(16, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(255, 255, 250));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 19), 2, 2);
    p.setPen(index % 2 ? QColor(200, 0, 0) : QColor(0, 0, 0));
    QFont f;
    f.setPixelSize(9);
    p.setFont(f);
    p.drawText(QRect(0, 0, 16, 20), Qt::AlignCenter, QString::number(index));
    return QIcon(pixmap);
}
} // namespace

QList<int> TFormOptions::WindowSizeChoices(QSize screen)
{
    // "Small window", "Full screen", "Average window 1", "Average window 2", "Large window".
    QList<int> sizes{1, 2, 3, 4, 5};
    auto smaller = [&screen](int w, int h) { return screen.width() < w || screen.height() < h; };
    if (smaller(1520, 1020))
        sizes.removeAll(5);
    if (smaller(1290, 870))
        sizes.removeAll(4);
    if (smaller(990, 670))
        sizes.removeAll(3);
    return sizes;
}

std::array<bool, 3> TFormOptions::BackModesFor(int backSet)
{
    if (backSet >= 8 && backSet <= 11)
        return {false, false, true};
    return {true, true, false};
}

TFormOptions::TFormOptions(OptionsHooks hooks, QWidget *parent) : QDialog(parent), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("TFormOptions"));
    setWindowTitle(Phrase(ph::Options));
    Image0 = new ImageControl(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(GeneralPage(), Phrase(ph::General));
    PageControl1->addTab(CardsPage(), Phrase(ph::Cards));
    PageControl1->addTab(DecksPage(), Phrase(ph::Decks));
    PageControl1->addTab(GamePage(), Phrase(ph::Game));
    PageControl1->addTab(FontsPage(), Phrase(ph::Fonts));
    PageControl1->addTab(BackgroundPage(), Phrase(ph::Bg));
    PageControl1->addTab(SaveGamesPage(), Phrase(ph::SaveGames));
    PageControl1->addTab(DllPage(), QStringLiteral("DLL"));
    PageControl1->addTab(DesignPage(), Phrase(ph::Design));
    ImFlag = new ImageControl(this);
    ImFlag->setObjectName(QStringLiteral("ImFlag"));
    RxGIFAn1 = new AnimatedPicture(this);
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    LoadControls();
}

QWidget *TFormOptions::GeneralPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    Settings &s = CurrentSettings();
    auto box = [&](QCheckBox *&target, const QString &caption, const char *name) {
        target = new QCheckBox(caption, page);
        target->setObjectName(QString::fromLatin1(name));
        col->addWidget(target);
    };
    box(CheckBox1, Phrase(ph::Sound), "CheckBox1");
    box(CheckBox2, Phrase(ph::Music), "CheckBox2");
    box(CheckBox3, Phrase(ph::GifAnimation), "CheckBox3");
    box(CheckBox4, Phrase(ph::FlyCards), "CheckBox4");
    box(CheckBoxCur, Phrase(ph::RedMouseCursor), "CheckBoxCur");
    box(CheckBoxBut, Phrase(ph::NewButtons), "CheckBoxBut");
    box(CheckBoxNet, Phrase(ph::Multiplayer), "CheckBoxNet");
    auto *buttons = new QHBoxLayout;
    Button3 = new TVyxCardsButton(page);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new TVyxCardsButton(Phrase(ph::Passport), page);
    Button4->setObjectName(QStringLiteral("Button4"));
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    col->addLayout(buttons);
    auto *combos = new QHBoxLayout;
    ComboBoxWSize = new QComboBox(page);
    ComboBoxWSize->setObjectName(QStringLiteral("ComboBoxWSize"));
    ComboBoxLan = new QComboBox(page);
    ComboBoxLan->setObjectName(QStringLiteral("ComboBoxLan"));
    combos->addWidget(ComboBoxWSize);
    combos->addWidget(ComboBoxLan);
    col->addLayout(combos);
    col->addStretch();

    connect(CheckBox1, &QCheckBox::toggled, this, [this, &s](bool on) { if (!m_loading) s.SoundOn = on; });
    connect(CheckBox2, &QCheckBox::toggled, this, [this, &s](bool on) {
        if (m_loading)
            return;
        s.MusicOn = on;
        if (m_hooks.musicChanged)
            m_hooks.musicChanged(on);
    });
    connect(CheckBox3, &QCheckBox::toggled, this, [this, &s](bool on) {
        if (m_loading)
            return;
        // Only while the main menu shows; otherwise the click changes nothing.
        if (m_hooks.menuShown && !m_hooks.menuShown()) {
            m_loading = true;
            CheckBox3->setChecked(s.GifAnimation);
            m_loading = false;
            return;
        }
        s.GifAnimation = on;
        UpdateGifControls();
    });
    connect(CheckBox4, &QCheckBox::toggled, this, [this, &s](bool on) { if (!m_loading) s.FlyCards = on; });
    connect(CheckBoxCur, &QCheckBox::toggled, this, [this, &s](bool on) {
        if (m_loading)
            return;
        s.OwnCursor = on;
        Fire(m_hooks.cursorsChanged);
    });
    connect(CheckBoxBut, &QCheckBox::toggled, this, [this, &s](bool on) {
        if (m_loading)
            return;
        s.NewButtons = on;
        Fire(m_hooks.buttonsChanged);
    });
    connect(CheckBoxNet, &QCheckBox::toggled, this, [this, &s](bool on) {
        if (m_loading)
            return;
        s.NetGame = on;
        Fire(m_hooks.netGameChanged);
    });
    connect(Button3, &QPushButton::clicked, this, [this] {
        Fire(m_hooks.speed);
        Button3->setText(Phrase(ph::Speed) + QLatin1Char('=') + QString::number(CurrentSettings().GameSpeed));
    });
    connect(Button4, &QPushButton::clicked, this, [this] { Fire(m_hooks.passport); });
    connect(ComboBoxWSize, &QComboBox::currentIndexChanged, this, [this, &s](int item) {
        if (m_loading || item < 0 || item >= m_windowSizes.size())
            return;
        s.WindowSize = m_windowSizes[item];
        UpdateGifControls();
        Fire(m_hooks.windowSizeChanged);
    });
    connect(ComboBoxLan, &QComboBox::currentIndexChanged, this, [this, &s](int item) {
        if (m_loading || item < 0)
            return;
        s.LanguageIndex = item;
        SetLanguageIndex(item);
        Fire(m_hooks.languageChanged);
    });
    return page;
}

QWidget *TFormOptions::CardsPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (int k = 0; k < 48; ++k)
        ComboBox1->addItem(SetIcon(k), Phrase(*CardSetNames[k]));
    col->addWidget(ComboBox1);
    Image1 = new ImageControl(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setMinimumSize(260, 100);
    col->addWidget(Image1);
    auto *downloads = new QHBoxLayout;
    const char *packs[3] = {"A", "B", "C"};
    for (std::size_t k = 0; k < 3; ++k) {
        const QString pack = QLatin1String(packs[k]);
        CardDownloadButtons[k] = DownloadButton(Phrase(ph::Download) + QLatin1Char(' ') + pack,
                                                QStringLiteral("VyxCards06%1.dll").arg(pack), page);
        downloads->addWidget(CardDownloadButtons[k]);
    }
    col->addLayout(downloads);
    col->addStretch();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (m_loading || item < 0)
            return;
        Settings &s = CurrentSettings();
        s.CardSet = item;
        if (!Fire(m_hooks.cardSetChanged)) {
            s.CardSet = 0;
            m_loading = true;
            ComboBox1->setCurrentIndex(0);
            m_loading = false;
        }
        DrawPreview();
    });
    return page;
}

QWidget *TFormOptions::DecksPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    ComboBox2 = new QComboBox(page);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (const PhraseForms *name : BackSetNames)
        ComboBox2->addItem(Phrase(*name));
    col->addWidget(ComboBox2);
    auto *group = new QGroupBox(Phrase(ph::Modification), page);
    group->setObjectName(QStringLiteral("RadioGroup2"));
    auto *inner = new QVBoxLayout(group);
    const QString items[3] = {Phrase(ph::ToChangeDecks), Phrase(ph::AlwaysOne), Phrase(ph::Random)};
    for (int k = 0; k < 3; ++k) {
        RadioGroup2[std::size_t(k)] = new QRadioButton(items[k], group);
        inner->addWidget(RadioGroup2[std::size_t(k)]);
        connect(RadioGroup2[std::size_t(k)], &QRadioButton::toggled, this, [this, k](bool on) {
            if (m_loading || !on)
                return;
            // "Random" is no choice of its own: the ten-back sets pick at random anyway.
            CurrentSettings().OneBackAlways = k == 1;
        });
    }
    col->addWidget(group);
    col->addStretch();
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (m_loading || item < 0)
            return;
        Settings &s = CurrentSettings();
        s.BackSet = item;
        if (!Fire(m_hooks.backSetChanged)) {
            s.BackSet = 0;
            m_loading = true;
            ComboBox2->setCurrentIndex(0);
            m_loading = false;
        }
        UpdateBackModes();
    });
    return page;
}

QWidget *TFormOptions::GamePage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    GroupBox3 = new QGroupBox(Phrase(ph::Main), page);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto *inner = new QVBoxLayout(GroupBox3);
    CheckBox8 = new QCheckBox(Phrase(ph::OrderedKing), GroupBox3);
    CheckBox8->setObjectName(QStringLiteral("CheckBox8"));
    inner->addWidget(CheckBox8);
    col->addWidget(GroupBox3);
    RadioGroup3 = new QGroupBox(page);
    RadioGroup3->setObjectName(QStringLiteral("RadioGroup3"));
    auto *items = new QVBoxLayout(RadioGroup3);
    for (std::size_t k = 0; k < 2; ++k) {
        RadioGroup3Items[k] = new QRadioButton(RadioGroup3);
        items->addWidget(RadioGroup3Items[k]);
    }
    col->addWidget(RadioGroup3);
    col->addStretch();
    connect(CheckBox8, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        CurrentSettings().OrderedKing = on;
        UpdateGameOptions();
    });
    connect(RadioGroup3Items[0], &QRadioButton::toggled, this, [this](bool first) {
        if (m_loading)
            return;
        Settings &s = CurrentSettings();
        if (s.OrderedKing)
            s.LongGame = first;
        else
            s.PlayEralash = first;
    });
    return page;
}

QWidget *TFormOptions::FontsPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    ComboBoxFont = new QComboBox(page);
    ComboBoxFont->setObjectName(QStringLiteral("ComboBoxFont"));
    ComboBoxFont->addItems({Phrase(ph::LargeFont), Phrase(ph::SmallFont), Phrase(ph::SpecialFont) + QStringLiteral(" 1"),
                            Phrase(ph::SpecialFont) + QStringLiteral(" 2")});
    col->addWidget(ComboBoxFont);
    FontComboBox1 = new QFontComboBox(page);
    FontComboBox1->setObjectName(QStringLiteral("FontComboBox1"));
    col->addWidget(FontComboBox1);
    auto *row = new QHBoxLayout;
    m_labelScale = new QLabel(Phrase(ph::ScalePercent), page);
    SpinEdit1 = new QSpinBox(page);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(50, 150);
    Button2 = new TVyxCardsButton(Phrase(ph::Default), page);
    Button2->setObjectName(QStringLiteral("Button2"));
    row->addWidget(m_labelScale);
    row->addWidget(SpinEdit1);
    row->addWidget(Button2);
    col->addLayout(row);
    Label1 = new QLabel(DisplayLines(Phrase(ph::FontsWarning)), page);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    col->addWidget(Label1);
    col->addStretch();
    auto slot = [this]() -> FontSlot & { return CurrentFontSlots()[std::size_t(std::clamp(ComboBoxFont->currentIndex(), 0, 3))]; };
    connect(ComboBoxFont, &QComboBox::currentIndexChanged, this, [this] { UpdateFontControls(); });
    connect(FontComboBox1, &QFontComboBox::currentFontChanged, this, [this, slot](const QFont &font) {
        if (m_loading)
            return;
        slot().name = font.family().toStdString();
        Fire(m_hooks.fontsChanged);
    });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this, slot](int percent) {
        if (m_loading || percent < 50 || percent > 150)
            return;
        slot().percent = percent;
        Fire(m_hooks.fontsChanged);
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        CurrentFontSlots() = DefaultFontSlots();
        UpdateFontControls();
        Fire(m_hooks.fontsChanged);
    });
    return page;
}

QWidget *TFormOptions::BackgroundPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    ComboBoxBG1 = new QComboBox(page);
    ComboBoxBG1->setObjectName(QStringLiteral("ComboBoxBG1"));
    for (const PhraseForms *name : BackgroundNames)
        ComboBoxBG1->addItem(Phrase(*name));
    ComboBoxBG2 = new QComboBox(page);
    ComboBoxBG2->setObjectName(QStringLiteral("ComboBoxBG2"));
    for (const PhraseForms *name : ColourNames)
        ComboBoxBG2->addItem(Phrase(*name));
    col->addWidget(new QLabel(Phrase(ph::Background), page));
    col->addWidget(ComboBoxBG1);
    col->addWidget(ComboBoxBG2);
    col->addStretch();
    auto changed = [this] {
        if (m_loading)
            return;
        Settings &s = CurrentSettings();
        s.BackgroundPicture = ComboBoxBG1->currentIndex() + 1;
        s.BackgroundColour = ComboBoxBG2->currentIndex();
        if (s.MainMenuDesign != 1 && !Fire(m_hooks.backgroundChanged)) {
            s.BackgroundPicture = 2;
            s.BackgroundColour = 0;
            LoadControls();
        }
        UpdateBackgroundControls();
    };
    connect(ComboBoxBG1, &QComboBox::currentIndexChanged, this, changed);
    connect(ComboBoxBG2, &QComboBox::currentIndexChanged, this, changed);
    return page;
}

QWidget *TFormOptions::SaveGamesPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    CheckBoxSG1 = new QCheckBox(Phrase(ph::SaveGamesAsGifs), page);
    CheckBoxSG1->setObjectName(QStringLiteral("CheckBoxSG1"));
    ComboBoxSG1 = new QComboBox(page);
    ComboBoxSG1->setObjectName(QStringLiteral("ComboBoxSG1"));
    ComboBoxSG1->addItems({Phrase(ph::SaveMainWindowOnly), Phrase(ph::SaveScreenContents)});
    SpinEditSG1 = new QSpinBox(page);
    SpinEditSG1->setObjectName(QStringLiteral("SpinEditSG1"));
    SpinEditSG1->setRange(10, 5000);
    col->addWidget(CheckBoxSG1);
    col->addWidget(ComboBoxSG1);
    col->addWidget(new QLabel(Phrase(ph::FrameDelay), page));
    col->addWidget(SpinEditSG1);
    col->addStretch();
    connect(CheckBoxSG1, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        CurrentSettings().SaveGamesAsGif = on;
        UpdateGifControls();
    });
    connect(ComboBoxSG1, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (!m_loading && item >= 0)
            CurrentSettings().CaptureMode = item + 1;
    });
    connect(SpinEditSG1, &QSpinBox::valueChanged, this, [this](int ms) {
        if (!m_loading && ms >= 10 && ms <= 5000)
            CurrentSettings().FrameDelay = ms;
    });
    return page;
}

QWidget *TFormOptions::DllPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    const char *packs[4] = {"VyxBackG03.dll", "VyxCGraph1.dll", "VyxCVoice3.dll", "VyxCalendar01.dll"};
    for (std::size_t k = 0; k < 4; ++k) {
        DownloadButtons[k] = DownloadButton(Phrase(ph::Download) + QLatin1Char(' ') + QLatin1String(packs[k]),
                                            QLatin1String(packs[k]), page);
        col->addWidget(DownloadButtons[k]);
    }
    auto *group = new QGroupBox(Phrase(ph::ReadingRadioList), page);
    group->setObjectName(QStringLiteral("RGRadio"));
    auto *inner = new QVBoxLayout(group);
    RGRadio[0] = new QRadioButton(Phrase(ph::FromTheServer), group);
    RGRadio[1] = new QRadioButton(Phrase(ph::FromDisk), group);
    inner->addWidget(RGRadio[0]);
    inner->addWidget(RGRadio[1]);
    col->addWidget(group);
    col->addStretch();
    connect(RGRadio[0], &QRadioButton::toggled, this, [this](bool fromServer) {
        if (m_loading)
            return;
        CurrentSettings().RadioListFromServer = fromServer;
        Fire(m_hooks.radioListChanged);
    });
    return page;
}

QWidget *TFormOptions::DesignPage()
{
    QWidget *page = Page(this);
    QVBoxLayout *col = Column(page);
    auto combo = [&](QComboBox *&target, const QString &caption, const char *name, const QStringList &items) {
        col->addWidget(new QLabel(caption, page));
        target = new QComboBox(page);
        target->setObjectName(QString::fromLatin1(name));
        target->addItems(items);
        col->addWidget(target);
    };
    combo(ComboBoxD1, Phrase(ph::MainMenuDesign), "ComboBoxD1", {Phrase(ph::Customizable), Phrase(ph::Purple)});
    combo(ComboBoxD2, Phrase(ph::GameTableDesign), "ComboBoxD2", {Phrase(ph::Customizable), Phrase(ph::Purple)});
    combo(ComboBoxD3, Phrase(ph::AuxiliaryWindowDesign), "ComboBoxD3",
          {Phrase(ph::GrayAristocratic), Phrase(ph::GrayConcise), Phrase(ph::GrayRedRibbons), Phrase(ph::Purple)});
    auto *salute = new QGroupBox(Phrase(ph::Salute), page);
    auto *inner = new QHBoxLayout(salute);
    CheckBoxD1 = new QCheckBox(Phrase(ph::Buttons), salute);
    CheckBoxD1->setObjectName(QStringLiteral("CheckBoxD1"));
    CheckBoxD2 = new QCheckBox(Phrase(ph::Cards), salute);
    CheckBoxD2->setObjectName(QStringLiteral("CheckBoxD2"));
    inner->addWidget(CheckBoxD1);
    inner->addWidget(CheckBoxD2);
    col->addWidget(salute);
    col->addStretch();
    for (QComboBox *box : {ComboBoxD1, ComboBoxD2, ComboBoxD3})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { DesignChanged(); });
    connect(CheckBoxD1, &QCheckBox::toggled, this, [this](bool on) { if (!m_loading) CurrentSettings().SaluteButtons = on; });
    connect(CheckBoxD2, &QCheckBox::toggled, this, [this](bool on) { if (!m_loading) CurrentSettings().SaluteCards = on; });
    return page;
}

void TFormOptions::DesignChanged()
{
    if (m_loading)
        return;
    Settings &s = CurrentSettings();
    const int aux = ComboBoxD3->currentIndex();
    const bool needsPack = ComboBoxD2->currentIndex() == 1 || aux != 0;
    if (needsPack && !Fire(m_hooks.decorPackAvailable)) {
        ResetDesigns();
        if (m_hooks.missingPack)
            m_hooks.missingPack(QStringLiteral("VyxCGraph1.dll"));
        return;
    }
    s.MainMenuDesign = ComboBoxD1->currentIndex();
    s.GameTableDesign = ComboBoxD2->currentIndex();
    s.PurpleDialogs = aux == 3;
    if (aux < 3)
        s.DialogDesign = aux == 0 ? 2 : aux == 1 ? 1 : 3;
    UpdateBackgroundControls();
    Fire(m_hooks.designChanged);
    ApplyLook();
}

TVyxCardsButton *TFormOptions::DownloadButton(const QString &caption, const QString &file, QWidget *page)
{
    auto *b = new TVyxCardsButton(caption, page);
    b->setObjectName(QStringLiteral("Download_") + file);
    connect(b, &TVyxCardsButton::mouseEntered, this, [b, file] {
        // Balloons are written in the font of slot 1 ("decor").
        ShowBalloon(Phrase(ph::Download), file, QString::fromStdString(CurrentFontSlots()[0].name), b, 0);
    });
    connect(b, &TVyxCardsButton::mouseLeft, this, [] { CloseBalloons(); });
    connect(b, &QPushButton::clicked, this, [this, file] {
        CloseBalloons();
        if (m_hooks.download)
            m_hooks.download(file);
        RefreshPackButtons();
    });
    return b;
}

void TFormOptions::RefreshPackButtons()
{
    const auto refresh = [](TVyxCardsButton *b, const QString &file) {
        const bool enabled = !PackFilePresent(file);
        b->setEnabled(enabled);
        b->setKLightSB(PackButtonLight(enabled));
    };
    const char *cards[3] = {"A", "B", "C"};
    for (std::size_t k = 0; k < 3; ++k)
        refresh(CardDownloadButtons[k], QStringLiteral("VyxCards06%1.dll").arg(QLatin1String(cards[k])));
    const char *packs[4] = {"VyxBackG03.dll", "VyxCGraph1.dll", "VyxCVoice3.dll", "VyxCalendar01.dll"};
    for (std::size_t k = 0; k < 4; ++k)
        refresh(DownloadButtons[k], QLatin1String(packs[k]));

    const bool decor = Fire(m_hooks.decorPackAvailable);
    for (QCheckBox *box : {CheckBoxD1, CheckBoxD2}) {
        box->setEnabled(decor);
        if (!decor)
            box->setChecked(false); // the setting follows through the box's handler
    }
}

void TFormOptions::ResetDesigns()
{
    Settings &s = CurrentSettings();
    s.PurpleDialogs = false;
    s.DialogDesign = 2;
    s.MainMenuDesign = 0;
    s.GameTableDesign = 0;
    LoadControls();
    ApplyLook();
}

void TFormOptions::LoadControls()
{
    m_loading = true;
    const Settings &s = CurrentSettings();
    CheckBox1->setChecked(s.SoundOn);
    CheckBox2->setChecked(s.MusicOn);
    CheckBox3->setChecked(s.GifAnimation);
    CheckBox4->setChecked(s.FlyCards);
    CheckBoxCur->setChecked(s.OwnCursor);
    CheckBoxBut->setChecked(s.NewButtons);
    CheckBoxNet->setChecked(s.NetGame);
    Button3->setText(Phrase(ph::Speed) + QLatin1Char('=') + QString::number(s.GameSpeed));
    const QSize screen = m_hooks.screen.isEmpty() && QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->size()
                             : m_hooks.screen;
    m_windowSizes = WindowSizeChoices(screen);
    static const PhraseForms *const sizeNames[5] = {&ph::SmallWindow, &ph::FullScreen, &ph::AverageWindow1,
                                                    &ph::AverageWindow2, &ph::LargeWindow};
    ComboBoxWSize->clear();
    for (int size : m_windowSizes)
        ComboBoxWSize->addItem(Phrase(*sizeNames[size - 1]));
    ComboBoxWSize->setCurrentIndex(std::max(0, int(m_windowSizes.indexOf(s.WindowSize))));
    ComboBoxLan->clear();
    for (const char *name : LanguageNames)
        ComboBoxLan->addItem(QString::fromUtf8(name));
    ComboBoxLan->setCurrentIndex(std::clamp(LanguageIndex(), 0, 9));
    ComboBox1->setCurrentIndex(std::clamp(s.CardSet, 0, 47));
    ComboBox2->setCurrentIndex(std::clamp(s.BackSet, 0, 12));
    CheckBox8->setChecked(s.OrderedKing);
    ComboBoxBG1->setCurrentIndex(std::clamp(s.BackgroundPicture - 1, 0, 9));
    ComboBoxBG2->setCurrentIndex(std::clamp(s.BackgroundColour, 0, 6));
    CheckBoxSG1->setChecked(s.SaveGamesAsGif);
    ComboBoxSG1->setCurrentIndex(std::clamp(s.CaptureMode - 1, 0, 1));
    SpinEditSG1->setValue(s.FrameDelay);
    RGRadio[s.RadioListFromServer ? 0 : 1]->setChecked(true);
    ComboBoxD1->setCurrentIndex(std::clamp(s.MainMenuDesign, 0, 1));
    ComboBoxD2->setCurrentIndex(std::clamp(s.GameTableDesign, 0, 1));
    ComboBoxD3->setCurrentIndex(s.PurpleDialogs ? 3 : s.DialogDesign == 1 ? 1 : s.DialogDesign == 3 ? 2 : 0);
    CheckBoxD1->setChecked(s.SaluteButtons);
    CheckBoxD2->setChecked(s.SaluteCards);
    m_loading = false;
    RefreshPackButtons();
    UpdateBackModes();
    UpdateGameOptions();
    UpdateFontControls();
    UpdateGifControls();
    UpdateBackgroundControls();
}

void TFormOptions::UpdateBackModes()
{
    const Settings &s = CurrentSettings();
    const auto modes = BackModesFor(s.BackSet);
    m_loading = true;
    for (std::size_t k = 0; k < 3; ++k)
        RadioGroup2[k]->setEnabled(modes[k]);
    if (modes[2])
        RadioGroup2[2]->setChecked(true);
    else
        RadioGroup2[s.OneBackAlways ? 1 : 0]->setChecked(true);
    m_loading = false;
}

void TFormOptions::UpdateGameOptions()
{
    const Settings &s = CurrentSettings();
    m_loading = true;
    if (s.OrderedKing) {
        RadioGroup3->setTitle(Phrase(ph::Duration));
        RadioGroup3Items[0]->setText(Phrase(ph::Long));
        RadioGroup3Items[1]->setText(Phrase(ph::Short));
        RadioGroup3Items[s.LongGame ? 0 : 1]->setChecked(true);
    } else {
        RadioGroup3->setTitle(Phrase(ph::Eralash));
        RadioGroup3Items[0]->setText(Phrase(ph::ToPlay));
        RadioGroup3Items[1]->setText(Phrase(ph::Skip));
        RadioGroup3Items[s.PlayEralash ? 0 : 1]->setChecked(true);
    }
    m_loading = false;
}

void TFormOptions::UpdateFontControls()
{
    const FontSlot &slot = CurrentFontSlots()[std::size_t(std::clamp(ComboBoxFont->currentIndex(), 0, 3))];
    m_loading = true;
    FontComboBox1->setCurrentFont(QFont(QString::fromStdString(slot.name)));
    SpinEdit1->setValue(slot.percent);
    m_loading = false;
}

void TFormOptions::UpdateGifControls()
{
    const Settings &s = CurrentSettings();
    CheckBoxSG1->setEnabled(s.WindowSize == 1);
    ComboBoxSG1->setEnabled(s.SaveGamesAsGif);
    SpinEditSG1->setEnabled(s.SaveGamesAsGif);
    RxGIFAn1->start(s.GifAnimation, true, -1, 35);
}

void TFormOptions::UpdateBackgroundControls()
{
    const Settings &s = CurrentSettings();
    const bool bothPurple = s.MainMenuDesign == 1 && s.GameTableDesign == 1;
    ComboBoxBG1->setEnabled(!bothPurple);
    ComboBoxBG2->setEnabled(!bothPurple && s.BackgroundPicture != 0);
}

void TFormOptions::DrawPreview()
{
    // Jack of hearts, queen of diamonds, king of clubs, ace of spades.
    const Card cards[4] = {Card::fromCode("\xC2\xF7"), Card::fromCode("\xC4\xE1"), Card::fromCode("\xCA\xEA"),
                           Card::fromCode("\xD2\xEF")};
    Image1->resizePicture(QSize(189 + 71, 96), Qt::transparent);
    QPainter p(&Image1->picture());
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 4; ++k) {
        const int x = 63 * k;
        if (m_hooks.art) {
            m_hooks.art->drawCard(p, x, 0, cards[k]);
            continue;
        }
        // Our own faces where no card pictures are loaded.
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(255, 255, 248));
        p.drawRoundedRect(QRectF(x + 0.5, 0.5, 70, 95), 6, 6);
        static const char *ranks[4] = {"J", "Q", "K", "A"};
        static const char *suits[4] = {"\u2665", "\u2666", "\u2663", "\u2660"};
        p.setPen(k < 2 ? QColor(200, 0, 0) : QColor(0, 0, 0));
        QFont f = DialogLook::Font("serif", 20, true);
        p.setFont(f);
        p.drawText(QRect(x + 5, 3, 30, 26), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(ranks[k]));
        f.setPixelSize(40);
        p.setFont(f);
        p.drawText(QRect(x, 20, 71, 76), Qt::AlignCenter, QString::fromUtf8(suits[k]));
    }
    Image1->update();
}

void TFormOptions::ApplyLook()
{
    DialogLookParts parts;
    parts.title = Phrase(ph::Options);
    parts.decorWord = QStringLiteral("Options");
    parts.ribbonPicture = QStringLiteral("GFormOpt");
    parts.ribbonOffset = QPoint(-5, -7);
    parts.headerWidth = 490;
    parts.width = Width;
    parts.heights = {360, 375, 410, 400};
    QList<QPushButton *> buttons{Button1, Button2, Button3, Button4};
    for (QPushButton *b : findChildren<QPushButton *>())
        if (!buttons.contains(b))
            buttons << b;
    DialogLook::Apply(this, Image0, buttons, parts);
    const Look look = DialogLook::Current();
    const int top = look == Look::Purple ? 60 : parts.headerHeights[std::size_t(int(look) - 1)] + 8;
    PageControl1->setGeometry(10, top, 370, height() - top - 10);
    ImFlag->move(390, top);
    RxGIFAn1->setGeometry(390, top + 75, 90, 120);
    Button1->setGeometry(390, height() - 50, 100, 36);
    const QColor text = look == Look::Purple ? QColor(255, 255, 0) : QColor(0, 0, 0);
    QPalette pal = PageControl1->palette();
    pal.setColor(QPalette::WindowText, look == Look::Purple ? QColor(0, 0, 0) : text);
    PageControl1->setPalette(pal);
}

void TFormOptions::showEvent(QShowEvent *event)
{
    ApplyLook();
    // The flag of the interface language.
    QImage flag(100, 68, QImage::Format_ARGB32_Premultiplied);
    flag.fill(QColor(250, 250, 250));
    QPainter p(&flag);
    p.setPen(QColor(128, 0, 0));
    p.drawRect(0, 0, 99, 67);
    p.setFont(DialogLook::Font("serif", 22, true));
    p.drawText(flag.rect(), Qt::AlignCenter, DialogLook::ImageLanguageCode());
    p.end();
    ImFlag->setPicture(flag);
    RxGIFAn1->setGif(QStringLiteral("GOpt"));
    UpdateGifControls();
    setWindowTitle(Phrase(ph::Options));
    Button1->setFont(DialogLook::Font("decor", 20, true));
    PageControl1->tabBar()->setFont(DialogLook::Font("serif", 16));
    DrawPreview();
    PageControl1->setCurrentIndex(std::clamp(LastPage, 0, PageControl1->count() - 1));
    QDialog::showEvent(event);
}

void TFormOptions::done(int result)
{
    LastPage = PageControl1->currentIndex();
    RxGIFAn1->clear();
    QDialog::done(result);
}

} // namespace halvane
