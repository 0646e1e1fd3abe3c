// The main window and the club files: the member buttons and top-ten panels
// come from the club file, the welcome dialog guards a member's game, and a
// game left early forfeits the member's line.

#include "app/MenuRecords.h"
#include "app/TForm1.h"
#include "records/TFormPassword.h"
#include "records/codec/ClubStore.h"
#include "records/codec/PlayerLine.h"
#include "tests/records/MemberLineFixture.h"
#include "records/codec/Settings.h"
#include "table/TVyxCardsButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace halvane;
namespace fs = std::filesystem;

namespace {
void MakeClub(const QString &folder)
{
    ClubFile club = ClubFile::Fresh();
    club.setLine(1, Member("Anna", 2.5, 45, 30, "abc"));
    club.setLine(2, Member("Boris", 1.0, 3, -7, "xyz"));
    club.setLine(6, PlayerNameField("Anna") + "   412");
    ClubStore(fs::path(folder.toStdString()) / "Halvane.clb").Save(club);
    ClubStore(fs::path(folder.toStdString()) / "Halvane.net").Save(ClubFile::Fresh());
}

// Answers the next welcome dialog: fills its boxes and presses "Ok"; the
// messages it shows are collected.
void AnswerWelcome(const QString &password, const QString &again, QStringList *messages)
{
    QTimer::singleShot(0, [=] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<TFormPassword *>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            dialog->setShowMessage([=](const QString &m) { *messages << m; dialog->reject(); });
            dialog->Edit2->setText(password);
            dialog->Edit3->setText(again);
            dialog->Button1Click();
        }
    });
}
} // namespace

class TestMenuRecords : public QObject
{
    Q_OBJECT
private slots:
    void init() { CurrentSettings() = Settings{}; }

    void membersFromTheClubFile()
    {
        QTemporaryDir dir;
        MakeClub(dir.path());
        TForm1 form(dir.path());
        QVERIFY(MenuRecords::StartUp(form));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Halvane.ini")))); // written at start-up
        form.LeaveSplash();
        QVERIFY(form.button(1)->text().startsWith(QStringLiteral("Anna")));
        QVERIFY(form.button(2)->text().startsWith(QStringLiteral("Boris")));
        QVERIFY(form.button(3)->text().isEmpty());
        QVERIFY(form.panel(1)->text().startsWith(QStringLiteral("Anna")));
        QVERIFY(form.panel(1)->text().endsWith(QStringLiteral("412")));
        QVERIFY(form.panel(2)->text().isEmpty()); // a place nobody reached
        form.BModeClick();
        QCOMPARE(CurrentSettings().MenuDisplayMode, 2);
        QVERIFY(form.button(1)->text().endsWith(QStringLiteral("2.50")));
    }

    void memberNeedsThePassword()
    {
        QTemporaryDir dir;
        MakeClub(dir.path());
        TForm1 form(dir.path());
        QVERIFY(MenuRecords::StartUp(form));
        form.LeaveSplash();
        QSignalSpy requested(&form, &TForm1::gameRequested);
        QStringList messages;
        AnswerWelcome(QStringLiteral("abd"), QString(), &messages);
        form.button(1)->click();
        QCOMPARE(messages, QStringList{QStringLiteral("The incorrect password!")});
        QCOMPARE(requested.count(), 0);
        QVERIFY(form.MenuShown);

        AnswerWelcome(QStringLiteral("abc"), QString(), &messages);
        form.button(1)->click();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(form.Counters.PlayerSlot, 1);
        QCOMPARE(form.Counters.Kon, 46);
        QCOMPARE(form.Counters.StartScore, 30);
        QCOMPARE(form.Counters.StartRating, 2.5);
    }

    void newPlayerTypesThePasswordTwice()
    {
        QTemporaryDir dir;
        MakeClub(dir.path());
        TForm1 form(dir.path());
        QVERIFY(MenuRecords::StartUp(form));
        form.LeaveSplash();
        QSignalSpy requested(&form, &TForm1::gameRequested);
        QStringList messages;
        AnswerWelcome(QStringLiteral("12"), QStringLiteral("13"), &messages);
        form.button(6)->click();
        QCOMPARE(messages, QStringList{QStringLiteral("The passwords do not coincide!")});
        AnswerWelcome(QStringLiteral("12"), QStringLiteral("12"), &messages);
        form.button(6)->click();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(form.Counters.PlayerSlot, 6);
        QCOMPARE(form.Counters.Kon, 1);
        QCOMPARE(form.Counters.Name, PlayerNameField("Mr.X"));
        QVERIFY(PasswordMatches(form.Counters.PasswordField, "12"));
    }

    void leavingForfeitsTheLine()
    {
        QTemporaryDir dir;
        MakeClub(dir.path());
        TForm1 form(dir.path());
        QVERIFY(MenuRecords::StartUp(form));
        form.setConfirm([](const QString &) { return true; });
        form.setWelcome([](int) { return true; });
        form.LeaveSplash();
        form.button(1)->click();
        QVERIFY(form.GameRunning);
        form.QuitClick();
        const ClubFile club = *CurrentClubFiles().local.Load();
        QCOMPARE(club.line(1).substr(0, 5), std::string("Boris"));
        QCOMPARE(club.line(2), std::string(EmptyPlayerLine));
        QVERIFY(club.SumsMatch());
        QVERIFY(form.button(1)->text().startsWith(QStringLiteral("Boris")));
    }

    void emptyNameIsRefused()
    {
        TFormPassword dialog(TFormPassword::Mode::NewPlayer, "", "", "");
        QStringList messages;
        dialog.setShowMessage([&](const QString &m) { messages << m; });
        dialog.Edit1->setText(QStringLiteral("   "));
        dialog.Button1Click();
        QCOMPARE(messages, QStringList{QStringLiteral("Incorrect name!")});
        QCOMPARE(dialog.result(), 0);
    }
};

QTEST_MAIN(TestMenuRecords)
#include "test_menu_records.moc"
