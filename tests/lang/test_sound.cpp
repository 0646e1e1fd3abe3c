// The sound layer: wave decoding (against sox), the one-channel rule, waiting
// play with no device, the signals the executable carries, spoken card names
// and the menu tune's timing. Nothing here needs a sound device.
#include "platform/PeResources.h"
#include "platform/ResourceRegistry.h"
#include "platform/sound/MidiTune.h"
#include "platform/sound/MusicPlayer.h"
#include "platform/sound/SoundChannel.h"
#include "platform/sound/WaveDecoder.h"
#include "table/CardVoice.h"
#include "table/Dictionary.h"
#include "table/SignalPlayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace halvane;
using namespace halvane::sound;

Q_DECLARE_METATYPE(halvane::Card)

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<DecodedWave> Decode(const QByteArray &bytes)
{
    return DecodeWave(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
}

void Put16(QByteArray &b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }
void Put32(QByteArray &b, quint32 v)
{
    Put16(b, int(v & 0xFFFF));
    Put16(b, int(v >> 16));
}

// A PCM wave image: header fields as given, then the data bytes.
QByteArray PcmImage(int channels, int rate, int bits, const QByteArray &data, int formatTag = 1)
{
    QByteArray b("RIFF");
    Put32(b, quint32(36 + data.size()));
    b.append("WAVEfmt ");
    Put32(b, 16);
    Put16(b, formatTag);
    Put16(b, channels);
    Put32(b, quint32(rate));
    Put32(b, quint32(rate * channels * bits / 8));
    Put16(b, channels * bits / 8);
    Put16(b, bits);
    b.append("data");
    Put32(b, quint32(data.size()));
    b.append(data);
    return b;
}

// A silent mono wave of the given length in milliseconds.
DecodedWave Silence(int ms, int rate = 8000)
{
    DecodedWave wave;
    wave.sampleRate = rate;
    wave.samples.assign(std::size_t(rate) * std::size_t(ms) / 1000, 0);
    return wave;
}

const char *const SignalNames[] = {"WOpenFo", "WTasoKo", "WDing_1", "WPlMore", "WHodsDo", "WSays40",
                                   "WWrongs", "WKoGutX", "WKoBadX", "WKoGood", "WKoBads", "WFiBest",
                                   "WFiGood", "WFiBads", "WToMenK", "STimerA", "STimerB"};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void adpcmMatchesSox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::newRow("mono 22050 Hz") << "mono" << 1 << 22050;
        QTest::newRow("stereo 44100 Hz") << "stereo" << 2 << 44100;
    }

    void adpcmMatchesSox()
    {
        QFETCH(QString, name);
        QFETCH(int, channels);
        QFETCH(int, rate);
        const QString dir = QStringLiteral(HALVANE_SOUND_FIXTURES "/");
        const auto adpcm = Decode(ReadFile(dir + name + "_adpcm.wav"));
        const auto reference = Decode(ReadFile(dir + name + "_reference.wav"));
        QVERIFY(adpcm && reference);
        QCOMPARE(adpcm->channels, channels);
        QCOMPARE(adpcm->sampleRate, rate);
        // The fact chunk gives the true length (0.3 s); sox decodes the padded last block too.
        QCOMPARE(int(adpcm->frames()), rate * 3 / 10);
        QVERIFY(reference->frames() >= adpcm->frames());
        for (std::size_t i = 0; i < adpcm->samples.size(); ++i)
            if (adpcm->samples[i] != reference->samples[i])
                QFAIL(qPrintable(QStringLiteral("sample %1: %2 instead of %3")
                                     .arg(i)
                                     .arg(adpcm->samples[i])
                                     .arg(reference->samples[i])));
    }

    void pcmDecoding_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("samples");
        QTest::newRow("8-bit unsigned") << PcmImage(1, 11000, 8, QByteArray("\x00\x80\xff", 3)) << 1
                                        << QList<int>{-32768, 0, 32512};
        QTest::newRow("8-bit stereo drops a partial frame")
            << PcmImage(2, 22050, 8, QByteArray("\x80\xff\x00", 3)) << 2 << QList<int>{0, 32512};
        QTest::newRow("16-bit signed") << PcmImage(1, 22050, 16, QByteArray("\x01\x00\xff\xff\x00\x80", 6)) << 1
                                       << QList<int>{1, -1, -32768};
    }

    void pcmDecoding()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, channels);
        QFETCH(QList<int>, samples);
        const auto wave = Decode(image);
        QVERIFY(wave);
        QCOMPARE(wave->channels, channels);
        QCOMPARE(QList<int>(wave->samples.begin(), wave->samples.end()), samples);
    }

    // Damaged images are refused or play what they hold; none is read past its end.
    void damagedImages_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("decodes");
        const QByteArray good = PcmImage(1, 22050, 8, QByteArray(100, '\x90'));
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4) << false;
        QTest::newRow("header only") << good.left(20) << false;
        QTest::newRow("data cut short") << good.left(good.size() - 50) << true;
        QTest::newRow("huge data length") << good.left(40) + QByteArray("\xff\xff\xff\x7f", 4) + good.mid(44) << true;
        QTest::newRow("no data chunk") << good.left(36) << false;
        QTest::newRow("zero channels") << PcmImage(0, 22050, 8, QByteArray(10, 0)) << false;
        QTest::newRow("float format") << PcmImage(1, 22050, 32, QByteArray(16, 0), 3) << false;
        QByteArray adpcm = ReadFile(QStringLiteral(HALVANE_SOUND_FIXTURES "/mono_adpcm.wav"));
        QTest::newRow("adpcm cut in a block") << adpcm.left(adpcm.size() / 2 + 3) << true;
        QByteArray badPredictor = adpcm;
        const int data = int(badPredictor.indexOf("data")) + 8;
        badPredictor[data] = char(200);
        QTest::newRow("adpcm bad predictor") << badPredictor << true;
        QByteArray noCoefficients = adpcm;
        noCoefficients[0x14 + 20] = 0; // coefficient count
        noCoefficients[0x14 + 21] = 0;
        QTest::newRow("adpcm without coefficients") << noCoefficients << false;
    }

    void damagedImages()
    {
        QFETCH(QByteArray, image);
        QFETCH(bool, decodes);
        std::string error;
        const auto wave = DecodeWave(reinterpret_cast<const std::uint8_t *>(image.constData()),
                                     std::size_t(image.size()), &error);
        QCOMPARE(bool(wave), decodes);
        if (!decodes)
            QVERIFY(!error.empty());
    }

    void resamplingKeepsLength()
    {
        DecodedWave wave = Silence(500, 11000);
        wave.samples[100] = 1000;
        const DecodedWave out = Resampled(wave, 48000, 2);
        QCOMPARE(out.channels, 2);
        QVERIFY(std::abs(out.durationMs() - 500) <= 1);
        QVERIFY(*std::max_element(out.samples.begin(), out.samples.end()) > 0);
    }

    // A click during a sound played to its end is dropped, and not kept to
    // land on whatever the table shows once the sound is over.
    void inputDuringAWaitingPlayIsDropped()
    {
        SoundChannel channel(SoundChannel::Output::Silent);
        QPushButton button;
        button.show();
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
        QTimer::singleShot(50, &button, [&button] { QTest::mouseClick(&button, Qt::LeftButton); });
        channel.Play(Silence(300), true);
        QCOMPARE(clicks, 0);
        QTest::qWait(20);
        QCOMPARE(clicks, 0);
        QTest::mouseClick(&button, Qt::LeftButton); // afterwards input counts again
        QCOMPARE(clicks, 1);
    }

    // With no device a waiting play still lasts the sound's own length, and an
    // asynchronous one returns at once while the sound counts as playing.
    void waitingPlayLastsTheSound()
    {
        SoundChannel channel(SoundChannel::Output::Silent);
        QElapsedTimer clock;
        clock.start();
        channel.Play(Silence(300), true);
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 295 && waited < 1500, qPrintable(QString::number(waited)));
        QVERIFY(!channel.IsPlaying());

        clock.restart();
        channel.Play(Silence(300), false);
        QVERIFY(clock.elapsed() < 100);
        QVERIFY(channel.IsPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!channel.IsPlaying(), 2000);
    }

    // The default output works the same on a machine without a sound device.
    void deviceOutputNeverHangs()
    {
        SoundChannel channel(SoundChannel::Output::Device);
        QElapsedTimer clock;
        clock.start();
        channel.Play(Silence(200, 22050), true);
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    }

    // A new sound cuts off the one playing, and a wait on the old one ends then.
    void newSoundCutsTheOldOne()
    {
        SoundChannel channel(SoundChannel::Output::Silent);
        bool waitingSeen = false;
        QTimer::singleShot(80, &channel, [&] {
            waitingSeen = channel.IsWaiting();
            channel.Play(Silence(400), false);
        });
        QElapsedTimer clock;
        clock.start();
        channel.Play(Silence(3000), true);
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited < 1000, qPrintable(QString::number(waited)));
        QCOMPARE(channel.Generation(), quint64(2));
        QVERIFY(waitingSeen);
        QVERIFY(!channel.IsWaiting());
        QVERIFY(channel.IsPlaying());
        channel.Stop();
        QVERIFY(!channel.IsPlaying());
    }

    void signalPlayer_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("plays");
        QTest::newRow("known signal") << "WDing_1" << true << true;
        QTest::newRow("any letter case") << "wding_1" << true << true;
        QTest::newRow("sound off") << "WDing_1" << false << false;
        QTest::newRow("unknown") << "WNothing" << true << false;
        QTest::newRow("damaged") << "WBroken" << true << false;
    }

    void signalPlayer()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QFETCH(bool, plays);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("WAVE"));
        QFile good(dir.filePath("WAVE/WDing_1.wav"));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write(PcmImage(1, 8000, 8, QByteArray(400, '\x80')));
        good.close();
        QFile broken(dir.filePath("WAVE/WBroken.wav"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF1234WAVE");
        broken.close();
        const ResourceRegistry registry(dir.path());
        SoundChannel channel(SoundChannel::Output::Silent);
        SignalPlayer player(channel, registry);
        player.PlayWave(name.toStdString(), false, enabled);
        QCOMPARE(channel.Generation(), quint64(plays ? 1 : 0));
        QCOMPARE(channel.IsPlaying(), plays);
    }

    // Every signal of the table is compiled in, plays, and is neither silent
    // nor clipped; its length suits its event.
    void executableCarriesEverySignal()
    {
        SoundChannel channel(SoundChannel::Output::Silent);
        SignalPlayer player(channel, ResourceRegistry::instance());
        for (const char *name : SignalNames) {
            const DecodedWave *wave = player.Signal(QString::fromLatin1(name));
            QVERIFY2(wave, name);
            const int ms = wave->durationMs();
            QVERIFY2(ms >= 40 && ms <= 7500, qPrintable(QStringLiteral("%1: %2 ms").arg(name).arg(ms)));
            double sum = 0;
            int peak = 0;
            for (const std::int16_t s : wave->samples) {
                sum += double(s) * s;
                peak = std::max(peak, std::abs(int(s)));
            }
            const double rms = std::sqrt(sum / double(wave->samples.size())) / 32768.0;
            QVERIFY2(rms > 0.03, qPrintable(QStringLiteral("%1 is too quiet: %2").arg(name).arg(rms)));
            QVERIFY2(peak < 32000, qPrintable(QStringLiteral("%1 clips: %2").arg(name).arg(peak)));
        }
        QVERIFY(player.Signal("WDing_1")->durationMs() < 100);
        QVERIFY(player.Signal("WFiBest")->durationMs() > 4000);
    }

    void voiceLineNames_data()
    {
        QTest::addColumn<Card>("card");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        using namespace RankChar;
        using namespace SuitChar;
        QTest::newRow("king of hearts, German") << Card(King, Hearts) << 2 << "Ch4KVoiceDeu";
        QTest::newRow("ten of diamonds, Russian") << Card(Ten, Diamonds) << 1 << "Bu10VoiceRus";
        QTest::newRow("seven of hearts, English") << Card(Seven, Hearts) << 0 << "Ch07VoiceEng";
        QTest::newRow("nine of spades, Czech") << Card(Nine, Spades) << 7 << "Pi09VoiceCze";
        QTest::newRow("ace of clubs, Korean") << Card(Ace, Clubs) << 9 << "Kr5AVoiceKor";
        QTest::newRow("jack of hearts, Japanese") << Card(Jack, Hearts) << 8 << "Ch2JVoiceJap";
        QTest::newRow("queen of spades, Chinese") << Card(Queen, Spades) << 5 << "Pi3QVoiceChi";
        QTest::newRow("eight of clubs, French") << Card(Eight, Clubs) << 3 << "Kr08VoiceFra";
        QTest::newRow("empty slot") << NoCard << 0 << "";
        QTest::newRow("unknown suit") << Card(King, 'x') << 0 << "";
    }

    void voiceLineNames()
    {
        QFETCH(Card, card);
        QFETCH(int, language);
        QFETCH(QString, name);
        QCOMPARE(VoiceLineName(card, language), name);
    }

    // The pack is looked for beside the program, then in its parent folder.
    void speakCardFindsThePack_data()
    {
        QTest::addColumn<QString>("packAt"); // relative to the parent of the program folder
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("hasLine");
        QTest::addColumn<bool>("spoken");
        QTest::addColumn<bool>("heard");
        QTest::newRow("beside the program") << "Halvane/VyxCVoice3.dll" << true << true << true << true;
        QTest::newRow("in the parent folder") << "VyxCVoice3.dll" << true << true << true << true;
        QTest::newRow("no pack") << "" << true << true << false << false;
        QTest::newRow("pack will not open") << "Halvane/VyxCVoice3.dll" << false << false << false << false;
        QTest::newRow("line missing") << "Halvane/VyxCVoice3.dll" << true << false << true << false;
    }

    void speakCardFindsThePack()
    {
        QFETCH(QString, packAt);
        QFETCH(bool, opens);
        QFETCH(bool, hasLine);
        QFETCH(bool, spoken);
        QFETCH(bool, heard);
        QTemporaryDir root;
        QDir(root.path()).mkpath("Halvane");
        if (!packAt.isEmpty()) {
            QFile pack(root.filePath(packAt));
            QVERIFY(pack.open(QIODevice::WriteOnly));
            pack.write("MZ");
        }
        QString asked;
        QString askedPath;
        const auto reader = [&](const QString &path, const QString &name) {
            askedPath = path;
            asked = name;
            CardVoice::PackLookup lookup;
            lookup.opened = opens;
            if (hasLine)
                lookup.data = PcmImage(1, 8000, 8, QByteArray(800, '\x70'));
            return lookup;
        };
        SoundChannel channel(SoundChannel::Output::Silent);
        CardVoice voice(channel, root.filePath("Halvane"), reader);
        SetLanguageIndex(2);
        QCOMPARE(voice.SpeakCard(Card(RankChar::King, SuitChar::Hearts), false), spoken);
        SetLanguageIndex(0);
        QCOMPARE(channel.IsPlaying(), heard);
        if (!packAt.isEmpty()) {
            QCOMPARE(askedPath, QDir::cleanPath(root.filePath(packAt)));
            QCOMPARE(asked, QStringLiteral("Ch4KVoiceDeu"));
        }
    }

#ifdef HALVANE_VOICE_PACK
    // A pack written by a Windows toolchain: the line is found in any letter
    // case, other lines and a damaged file are handled as the Part says.
    void speakCardFromARealPack()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath("Halvane");
        QVERIFY(QFile::copy(HALVANE_VOICE_PACK, root.filePath("VyxCVoice3.dll")));
        SoundChannel channel(SoundChannel::Output::Silent);
        CardVoice voice(channel, root.filePath("Halvane"));
        SetLanguageIndex(2);
        QVERIFY(voice.SpeakCard(Card(RankChar::King, SuitChar::Hearts), false));
        QCOMPARE(channel.Generation(), quint64(1));
        QVERIFY(channel.IsPlaying());
        SetLanguageIndex(1);
        QVERIFY(voice.SpeakCard(Card(RankChar::King, SuitChar::Hearts), false)); // no Russian line: silent
        QCOMPARE(channel.Generation(), quint64(1));
        SetLanguageIndex(0);
        QFile damaged(root.filePath("VyxCVoice3.dll"));
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.resize(300);
        damaged.close();
        QVERIFY(!voice.SpeakCard(Card(RankChar::King, SuitChar::Hearts), false));
    }
