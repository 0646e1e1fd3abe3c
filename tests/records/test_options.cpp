// The options dialog: every change goes to the settings at once, with the
// rules of the pages (window sizes by screen, back modes, the GIF box, the
// fallbacks of missing packs) and the page remembered for the run.

#include "platform/ResourcePack.h"
#include "records/TFormOptions.h"
#include "records/codec/Settings.h"
#include "table/FontSlots.h"
#include "table/TVyxCardsButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace halvane;

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void init() { CurrentSettings() = Settings{}; CurrentFontSlots() = DefaultFontSlots(); }

    void windowSizesByScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("small screen") << QSize(980, 700) << QList<int>{1, 2};
        QTest::newRow("990 x 670") << QSize(990, 670) << QList<int>{1, 2, 3};
        QTest::newRow("1290 x 870") << QSize(1290, 870) << QList<int>{1, 2, 3, 4};
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QList<int>{1, 2, 3, 4, 5};
    }
    void windowSizesByScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QList<int>, sizes);
        QCOMPARE(TFormOptions::WindowSizeChoices(screen), sizes);
        OptionsHooks hooks;
        hooks.screen = screen;
        int applied = 0;
        hooks.windowSizeChanged = [&] { ++applied; };
        TFormOptions dialog(hooks);
        QCOMPARE(dialog.ComboBoxWSize->count(), sizes.size());
        dialog.ComboBoxWSize->setCurrentIndex(int(sizes.size()) - 1);
        QCOMPARE(CurrentSettings().WindowSize, sizes.last());
        QCOMPARE(applied, 1);
    }

    void backModes()
    {
        TFormOptions dialog;
        for (int set : {8, 9, 10, 11}) {
            dialog.ComboBox2->setCurrentIndex(set);
            QVERIFY(!dialog.RadioGroup2[0]->isEnabled() && !dialog.RadioGroup2[1]->isEnabled());
            QVERIFY(dialog.RadioGroup2[2]->isChecked());
        }
        dialog.ComboBox2->setCurrentIndex(12);
        QVERIFY(dialog.RadioGroup2[0]->isEnabled() && !dialog.RadioGroup2[2]->isEnabled());
        dialog.RadioGroup2[1]->setChecked(true);
        QVERIFY(CurrentSettings().OneBackAlways);
        QCOMPARE(CurrentSettings().BackSet, 12);
    }

    void gifBoxOnlyOnTheMenu()
    {
        bool menu = false;
        OptionsHooks hooks;
        hooks.menuShown = [&] { return menu; };
        TFormOptions dialog(hooks);
        dialog.CheckBox3->setChecked(false);
        QVERIFY(CurrentSettings().GifAnimation);
        QVERIFY(dialog.CheckBox3->isChecked());
        menu = true;
        dialog.CheckBox3->setChecked(false);
        QVERIFY(!CurrentSettings().GifAnimation);
    }

    void settingsChangeAtOnce()
    {
        bool music = true;
        int net = 0;
        OptionsHooks hooks;
        hooks.musicChanged = [&](bool on) { music = on; };
        hooks.netGameChanged = [&] { ++net; };
        TFormOptions dialog(hooks);
        dialog.CheckBox1->setChecked(false);
        dialog.CheckBox2->setChecked(false);
        dialog.CheckBoxNet->setChecked(true);
        dialog.CheckBox8->setChecked(true);
        dialog.RadioGroup3Items[0]->setChecked(true);
        dialog.SpinEditSG1->setValue(250);
        dialog.ComboBoxSG1->setCurrentIndex(1);
        dialog.ComboBoxLan->setCurrentIndex(2);
        const Settings &s = CurrentSettings();
        QVERIFY(!s.SoundOn && !s.MusicOn && !music);
        QVERIFY(s.NetGame);
        QCOMPARE(net, 1);
        QVERIFY(s.OrderedKing && s.LongGame);
        QCOMPARE(dialog.RadioGroup3Items[0]->text(), QStringLiteral("Long"));
        QCOMPARE(s.FrameDelay, 250);
        QCOMPARE(s.CaptureMode, 2);
        QCOMPARE(s.LanguageIndex, 2);
        dialog.ComboBoxLan->setCurrentIndex(0);
    }

    void gifRecordingControls()
    {
        CurrentSettings().WindowSize = 2;
        TFormOptions dialog;
        QVERIFY(!dialog.CheckBoxSG1->isEnabled());
        QVERIFY(!dialog.SpinEditSG1->isEnabled());
    }

    void failedLoadsFallBack()
    {
        QStringList missing;
        OptionsHooks hooks;
        hooks.cardSetChanged = [] { return false; };
        hooks.backgroundChanged = [] { return false; };
        hooks.decorPackAvailable = [] { return false; };
        hooks.missingPack = [&](const QString &file) { missing << file; };
        TFormOptions dialog(hooks);
        dialog.ComboBox1->setCurrentIndex(17);
        QCOMPARE(CurrentSettings().CardSet, 0);
        QCOMPARE(dialog.ComboBox1->currentIndex(), 0);
        dialog.ComboBoxBG1->setCurrentIndex(6);
        QCOMPARE(CurrentSettings().BackgroundPicture, 2);
        QCOMPARE(CurrentSettings().BackgroundColour, 0);
        dialog.ComboBoxD3->setCurrentIndex(3); // purple needs the decor pack
        QVERIFY(!CurrentSettings().PurpleDialogs);
        QCOMPARE(CurrentSettings().DialogDesign, 2);
        QCOMPARE(dialog.ComboBoxD3->currentIndex(), 0);
        QCOMPARE(missing, QStringList{QStringLiteral("VyxCGraph1.dll")});
        QVERIFY(!dialog.CheckBoxD1->isEnabled());
    }

    // Download buttons are live only while their pack is nowhere to be found;
    // a download that brings the pack turns its button off at once.
    void packButtons()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("game"));
        const QString parent = root.path() + QLatin1Char('/');
        const PackSearch saved = CurrentPackSearch();
        CurrentPackSearch().currentDir = parent + QStringLiteral("game");
        auto touch = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write("MZ") == 2;
        };
        QVERIFY(touch(parent + QStringLiteral("game/VyxCards06B.dll"))); // beside the program
        QVERIFY(touch(parent + QStringLiteral("VyxCVoice3.dll")));       // in the parent folder

        CurrentSettings().SaluteButtons = true;
        CurrentSettings().SaluteCards = true;
        QStringList asked;
        OptionsHooks hooks;
        hooks.decorPackAvailable = [] { return false; };
        hooks.download = [&](const QString &file) {
            asked << file;
            touch(parent + file); // the download saves to the parent folder
        };
        TFormOptions dialog(hooks);
        const auto live = [](TVyxCardsButton *b) { return b->isEnabled() && b->kLightSB() == 0; };
        const auto dimmed = [](TVyxCardsButton *b) { return !b->isEnabled() && b->kLightSB() == 50; };
        QVERIFY(live(dialog.CardDownloadButtons[0]));
        QVERIFY(dimmed(dialog.CardDownloadButtons[1]));
        QVERIFY(live(dialog.CardDownloadButtons[2]));
        QVERIFY(live(dialog.DownloadButtons[0]));   // backgrounds
        QVERIFY(dimmed(dialog.DownloadButtons[2])); // voices
        // The salute boxes need the decor pack: off and unchecked without it.
        QVERIFY(!dialog.CheckBoxD1->isEnabled() && !dialog.CheckBoxD1->isChecked());
        QVERIFY(!CurrentSettings().SaluteButtons && !CurrentSettings().SaluteCards);

        dialog.DownloadButtons[0]->click();
        QCOMPARE(asked, QStringList{QStringLiteral("VyxBackG03.dll")});
        QVERIFY(dimmed(dialog.DownloadButtons[0]));
        dialog.DownloadButtons[0]->click(); // a disabled button downloads nothing
        QCOMPARE(asked.size(), 1);
        CurrentPackSearch() = saved;
    }

    void designsWithThePack()
    {
        OptionsHooks hooks;
        hooks.decorPackAvailable = [] { return true; };
        TFormOptions dialog(hooks);
        dialog.ComboBoxD3->setCurrentIndex(2);
        QCOMPARE(CurrentSettings().DialogDesign, 3);
        dialog.ComboBoxD3->setCurrentIndex(1);
        QCOMPARE(CurrentSettings().DialogDesign, 1);
        dialog.ComboBoxD1->setCurrentIndex(1);
        dialog.ComboBoxD2->setCurrentIndex(1);
        QVERIFY(!dialog.ComboBoxBG1->isEnabled());
    }

    void fonts()
    {
        TFormOptions dialog;
        dialog.ComboBoxFont->setCurrentIndex(2);
        dialog.SpinEdit1->setValue(130);
        QCOMPARE(CurrentFontSlots()[2].percent, 130);
        QCOMPARE(CurrentFontSlots()[0].percent, 100);
        dialog.SpinEdit1->setValue(170); // beyond the range: held at 150
        QCOMPARE(CurrentFontSlots()[2].percent, 150);
        dialog.Button2->click();
        QCOMPARE(CurrentFontSlots()[2].percent, 100);
        QCOMPARE(dialog.SpinEdit1->value(), 100);
    }

    void lastPageForTheRun()
    {
        {
            TFormOptions dialog;
            dialog.show();
            dialog.PageControl1->setCurrentIndex(4);
            dialog.accept();
        }
        TFormOptions again;
        again.show();
        QCOMPARE(again.PageControl1->currentIndex(), 4);
        again.reject();
        TFormOptions::LastPage = 0;
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
