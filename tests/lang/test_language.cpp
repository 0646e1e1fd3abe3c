// Language changes on the main window, the language pictures and the language
// list, and the menu tune's hooks (timed only: no sound device is needed).
#include "app/TForm1.h"
#include "platform/ResourceRegistry.h"
#include "platform/sound/MusicPlayer.h"
#include "records/codec/Settings.h"
#include "table/Dictionary.h"
#include "table/LanguageItemDelegate.h"
#include "table/LanguagePictures.h"
#include "table/TVyxCardsButton.h"
#include "table/phrases/MainWindowPhrases.h"

#include <QComboBox>
#include <QPainter>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using namespace halvane;

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { SetLanguageIndex(0); }

    // A change re-captions the main window at once, menu entries included.
    void applyLanguageRecaptions()
    {
        QTemporaryDir dir;
        TForm1 form(dir.path());
        QCOMPARE(form.button(11)->text(), QStringLiteral("Exit"));
        SetLanguageIndex(1);
        form.ApplyLanguage();
        QCOMPARE(form.button(11)->text(), QStringLiteral("Выход"));
        QCOMPARE(form.button(6)->text(), QStringLiteral("Новый игрок"));
        QCOMPARE(form.Quit->text(), QStringLiteral("Выход в меню"));
        QCOMPARE(form.panel(4)->text(), PhraseIn(ph::ClubHeaderScore, 1));
        QCOMPARE(form.windowTitle(), QStringLiteral("Halvane"));
        int optionsCaptioned = 0;
        form.setOptionsCaptioner([&] { ++optionsCaptioned; });
        SetLanguageIndex(9);
        form.ApplyLanguage(true);
        QCOMPARE(form.MChat->text(), QStringLiteral("채팅"));
        QCOMPARE(optionsCaptioned, 1);
        form.ApplyLanguage(false);
        QCOMPARE(optionsCaptioned, 1);
    }

    void pictureNames_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("flag");
        QTest::newRow("English") << 0 << "CapEng" << "FlagOEng";
        QTest::newRow("Russian") << 1 << "CapRus" << "FlagORus";
        QTest::newRow("Chinese") << 5 << "CapChi" << "FlagOChi";
        QTest::newRow("Czech") << 7 << "CapCze" << "FlagOCze";
        QTest::newRow("Japanese: English caption, own flag") << 8 << "CapEng" << "FlagOJap";
        QTest::newRow("Korean: English caption, own flag") << 9 << "CapEng" << "FlagOKor";
    }

    void pictureNames()
    {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, flag);
        QCOMPARE(LanguagePictureName(QStringLiteral("Cap"), language), caption);
        QCOMPARE(BigFlagName(language), flag);
    }

    // Every language finds its caption, both banners and its big flag in the executable.
    void picturesAreCompiledIn()
    {
        for (int language = 0; language < LanguageCount; ++language) {
            for (const char *base : {"Cap", "Elite", "Net__"}) {
                const QImage image = LanguagePicture(QString::fromLatin1(base), language);
                QVERIFY2(!image.isNull(), qPrintable(LanguagePictureName(base, language)));
            }
            const QImage flag = BigFlag(language);
            QVERIFY2(!flag.isNull(), qPrintable(BigFlagName(language)));
            QCOMPARE(flag.size(), QSize(100, 68));
        }
        QCOMPARE(LanguagePicture("Cap", 8), LanguagePicture("Cap", 0));
        // Each of the eight lettered languages has pictures of its own words,
        // sized for the menu's caption (400 x 70) and banner (350 x 40).
        for (const char *base : {"Cap", "Elite", "Net__"})
            for (int language = 1; language < 8; ++language)
                QVERIFY2(LanguagePicture(base, language) != LanguagePicture(base, 0),
                         qPrintable(LanguagePictureName(base, language)));
        QCOMPARE(LanguagePicture("Cap", 1).size(), QSize(400, 70));
        QCOMPARE(LanguagePicture("Elite", 1).size(), QSize(350, 40));
        QVERIFY(BigFlag(8) != BigFlag(0));
        QVERIFY(BigFlag(9) != BigFlag(8));
    }

    // The list shows each flag at (2, 2) of its item and the language's own name.
    void languageListItems()
    {
        QComboBox combo;
        FillLanguageCombo(&combo, 3);
        QCOMPARE(combo.count(), LanguageCount);
        QCOMPARE(combo.currentIndex(), 3);
        QCOMPARE(combo.itemText(1), QStringLiteral("Русский"));
        QCOMPARE(combo.itemText(9), QStringLiteral("한국인"));
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 160, 18);
        option.palette = combo.palette();
        option.font = combo.font();
        QImage strip(160, 18 * LanguageCount, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::white);
        QPainter painter(&strip);
        for (int row = 0; row < LanguageCount; ++row) {
            option.rect.moveTop(row * 18);
            combo.itemDelegate()->paint(&painter, option, combo.model()->index(row, 0));
        }
        painter.end();
        if (qEnvironmentVariableIsSet("HALVANE_SHOTS"))
            strip.save(qEnvironmentVariable("HALVANE_SHOTS") + "/language_list.png");
        for (int row = 0; row < LanguageCount; ++row) {
            const QImage flag = DrawLanguageFlag(row, QSize(14, 12));
            QCOMPARE(strip.pixelColor(2 + 7, row * 18 + 2 + 6), flag.pixelColor(7, 6));
        }
    }

    // The tune plays on the splash and the menu, stops when a game starts, and
    // Timer2 starts it again once the menu is back.
    void menuTuneFollowsTheScreens()
    {
        QTemporaryDir dir;
        TForm1 form(dir.path());
        form.Timer2->stop();
        sound::MusicPlayer music(sound::MusicPlayer::Output::Silent);
        QVERIFY(music.Load(ResourceRegistry::instance().data(ResourceType::Midi, QStringLiteral("MenuTune"))));
        QVERIFY2(music.DurationMs() > 20000 && music.DurationMs() < 180000, qPrintable(QString::number(music.DurationMs())));
        form.setMusicPlayer(&music);
        CurrentSettings().MusicOn = true;
        form.Timer2Timer();
        QVERIFY(music.IsPlaying());

        CurrentSettings().MusicOn = false;
        form.MusicSettingChanged();
        QVERIFY(!music.IsPlaying());
        form.Timer2Timer();
        QVERIFY(!music.IsPlaying());

        CurrentSettings().MusicOn = true;
        form.MusicSettingChanged();
        QVERIFY(music.IsPlaying());
        form.LeaveSplash();
        form.setWelcome([](int) { return true; });
        form.Button6Click(); // a new player's game starts
        QVERIFY(form.GameRunning);
        QVERIFY(!music.IsPlaying());
        form.Timer2Timer();
        QVERIFY(!music.IsPlaying());
        form.setConfirm([](const QString &) { return true; });
        form.QuitClick();
        QVERIFY(form.MenuShown);
        form.Timer2Timer();
        QVERIFY(music.IsPlaying());
        form.setMusicPlayer(nullptr);
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