#endif

#ifdef HALVANE_BUILT_VOICE_PACK
    // The pack the build puts beside the program: every face in every language,
    // each line audible and of a spoken name's length.
    void builtVoicePackHasEveryLine()
    {
        const PeResources pack = PeResources::fromFile(QStringLiteral(HALVANE_PROGRAM_DIR "/VyxCVoice3.dll"));
        QVERIFY2(pack.isValid(), qPrintable(pack.error()));
        const unsigned char ranks[] = {RankChar::Seven, RankChar::Eight, RankChar::Nine, RankChar::Ten,
                                       RankChar::Jack,  RankChar::Queen, RankChar::King, RankChar::Ace};
        const unsigned char suits[] = {SuitChar::Hearts, SuitChar::Diamonds, SuitChar::Clubs, SuitChar::Spades};
        int checked = 0;
        for (int language = 0; language < LanguageCount; ++language)
            for (const unsigned char suit : suits)
                for (const unsigned char rank : ranks) {
                    const QString name = VoiceLineName(Card(rank, suit), language);
                    const auto wave = Decode(pack.data(ResourceType::RcData, name));
                    QVERIFY2(wave, qPrintable(name));
                    // Loudness and length of a sample of lines (decoding all would be slow).
                    if ((checked++ % 23) != 0)
                        continue;
                    QVERIFY2(wave->durationMs() > 400 && wave->durationMs() < 4000, qPrintable(name));
                    double sum = 0;
                    for (const std::int16_t v : wave->samples)
                        sum += double(v) * v;
                    QVERIFY2(std::sqrt(sum / double(wave->samples.size())) > 1000, qPrintable(name));
                }
        QCOMPARE(checked, 320);
    }
