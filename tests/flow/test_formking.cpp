// The contract order dialog: captions, availability, and that only an
// enabled button ends it.

#include <QTest>

#include "table/TFormKing.h"
#include "table/TVyxCardsButton.h"

#include <QLabel>
#include <QTimer>

using namespace halvane;

namespace {
std::array<bool, 9> OpenExcept(std::initializer_list<int> used)
{
    std::array<bool, 9> open{};
    for (int k = 1; k <= 8; ++k)
        open[k] = true;
    for (int k : used)
        open[k] = false;
    return open;
}
} // namespace

class TestFormKing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonsFollowTheOpenChoices();
    void onlyAnEnabledButtonEndsIt_data();
    void onlyAnEnabledButtonEndsIt();
    void nothingOpenNeverShows();
};

void TestFormKing::buttonsFollowTheOpenChoices()
{
    TFormKing dialog(OpenExcept({2, 5, 8}));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("The order of game"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Heading"))->text(), QStringLiteral("Order game:"));
    const QStringList captions{"To not take tricks", "To not take boys",  "To not take girls", "To not take hearts",
                               "To not take King",   "To not take two last", "Take tricks",     "Take tricks"};
    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(dialog.button(k)->text(), captions[k - 1]);
        const bool open = k != 2 && k != 5 && k != 8;
        QCOMPARE(dialog.button(k)->isEnabled(), open);
        QCOMPARE(dialog.mark(k)->property("open").toBool(), open);
    }
    // The two kinds of mark look different.
    QVERIFY(dialog.mark(1)->pixmap().toImage() != dialog.mark(2)->pixmap().toImage());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestFormKing::onlyAnEnabledButtonEndsIt_data()
{
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("button 1") << 1 << 1;
    QTest::newRow("first take tricks") << 7 << 7;
    QTest::newRow("disabled button 8, then 6") << 8 << 6;
}

void TestFormKing::onlyAnEnabledButtonEndsIt()
{
    QFETCH(int, press);
    QFETCH(int, expected);
    const auto open = OpenExcept({2, 8});
    int attempts = 0;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<TFormKing *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // Closing, Escape and Enter leave it open.
        dialog->close();
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTest::keyClick(dialog, Qt::Key_Return);
        dialog->reject();
        QVERIFY(dialog->isVisible());
        ++attempts;
        QTest::mouseClick(dialog->button(press), Qt::LeftButton);
        if (dialog->isVisible()) {
            QVERIFY(!open[press]);
            QTest::mouseClick(dialog->button(6), Qt::LeftButton);
        }
    });
    QCOMPARE(TFormKing::Ask(open, nullptr), expected);
    QCOMPARE(attempts, 1);
}

void TestFormKing::nothingOpenNeverShows()
{
    QCOMPARE(TFormKing::Ask(std::array<bool, 9>{}, nullptr), 0);
}

QTEST_MAIN(TestFormKing)
#include "test_formking.moc"
