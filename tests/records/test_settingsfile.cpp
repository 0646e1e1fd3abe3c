// "Halvane.ini": the 35 lines, the general line, and reading that stops at the
// first line failing its condition.

#include "records/codec/SettingsFile.h"
#include "records/codec/TextFile.h"

#include <QTest>

using namespace halvane;

namespace {
// The file a run with all defaults writes, as exact bytes.
const std::string DefaultFile =
    "<# General>\r\n011110141RL010020000\r\n<# Cards>\r\n0\r\n<# Decks>\r\n000\r\n<# Individual>\r\n000###\r\n"
    "<# Fonts>\r\nComic Sans MS\r\nComic Sans MS\r\nFixedSys\r\nCourier New\r\n100\r\n100\r\n100\r\n100\r\n"
    "<# IP & Port>\r\n127.0.0.1\r\n25666\r\n<# Background>\r\n020\r\n<# Name Of Player>\r\nMr.X\r\n"
    "<# World Top Ten>\r\n#\r\nIncognito\r\n1-001\r\nMoscow\r\nM\r\n#\r\n<# Save Games as GIF>\r\n\xEB\r\n1\r\n1000\r\n";

// Settings that differ from the defaults in every line.
Settings Changed()
{
    Settings s;
    s.LanguageIndex = 7;
    s.SoundOn = false;
    s.GifAnimation = false;
    s.MenuDisplayMode = 2;
    s.NetGame = true;
    s.GameSpeed = 6;
    s.WindowSize = 3;
    s.CaptionColour = 5;
    s.DialogDesign = 3;
    s.PurpleDialogs = true;
    s.MainMenuDesign = 1;
    s.SaluteCards = true;
    s.CardSet = 31;
    s.BackSet = 9;
    s.OneBackAlways = true;
    s.OrderedKing = true;
    s.LongGame = true;
    s.FontSlots[2] = {"DejaVu Sans", 120};
    s.LanServerAddress = "10.0.0.7";
    s.LanServerPort = "4000";
    s.BackgroundPicture = 10;
    s.BackgroundColour = 6;
    s.LastPlayerName = "\xC0\xED\xED\xE0"; // Анна in Windows-1251
    s.WorldTableEndpoint = "QmFzZTY0";
    s.PassportNick = "Nick";
    s.PassportCountry = "3-035";
    s.PassportCity = "Berlin";
    s.PassportSex = "W";
    s.StatisticsEndpoint = "U3RhdHM=";
    s.SaveGamesAsGif = true;
    s.CaptureMode = 2;
    s.FrameDelay = 250;
    return s;
}

std::vector<std::string> ChangedLines() { return SettingsLines(Changed()); }

Settings Parse(const std::vector<std::string> &lines) { return ParseSettingsFile(JoinLines(lines)); }

bool SameAsDefaults(const Settings &s) { return SettingsFileBytes(s) == SettingsFileBytes(Settings{}); }
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAsExactBytes()
    {
        QCOMPARE(SettingsFileBytes(Settings{}), DefaultFile);
        QVERIFY(SameAsDefaults(ParseSettingsFile(DefaultFile)));
    }

    void roundTrip()
    {
        const Settings s = Changed();
        const Settings back = ParseSettingsFile(SettingsFileBytes(s));
        QCOMPARE(SettingsFileBytes(back), SettingsFileBytes(s));
        QCOMPARE(back.LanguageIndex, 7);
        QCOMPARE(back.FontSlots[2].name, std::string("DejaVu Sans"));
        QCOMPARE(back.PassportCountry, std::string("3-035"));
        QVERIFY(back.SaveGamesAsGif);
        QCOMPARE(ChangedLines()[1], std::string("730121163RL050131001"));
    }

    void lineCount()
    {
        std::vector<std::string> lines = ChangedLines();
        lines.pop_back();
        QVERIFY(SameAsDefaults(Parse(lines))); // 34 lines: every default
        QVERIFY(SameAsDefaults(ParseSettingsFile(std::nullopt)));
        lines = ChangedLines();
        lines.push_back("1234");
        QCOMPARE(SettingsFileBytes(Parse(lines)), SettingsFileBytes(Changed())); // 36: the first 35
    }