#endif

    void midiDuration_data()
    {
        QTest::addColumn<int>("microsPerQuarter");
        QTest::addColumn<int>("lastTick");
        QTest::addColumn<int>("expectedMs");
        QTest::newRow("four quarters at 120 bpm") << 500000 << 4 * 480 << 2000;
        QTest::newRow("eight quarters at 90 bpm") << 666667 << 8 * 480 << 5333;
    }

    void midiDuration()
    {
        QFETCH(int, microsPerQuarter);
        QFETCH(int, lastTick);
        QFETCH(int, expectedMs);
        MidiPart part;
        part.notes = {{0, 480, 60, 90}, {lastTick - 240, 240, 64, 90}};
        const auto file = WriteMidiFile(480, microsPerQuarter, {part});
        QCOMPARE(MidiDurationMs(file.data(), file.size()), expectedMs);
        // Any cut of the file is refused, never read past.
        for (std::size_t cut = 0; cut < file.size(); ++cut)
            QCOMPARE(MidiDurationMs(file.data(), cut), -1);
    }

    void tuneCountsAsPlayingForItsLength()
    {
        MidiPart part;
        part.notes = {{0, 240, 60, 90}, {240, 240, 67, 90}};
        const auto file = WriteMidiFile(480, 500000, {part});
        MusicPlayer music(MusicPlayer::Output::Silent);
        QVERIFY(!music.Load(QByteArray("not a tune")));
        QVERIFY(!music.IsLoaded());
        QVERIFY(music.Load(QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.size()))));
        QCOMPARE(music.DurationMs(), 500);
        QVERIFY(!music.IsPlaying());
        music.Play();
        QVERIFY(music.IsPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!music.IsPlaying(), 2000);
        music.Play();
        music.Stop();
        QVERIFY(!music.IsPlaying());
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
