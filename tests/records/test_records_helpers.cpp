// The game indicator's balloon text and the cursor roles of the controls.

#include "records/ApplyCursors.h"
#include "records/GameBalloon.h"
#include "table/OwnCursors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace halvane;

class TestRecordsHelpers : public QObject
{
    Q_OBJECT
private slots:
    void balloon_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("kon");
        QTest::addColumn<int>("session");
        QTest::addColumn<int>("cycleGame");
        QTest::addColumn<QString>("text");
        using K = GameBalloon::Kind;
        QTest::newRow("computer, 20th") << int(K::Computer) << 40 << 0 << 0
            << "General number of game: 40\n\rNumber of round in a current cycle: 20 / 20";
        QTest::newRow("network, session of 5") << int(K::Network) << 12 << 5 << 0
            << "General number of game: 12\n\rNumber of round in a current cycle: 12 / 20\n\r"
               "Number of round in a current session: 2 / 5";
        QTest::newRow("network, end of session") << int(K::Network) << 10 << 5 << 0
            << "General number of game: 10\n\rNumber of round in a current cycle: 10 / 20\n\r"
               "Number of round in a current session: 5 / 5";
        QTest::newRow("account") << int(K::Account) << 33 << 0 << 7
            << "General number of game: 33\n\rNumber of round in a current cycle: 7 / 20";
        QTest::newRow("tournament") << int(K::Tournament) << 3 << 0 << 0
            << "General number of game: 3\n\rNumber of round in a current session: 1 / 1";
    }
    void balloon()
    {
        QFETCH(int, kind);
        QFETCH(int, kon);
        QFETCH(int, session);
        QFETCH(int, cycleGame);
        QFETCH(QString, text);
        QCOMPARE(GameBalloon::Text(GameBalloon::Kind(kind), kon, session, cycleGame), text);
        QCOMPARE(GameBalloon::Title(), QStringLiteral("Current game"));
    }

    void cursorRoles()
    {
        QWidget window;
        QPushButton button(&window);
        QCheckBox check(&window);
        QComboBox combo(&window);
        QLineEdit edit(&window);
        QSpinBox spin(&window);
        QLabel label(&window);
        for (QWidget *w : QList<QWidget *>{&button, &check, &combo, &edit, &spin})
            QCOMPARE(int(CursorRoleOf(w)), int(CursorRole::Hand));
        QCOMPARE(int(CursorRoleOf(&label)), int(CursorRole::Arrow));
        QCOMPARE(int(CursorRoleOf(&window)), int(CursorRole::Arrow));
        OwnCursors cursors;
        cursors.Load();
        ApplyCursors(cursors, &window);
        QCOMPARE(button.cursor().shape(), cursors.cursor(CursorRole::Hand).shape());
    }
};

QTEST_MAIN(TestRecordsHelpers)
#include "test_records_helpers.moc"