    void shortGeneralLine()
    {
        std::vector<std::string> lines = ChangedLines();
        lines[1] = lines[1].substr(0, 8);
        const Settings s = Parse(lines);
        QCOMPARE(s.LanguageIndex, 7);
        QCOMPARE(s.GameSpeed, 6);   // character 8 is read
        QCOMPARE(s.WindowSize, 1);  // character 9 is not
        QVERIFY(s.InstallReportDone && s.LikeGiven);
        QCOMPARE(s.CaptionColour, 1);
        QCOMPARE(s.DialogDesign, 2);
        QVERIFY(!s.PurpleDialogs);
        QCOMPARE(s.CardSet, 31); // later lines are still read
    }

    void lineSixOfTwoCharactersStops()
    {
        std::vector<std::string> lines = ChangedLines();
        lines[5] = "09";
        const Settings s = Parse(lines);
        QCOMPARE(s.CardSet, 31);
        QCOMPARE(s.BackSet, 0);
        QVERIFY(!s.OrderedKing && !s.LongGame);
        QCOMPARE(s.FontSlots[2].name, std::string("FixedSys"));
        QCOMPARE(s.LanServerAddress, std::string("127.0.0.1"));
        QCOMPARE(s.BackgroundPicture, 2);
        QCOMPARE(s.LastPlayerName, std::string("Mr.X"));
        QCOMPARE(s.PassportCity, std::string("Moscow"));
        QVERIFY(!s.SaveGamesAsGif);
        QCOMPARE(s.FrameDelay, 1000);
    }

