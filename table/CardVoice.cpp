#include "CardVoice.h"

#include "Dictionary.h"
#include "platform/PeResources.h"
#include "platform/sound/SoundChannel.h"
#include "platform/sound/WaveDecoder.h"

#include <QDir>
#include <QFileInfo>

namespace halvane {

QString LanguageCode(int languageIndex)
{
    static const char *const codes[LanguageCount] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                     "Chi", "Ita", "Cze", "Jap", "Kor"};
    if (languageIndex < 0 || languageIndex >= LanguageCount)
        return QString::fromLatin1(codes[0]);
    return QString::fromLatin1(codes[languageIndex]);
}

QString VoiceLineName(Card card, int languageIndex)
{
    QString suit;
    switch (card.suit) {
    case SuitChar::Hearts: suit = QStringLiteral("Ch"); break;
    case SuitChar::Diamonds: suit = QStringLiteral("Bu"); break;
    case SuitChar::Clubs: suit = QStringLiteral("Kr"); break;
    case SuitChar::Spades: suit = QStringLiteral("Pi"); break;
    default: return QString();
    }
    QString rank;
    switch (card.rank) {
    case RankChar::Ten: rank = QStringLiteral("10"); break;
    case RankChar::Jack: rank = QStringLiteral("2J"); break;
    case RankChar::Queen: rank = QStringLiteral("3Q"); break;
    case RankChar::King: rank = QStringLiteral("4K"); break;
    case RankChar::Ace: rank = QStringLiteral("5A"); break;
    default:
        if (card.rank >= '2' && card.rank <= '9')
            rank = QStringLiteral("0") + QLatin1Char(char(card.rank));
        else
            return QString();
    }
    return suit + rank + QStringLiteral("Voice") + LanguageCode(languageIndex);
}

CardVoice::CardVoice(sound::SoundChannel &channel, QString programFolder, PackReader reader)
    : m_channel(channel)
    , m_programFolder(std::move(programFolder))
    , m_reader(std::move(reader))
{
}

CardVoice::PackLookup CardVoice::ReadPeResource(const QString &packPath, const QString &name)
{
    const PeResources pack = PeResources::fromFile(packPath);
    PackLookup lookup;
    lookup.opened = pack.isValid();
    if (lookup.opened)
        lookup.data = pack.data(ResourceType::RcData, name);
    return lookup;
}

QString CardVoice::FindPack() const
{
    const QDir folder(m_programFolder);
    const QString name = QString::fromLatin1(VoicePackName);
    for (const QString &candidate : {folder.filePath(name), folder.filePath(QStringLiteral("../") + name)}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

bool CardVoice::SpeakCard(Card card, bool wait)
{
    const QString pack = FindPack();
    if (pack.isEmpty() || !m_reader)
        return false;
    const PackLookup line = m_reader(pack, VoiceLineName(card, LanguageIndex()));
    if (!line.opened)
        return false;
    // A pack without this line (or this language) is silent, but it did open.
    const auto wave = sound::DecodeWave(reinterpret_cast<const std::uint8_t *>(line.data.constData()),
                                        std::size_t(line.data.size()));
    if (wave)
        m_channel.Play(*wave, wait);
    return true;
}

} // namespace halvane
