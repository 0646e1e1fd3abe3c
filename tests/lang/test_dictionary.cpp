// The dictionary: the phrase tables' rules in every language, the look-up and
// its English fallback, and a phrase's line break on screen.
#include "PhraseCatalog.h"
#include "table/Dictionary.h"
#include "table/phrases/AboutPhrases.h"
#include "table/phrases/AccountPhrases.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/GameTablePhrases.h"
#include "table/phrases/MainWindowPhrases.h"

#include <QLabel>
#include <QTest>

using namespace halvane;

namespace {
const char *const LanguageCodes[LanguageCount] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                  "Chi", "Ita", "Cze", "Jap", "Kor"};

QString Form(const PhraseEntry &entry, int language)
{
    return PhraseIn(*entry.forms, language);
}

QString Where(const PhraseEntry &entry, int language)
{
    return QStringLiteral("%1 %2 [%3]").arg(entry.header, entry.name, LanguageCodes[language]);
}
} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT
private slots:
    void catalogueIsRead()
    {
        // The catalogue comes from reading the headers: an empty one would let every check pass.
        QVERIFY2(PhraseCatalog().size() > 400, qPrintable(QString::number(PhraseCatalog().size())));
    }

    // Lists every phrase that still falls back to English somewhere.
    void everyPhraseHasAllTenForms()
    {
        QStringList missing;
        for (const PhraseEntry &entry : PhraseCatalog()) {
            QStringList languages;
            for (int language = 0; language < LanguageCount; ++language)
                if (!HasForm(*entry.forms, language))
                    languages << LanguageCodes[language];
            if (!languages.isEmpty())
                missing << QStringLiteral("%1 %2: %3").arg(entry.header, entry.name, languages.join(' '));
        }
        if (!missing.isEmpty())
            qWarning("Phrases lacking forms:\n%s", qPrintable(missing.join('\n')));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 phrases lack forms").arg(missing.size())));
    }

    // Line breaks are line feed then carriage return, as many as in English.
    void lineBreaksKeepTheirOrder()
    {
        for (const PhraseEntry &entry : PhraseCatalog()) {
            const int english = Form(entry, 0).count(QLatin1String("\n\r"));
            for (int language = 0; language < LanguageCount; ++language) {
                const QString form = Form(entry, language);
                QVERIFY2(!form.contains(QLatin1String("\r\n")), qPrintable(Where(entry, language)));
                QCOMPARE(form.count(QLatin1String("\n\r")), english);
                QCOMPARE(form.count(QLatin1Char('\n')), english);
                QCOMPARE(form.count(QLatin1Char('\r')), english);
            }
        }
    }

    // Apostrophes are the grave accent; quote characters that split a phrase
    // around a file name must stay where English has them.
    void apostrophesAndQuotes()
    {
        for (const PhraseEntry &entry : PhraseCatalog()) {
            const int quotes = Form(entry, 0).count(QLatin1Char('"'));
            for (int language = 0; language < LanguageCount; ++language) {
                const QString form = Form(entry, language);
                QVERIFY2(!form.contains(QLatin1Char('\'')) && !form.contains(QChar(0x2019)),
                         qPrintable(Where(entry, language) + " " + form));
                QVERIFY2(form.count(QLatin1Char('"')) == quotes, qPrintable(Where(entry, language)));
                // A single quote mark closes or opens a quoted name written next to the phrase.
                if (quotes == 1) {
                    QVERIFY2(form.startsWith(QLatin1Char('"')) == Form(entry, 0).startsWith(QLatin1Char('"')),
                             qPrintable(Where(entry, language)));
                    QVERIFY2(form.endsWith(QLatin1Char('"')) == Form(entry, 0).endsWith(QLatin1Char('"')),
                             qPrintable(Where(entry, language)));
                }
            }
        }
    }

    // A phrase followed by a value keeps its trailing blank (or a full-width
    // colon, which carries its own space); a leading blank is kept as well.
    void significantBlanks()
    {
        for (const PhraseEntry &entry : PhraseCatalog()) {
            const QString english = Form(entry, 0);
            for (int language = 0; language < LanguageCount; ++language) {
                const QString form = Form(entry, language);
                if (english.endsWith(QLatin1Char(' ')))
                    QVERIFY2(form.endsWith(QLatin1Char(' ')) || form.endsWith(QChar(0xFF1A)),
                             qPrintable(Where(entry, language) + " \"" + form + "\""));
                if (english.startsWith(QLatin1Char(' ')))
                    QVERIFY2(form.startsWith(QLatin1Char(' ')), qPrintable(Where(entry, language)));
                QVERIFY2(!form.isEmpty(), qPrintable(Where(entry, language)));
            }
        }
    }

    void clubHeadersAreThirtyNineCharacters()
    {
        for (const PhraseForms *header : {&ph::ClubHeaderScore, &ph::ClubHeaderRating})
            for (int language = 0; language < LanguageCount; ++language) {
                const QString form = PhraseIn(*header, language);
                QVERIFY2(form.size() == 39, qPrintable(QStringLiteral("[%1] %2 \"%3\"")
                                                           .arg(LanguageCodes[language])
                                                           .arg(form.size())
                                                           .arg(form)));
                QVERIFY(form.startsWith(QLatin1Char(' ')) && form.endsWith(QLatin1Char(' ')));
            }
    }

    void productNameIsTheSameEverywhere()
    {
        for (int language = 0; language < LanguageCount; ++language) {
            QVERIFY(HasForm(ph::ProductName, language));
            QCOMPARE(PhraseIn(ph::ProductName, language), QStringLiteral("Halvane"));
        }
    }

    void quotedRussianForms_data()
    {
        QTest::addColumn<const PhraseForms *>("phrase");
        QTest::addColumn<QString>("russian");
        QTest::newRow("Exit to menu") << &ph::ExitToMenu << QStringLiteral("Выход в меню");
        QTest::newRow("Refresh photo") << &ph::RefreshPhoto << QStringLiteral("Обновить фото");
        QTest::newRow("Update info") << &ph::UpdateInfo << QStringLiteral("Обновить информацию");
        QTest::newRow("Close") << &ph::Close << QStringLiteral("Закрыть");
        QTest::newRow("To not") << &ph::ToNot << QStringLiteral("Не");
        QTest::newRow("take") << &ph::TakeWord << QStringLiteral("брать");
        QTest::newRow("tricks after To not take") << &ph::Tricks << QStringLiteral("взяток");
        QTest::newRow("To Take") << &ph::ToTake << QStringLiteral("Брать");
        QTest::newRow("tricks after To Take") << &ph::TricksAfterTake << QStringLiteral("взятки");
        QTest::newRow("boys") << &ph::Boys << QStringLiteral("мальчиков");
        QTest::newRow("girls") << &ph::Girls << QStringLiteral("девочек");
        QTest::newRow("hearts") << &ph::Hearts << QStringLiteral("червей");
        QTest::newRow("King") << &ph::King << QStringLiteral("Кинга");
        QTest::newRow("two") << &ph::Two << QStringLiteral("две");
        QTest::newRow("last") << &ph::Last << QStringLiteral("последние");
        QTest::newRow("all") << &ph::All << QStringLiteral("всё подряд");
    }

    void quotedRussianForms()
    {
        QFETCH(const PhraseForms *, phrase);
        QFETCH(QString, russian);
        QCOMPARE(PhraseIn(*phrase, 1), russian);
    }

    void lookUpFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << 0 << QStringLiteral("Exit");
        QTest::newRow("Russian") << 1 << QStringLiteral("Выход");
        QTest::newRow("German") << 2 << QStringLiteral("Beenden");
        QTest::newRow("Korean") << 9 << QStringLiteral("종료");
        QTest::newRow("below range clamps to English") << -3 << QStringLiteral("Exit");
        QTest::newRow("above range clamps to Korean") << 42 << QStringLiteral("종료");
    }

    void lookUpFollowsTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, expected);
        SetLanguageIndex(language);
        QCOMPARE(Phrase(ph::Exit), expected);
        SetLanguageIndex(0);
    }

    void missingFormFallsBackToEnglish_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("hasForm");
        QTest::newRow("own form") << 1 << QStringLiteral("Да") << true;
        QTest::newRow("null form") << 2 << QStringLiteral("Yes") << false;
        QTest::newRow("empty form") << 3 << QStringLiteral("Yes") << false;
        QTest::newRow("past the given forms") << 9 << QStringLiteral("Yes") << false;
        QTest::newRow("index out of range") << 10 << QStringLiteral("Yes") << false;
    }

    void missingFormFallsBackToEnglish()
    {
        static constexpr PhraseForms partial{"Yes", "Да", nullptr, ""};
        QFETCH(int, language);
        QFETCH(QString, expected);
        QFETCH(bool, hasForm);
        QCOMPARE(PhraseIn(partial, language), expected);
        QCOMPARE(HasForm(partial, language), hasForm);
    }

    // "\n\r" inside a phrase shows as two lines, not as one line with a stray character.
    void lineBreakShownOnTwoLines()
    {
        SetLanguageIndex(1);
        QLabel label;
        label.setText(DisplayLines(Phrase(ph::FragmentsThanks)));
        label.adjustSize();
        const QFontMetrics metrics(label.font());
        const QStringList lines = label.text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY(!label.text().contains(QLatin1Char('\r')));
        QCOMPARE(lines.at(1), QStringLiteral("Спасибо их авторам."));
        QVERIFY(label.sizeHint().height() >= 2 * metrics.height());
        QVERIFY(label.sizeHint().height() < 3 * metrics.height());
        if (qEnvironmentVariableIsSet("HALVANE_SHOTS"))
            label.grab().save(qEnvironmentVariable("HALVANE_SHOTS") + "/two_lines.png");
        SetLanguageIndex(0);
    }
};

QTEST_MAIN(TestDictionary)
#include "test_dictionary.moc"
