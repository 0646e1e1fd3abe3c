#include "app/MemberCaption.h"
#include "app/MenuRecords.h"
#include "app/TForm1.h"
#include "platform/ResourcePack.h"
#include "tests/platform/TinyHttpServer.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/WavePlayer.h"

#include "records/SettingsStore.h"
#include "records/TFormOptions.h"
#include "records/codec/ClubStore.h"
#include "records/codec/Settings.h"
#include "table/CardImages.h"
#include "table/ScaleState.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTimer>

#include <filesystem>
#include <QTemporaryDir>
#include <QTest>

using namespace halvane;

namespace {
MemberLine Member(const QString &name, int games, int score, double rating)
{
    MemberLine line;
    line.empty = false;
    line.name = name.leftJustified(20, QLatin1Char(' '));
    line.games = games;
    line.cycleScore = score;
    line.rating = rating;
    return line;
}

// A program folder with fresh club files and a settings file of the given window size.
struct ProgramFolder {
    QTemporaryDir dir;
    explicit ProgramFolder(int windowSize)
    {
        const std::filesystem::path base(dir.path().toStdString());
        ClubStore(base / "Halvane.clb").Save(ClubFile::Fresh());
        ClubStore(base / "Halvane.net").Save(ClubFile::Fresh());
        CurrentSettings() = Settings{};
        CurrentSettings().WindowSize = windowSize;
        SettingsStore::WriteSettings(dir.path() + QLatin1Char('/'), {});
        CurrentSettings() = Settings{};
    }
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void shortening_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");
        // Each character measures 10 pixels, so the limit counts characters.
        QTest::newRow("fits") << "Anna                " << "   12" << 361 << "Anna                   12";
        QTest::newRow("blanks only cut") << "Anna                " << "   12" << 200 << "Anna             12";
        QTest::newRow("text cut gets dots") << "Alexandra Konstantin" << "   12" << 150 << "Alexan...   12";
        QTest::newRow("never below position 5") << "Alexandra Konstantin" << "   12" << 50 << "A...   12";
        QTest::newRow("hash padding is no text") << "Bob#################" << " 7" << 100 << "Bob#### 7";
    }

    void shortening()
    {
        QFETCH(QString, name);
        QFETCH(QString, tail);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        const auto width = [](const QString &t) { return int(t.size()) * 10; };
        const QString result = ShortenCaption(name, tail, limit, width);
        QCOMPARE(result, expected);
    }

    void startsOnTheSplash()
    {
        QTemporaryDir dir;
        TForm1 form(dir.path());
        QCOMPARE(form.windowTitle(), QStringLiteral("Halvane"));
        QCOMPARE(form.size(), QSize(760, 500));
        QCOMPARE(form.Image1->size(), QSize(760, 500));
        QCOMPARE(form.Timer1->interval(), 20);
        QVERIFY(form.Timer1->isActive());
        QVERIFY(form.SplashShown);
        QVERIFY(!form.MenuShown);
        QVERIFY(form.ProgramFolder.endsWith(QLatin1Char('/')));
        QCOMPARE(form.button(9)->toolTip(), QStringLiteral("20"));
        QVERIFY(!form.Quit->isEnabled());
        QVERIFY(!form.GenCount->isEnabled());
        QVERIFY(!form.ChangeName->isEnabled());
        QVERIFY(!form.MRadio->isEnabled());
        QVERIFY(!form.button(1)->isVisible());
    }