    void stopsAtTheFirstFailure_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lastRead");  // a value still taken from the file
        QTest::addColumn<QString>("firstLost"); // a value already at its default
        QTest::newRow("font name of one character") << 12 << "X" << "fontSlot2" << "fontSlot3";
        QTest::newRow("empty percentage") << 15 << "" << "fontSlot3" << "percent3";
        QTest::newRow("empty port") << 20 << "" << "address" << "port";
        QTest::newRow("empty background") << 22 << "" << "port" << "background";
        QTest::newRow("empty name") << 24 << "" << "background" << "name";
        QTest::newRow("empty endpoint") << 26 << "" << "name" << "nick";
        QTest::newRow("country of four") << 28 << "1-01" << "nick" << "country";
        QTest::newRow("empty city") << 29 << "" << "country" << "city";
        QTest::newRow("empty sex") << 30 << "" << "city" << "gif";
    }
    void stopsAtTheFirstFailure()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, lastRead);
        QFETCH(QString, firstLost);
        std::vector<std::string> lines = ChangedLines();
        lines[std::size_t(line - 1)] = text.toStdString();
        const Settings s = Parse(lines);
        const Settings changed = Changed();
        const Settings defaults;
        auto value = [](const Settings &x, const QString &what) -> std::string {
            if (what == "fontSlot2") return x.FontSlots[1].name + "/" + x.FontSlots[0].name;
            if (what == "fontSlot3") return x.FontSlots[2].name;
            if (what == "percent3") return std::to_string(x.FontSlots[2].percent);
            if (what == "address") return x.LanServerAddress;
            if (what == "port") return x.LanServerPort;
            if (what == "background") return std::to_string(x.BackgroundPicture * 10 + x.BackgroundColour);
            if (what == "name") return x.LastPlayerName;
            if (what == "nick") return x.PassportNick;
            if (what == "country") return x.PassportCountry;
            if (what == "city") return x.PassportCity;
            if (what == "gif") return std::to_string(x.SaveGamesAsGif) + std::to_string(x.FrameDelay);
            return {};
        };
        if (lastRead != "fontSlot2") // slot 2 keeps its default name in Changed()
            QCOMPARE(value(s, lastRead), value(changed, lastRead));
        QCOMPARE(value(s, firstLost), value(defaults, firstLost));
        QCOMPARE(s.CardSet, 31);
    }

    void passportCountry_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Asia 51") << "2-051" << "2-051";
        QTest::newRow("Asia 52 rejected") << "2-052" << "1-001";
        QTest::newRow("Africa 54") << "6-054" << "6-054";
        QTest::newRow("continent 7") << "7-001" << "1-001";
        QTest::newRow("no dash") << "21052" << "1-001";
        QTest::newRow("letters") << "1-0a1" << "1-001";
    }
    void passportCountry()
    {
        QFETCH(QString, code);
        QFETCH(QString, kept);
        std::vector<std::string> lines = ChangedLines();
        lines[27] = code.toStdString();
        const Settings s = Parse(lines);
        QCOMPARE(QString::fromStdString(s.PassportCountry), kept);
        QCOMPARE(s.PassportCity, std::string("Berlin")); // the parse goes on
    }

    void passportSex()
    {
        std::vector<std::string> lines = ChangedLines();
        lines[29] = "F";
        QCOMPARE(Parse(lines).PassportSex, std::string("M"));
        lines[29] = "Woman";
        QCOMPARE(Parse(lines).PassportSex, std::string("W"));
    }

    void generalLineCharacters()
    {
        Settings s;
        s.WindowSize = 3;
        QCOMPARE(GeneralLine(s)[8], '3');
        s.WindowSize = 7;
        QCOMPARE(GeneralLine(s)[8], '#');
        std::vector<std::string> lines = SettingsLines(s);
        QCOMPARE(Parse(lines).WindowSize, 1);
        s.SoundOn = false;
        s.MusicOn = true;
        QCOMPARE(GeneralLine(s)[1], '3');
        s.GameSpeed = 9;
        QCOMPARE(GeneralLine(s)[7], '4');
        s.DialogDesign = 0;
        QCOMPARE(GeneralLine(s)[15], '1');
        s.InstallReportDone = false;
        s.LikeGiven = false;
        s.RadioListFromServer = false;
        QCOMPARE(GeneralLine(s).substr(9, 3), std::string("##1"));
    }

    void generalLineReading_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("music");
        QTest::newRow("language 9, sound only") << "92" << 9 << true << false;
        QTest::newRow("unknown language and sound code") << "Z7" << 0 << true << true;
        QTest::newRow("code beyond ten languages") << "c0" << 0 << false << false;
        QTest::newRow("music only") << "13" << 1 << false << true;
    }
    void generalLineReading()
    {
        QFETCH(QString, line);
        QFETCH(int, language);
        QFETCH(bool, sound);
        QFETCH(bool, music);
        std::vector<std::string> lines = SettingsLines(Settings{});
        lines[1] = line.toStdString();
        const Settings s = Parse(lines);
        QCOMPARE(s.LanguageIndex, language);
        QCOMPARE(s.SoundOn, sound);
        QCOMPARE(s.MusicOn, music);
    }

    void malformedNumbersKeepDefaults_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("card set x7") << 4 << "x7";
        QTest::newRow("card set 48") << 4 << "48";
        QTest::newRow("back set ab") << 6 << "ab0";
        QTest::newRow("percent 151") << 14 << "151";
        QTest::newRow("percent text") << 16 << "big";
        QTest::newRow("background ?") << 22 << "??9";
        QTest::newRow("capture 3") << 34 << "3";
        QTest::newRow("frame delay too long a number") << 35 << "99999999999999999999";
        QTest::newRow("frame delay 5") << 35 << "5";
    }
    void malformedNumbersKeepDefaults()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        std::vector<std::string> lines = SettingsLines(Settings{});
        lines[std::size_t(line - 1)] = text.toStdString();
        QVERIFY(SameAsDefaults(Parse(lines)));
    }

    void emptyTextsAreWrittenSoTheRestStillReads()
    {
        Settings s = Changed();
        s.LanServerPort.clear();
        const Settings back = ParseSettingsFile(SettingsFileBytes(s));
        QCOMPARE(back.LanServerPort, std::string("25666"));
        QCOMPARE(back.PassportCity, std::string("Berlin"));
        s.WorldTableEndpoint.clear();
        QCOMPARE(ParseSettingsFile(SettingsFileBytes(s)).WorldTableEndpoint, std::string());
    }

    void lfOnlyLineEnds()
    {
        std::string text = SettingsFileBytes(Changed());
        std::string lf;
        for (char c : text)
            if (c != '\r')
                lf.push_back(c);
        QCOMPARE(SettingsFileBytes(ParseSettingsFile(lf)), text);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