    void clickOrKeyLeavesSplash_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("click") << false;
        QTest::newRow("key") << true;
    }

    void clickOrKeyLeavesSplash()
    {
        QFETCH(bool, byKey);
        QTemporaryDir dir;
        TForm1 form(dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (byKey)
            QTest::keyClick(&form, Qt::Key_Space);
        else
            QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(!form.SplashShown);
        QVERIFY(form.MenuShown);
        QVERIFY(form.MRadio->isEnabled());
        QVERIFY(form.button(6)->isVisible());
        QCOMPARE(form.button(6)->text(), QStringLiteral("New Player"));
        QCOMPARE(form.button(9)->text(), QStringLiteral("Top Ten"));
        QCOMPARE(form.button(10)->text(), QStringLiteral("Options"));
        QCOMPARE(form.button(11)->text(), QStringLiteral("Exit"));
        QCOMPARE(form.BMode->text(), QStringLiteral("Mode"));
        QCOMPARE(form.BHistory->text(), QStringLiteral("History"));
        QCOMPARE(form.panel(4)->text(), QStringLiteral(" The members of club    Games    Score "));
        QCOMPARE(form.HelpContext, 1);
        // A second click on the menu background changes nothing.
        QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(form.MenuShown && !form.GameRunning);
    }

    void membersAndModes()
    {
        QTemporaryDir dir;
        TForm1 form(dir.path());
        std::array<MemberLine, 5> lines{};
        lines[0] = Member(QStringLiteral("Anna"), 43, -12, 1.5);
        form.setMemberLines(lines);
        form.setWelcome([](int) { return true; }); // the password is right
        form.LeaveSplash();
        QVERIFY(form.button(1)->text().startsWith(QStringLiteral("Anna")));
        QVERIFY(form.button(1)->text().endsWith(QStringLiteral("-12")));
        QVERIFY(form.button(2)->text().isEmpty());
        form.BModeClick();
        QCOMPARE(form.MenuDisplayMode, 2);
        QVERIFY(form.button(1)->text().endsWith(QStringLiteral("1.50")));
        QCOMPARE(form.panel(4)->text(), QStringLiteral(" The members of club    Games   Rating "));

        QSignalSpy requested(&form, &TForm1::gameRequested);
        form.button(2)->click(); // an empty line does nothing
        QCOMPARE(requested.count(), 0);
        QVERIFY(form.MenuShown);
        form.button(1)->click();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.at(0).at(0).toInt(), 1);
        QVERIFY(form.GameRunning && !form.MenuShown);
        QVERIFY(form.Quit->isEnabled() && form.GenCount->isEnabled() && form.ChangeName->isEnabled());
    }

    // The window takes the size of the settings file at start-up.
    void windowSizeAtStart_data()
    {
        QTest::addColumn<int>("windowSize");
        QTest::addColumn<QSize>("client"); // empty: the screen's work area
        QTest::addColumn<double>("scale");
        QTest::newRow("small") << 1 << QSize(760, 500) << 1.0;
        QTest::newRow("average 1") << 3 << QSize(990, 650) << 1.3;
        QTest::newRow("average 2") << 4 << QSize(1290, 850) << 1.7;
        QTest::newRow("large") << 5 << QSize(1520, 1000) << 2.0;
        QTest::newRow("full screen") << 2 << QSize() << 0.0;
    }

    void windowSizeAtStart()
    {
        QFETCH(int, windowSize);
        QFETCH(QSize, client);
        QFETCH(double, scale);
        ProgramFolder folder(windowSize);
        TForm1 form(folder.dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (client.isEmpty()) {
            client = form.screen()->availableGeometry().size() - (form.frameGeometry().size() - form.size());
            scale = std::min(client.width() / 760.0, client.height() / 500.0);
        }
        QTRY_COMPARE(form.size(), client);
        QCOMPARE(CurrentSettings().WindowSize, windowSize);
        QCOMPARE(form.Image1->geometry(), form.rect());
        QCOMPARE(form.Image1->picture().size(), client);
        QCOMPARE(CurrentScale().scaleFactor, scale);
        form.LeaveSplash();
        // "New Player" stands at 280 design units, stretched with the window.
        QCOMPARE(form.button(6)->geometry().left(), int(std::lround(280 * CurrentScale().scaleX)));
        QVERIFY(form.button(6)->geometry().bottom() < client.height());
        QDir().mkpath(QStringLiteral(HALVANE_SHOT_DIR));
        form.grab().save(QStringLiteral(HALVANE_SHOT_DIR "/menu_windowsize%1.png").arg(windowSize));
    }

    // Registered a second time on a small virtual screen: sizes it cannot
    // hold start the small window.
    void windowSizeTooLargeForScreen()
    {
        ProgramFolder folder(5);
        TForm1 form(folder.dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (TFormOptions::WindowSizeChoices(form.screen()->size()).contains(5))
            QSKIP("the screen holds the large window");
        QTRY_COMPARE(form.size(), QSize(760, 500));
        QCOMPARE(CurrentSettings().WindowSize, 1);
        QCOMPARE(CurrentScale().scaleFactor, 1.0);
    }

    // The options dialog's size list resizes the window at once.
    void windowSizeFromOptions()
    {
        ProgramFolder folder(3);
        TForm1 form(folder.dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.size(), QSize(990, 650));
        form.LeaveSplash();
        QCOMPARE(form.button(6)->geometry().left(), 364); // 280 x 1.3

        // The first entry of the size list is always the small window.
        QTimer::singleShot(0, [] {
            auto *options = qobject_cast<TFormOptions *>(QApplication::activeModalWidget());
            QVERIFY(options);
            auto *sizes = options->findChild<QComboBox *>(QStringLiteral("ComboBoxWSize"));
            QVERIFY(sizes);
            sizes->setCurrentIndex(0);
            options->close();
        });
        form.Button10Click();
        QCOMPARE(CurrentSettings().WindowSize, 1);
        QCOMPARE(form.size(), QSize(760, 500));
        QCOMPARE(form.Image1->picture().size(), QSize(760, 500));
        QCOMPARE(form.button(6)->geometry().left(), 280);
        QVERIFY(form.button(6)->isVisible());
    }

    // Card set, back set and background chosen in the options dialog are
    // loaded from the packs at once.
    void picturesFromOptions()
    {
        const PackSearch saved = CurrentPackSearch();
        CurrentPackSearch().programDir = QStringLiteral(HALVANE_PROGRAM_DIR);
        ProgramFolder folder(1);
        TForm1 form(folder.dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!CurrentCardImages().faces[36].isNull());
        form.LeaveSplash();
        const CardImageCache before = CurrentCardImages();

        QTimer::singleShot(0, [] {
            auto *options = qobject_cast<TFormOptions *>(QApplication::activeModalWidget());
            QVERIFY(options);
            options->ComboBox1->setCurrentIndex(2);   // a face set from pack A
            options->ComboBox2->setCurrentIndex(3);   // a back set from pack B
            options->ComboBoxBG1->setCurrentIndex(3); // a background from the background pack
            options->ComboBoxBG2->setCurrentIndex(1);
            options->close();
        });
        form.Button10Click();
        // Nothing fell back to the built-in pictures: the packs were found.
        QCOMPARE(CurrentSettings().CardSet, 2);
        QCOMPARE(CurrentSettings().BackSet, 3);
        QCOMPARE(CurrentSettings().BackgroundPicture, 4);
        QCOMPARE(CurrentSettings().BackgroundColour, 1);
        const CardImageCache &after = CurrentCardImages();
        QVERIFY(after.faces[36] != before.faces[36]);
        QVERIFY(after.backs[after.currentBack] != before.backs[before.currentBack]);
        QVERIFY(!after.background.isNull() && after.background != before.background);
        CurrentPackSearch() = saved;
    }

    // A pack comes from the service's download folder into the parent folder;
    // the window answers with "WToMenK", or "WWrongs" when the service fails.
    void packDownloadFromTheService()
    {
        TinyHttpServer server;
        server.answer("/downloads/zazer/cards/VyxBackG03.dll",
                      "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nConnection: close\r\n\r\nMZ!!");
        qputenv("HALVANE_SERVICE_HOST", server.host().toLatin1());
        QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("game"));
        const PackSearch saved = CurrentPackSearch();
        CurrentPackSearch().currentDir = root.filePath(QStringLiteral("game"));
        TForm1 form(root.filePath(QStringLiteral("game")));
        RecordingWavePlayer sounds;
        form.setWavePlayer(&sounds);

        MenuRecords::DownloadPackFile(form, QStringLiteral("VyxBackG03.dll"));
        QFile pack(root.filePath(QStringLiteral("VyxBackG03.dll")));
        QVERIFY(pack.open(QIODevice::ReadOnly));
        QCOMPARE(pack.readAll(), QByteArray("MZ!!"));
        QCOMPARE(sounds.calls.back().name, std::string("WToMenK"));

        MenuRecords::DownloadPackFile(form, QStringLiteral("VyxCGraph1.dll")); // the service has none
        QVERIFY(!QFile::exists(root.filePath(QStringLiteral("VyxCGraph1.dll"))));
        QCOMPARE(sounds.calls.back().name, std::string("WWrongs"));
        QCOMPARE(server.requested, (QList<QByteArray>{"/downloads/zazer/cards/VyxBackG03.dll",
                                                      "/downloads/zazer/cards/VyxCGraph1.dll"}));
        QVERIFY(!QGuiApplication::overrideCursor());
        CurrentPackSearch() = saved;
        qunsetenv("HALVANE_SERVICE_HOST");
    }

    void closingAsksOnlyDuringAGame()
    {
        QTemporaryDir dir;
        TForm1 form(dir.path());
        RecordingWavePlayer sounds;
        form.setWavePlayer(&sounds);
        QStringList questions;
        bool answer = false;
        form.setConfirm([&](const QString &q) {
            questions << q;
            return answer;
        });
        form.setWelcome([](int) { return true; });
        form.show();
        form.LeaveSplash();
        form.button(6)->click(); // new player: a game starts
        QVERIFY(form.GameRunning);
        QSignalSpy abandoned(&form, &TForm1::gameAbandoned);

        QVERIFY(!form.close()); // "No" keeps the game
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions.at(0), QStringLiteral("You want to leave from game? All datas for want of it will be lost!"));
        QVERIFY(form.GameRunning);
        QCOMPARE(abandoned.count(), 0);
        QCOMPARE(sounds.calls.back().name, std::string("WOpenFo"));

        form.QuitClick(); // "Exit to menu", answered No
        QCOMPARE(questions.size(), 2);
        QCOMPARE(questions.at(1),
                 QStringLiteral("You want to leave in the main menu?\n\rAll datas for want of it will be lost!"));
        QVERIFY(form.GameRunning);
        answer = true;
        form.QuitClick();
        QCOMPARE(questions.size(), 3);
        QVERIFY(form.MenuShown && !form.GameRunning);
        QCOMPARE(abandoned.count(), 1);
        QCOMPARE(abandoned.at(0).at(0).toInt(), 6);
        QVERIFY(!form.Quit->isEnabled());

        QVERIFY(form.close()); // from the menu it closes without asking
        QCOMPARE(questions.size(), 3);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
