#pragma once
// Spoken card names: the voice lines of the voice pack "VyxCVoice3.dll",
// named face name + "Voice" + language code ("Ch4K" + "Voice" + "Deu" is the
// King of hearts in German). They play on the signals' channel and do not
// depend on the sound setting.

#include "core/Card.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace halvane {

namespace sound {
class SoundChannel;
}

inline constexpr const char *VoicePackName = "VyxCVoice3.dll";

// The three-letter code of a LanguageIndex: "Eng", "Rus", ... "Kor".
QString LanguageCode(int languageIndex);
// The voice line's resource name for a card, empty for an empty or unknown card.
QString VoiceLineName(Card card, int languageIndex);

class CardVoice
{
public:
    // One named RCDATA resource of a pack file: `opened` is false when the file
    // is no readable pack; `data` is empty when the pack lacks the resource.
    struct PackLookup {
        bool opened = false;
        QByteArray data;
    };
    using PackReader = std::function<PackLookup(const QString &packPath, const QString &name)>;

    CardVoice(sound::SoundChannel &channel, QString programFolder, PackReader reader = ReadPeResource);
    // Reads the resource from the pack as a Windows resource DLL.
    static PackLookup ReadPeResource(const QString &packPath, const QString &name);

    // The pack beside the program, else in its parent folder; empty when neither exists.
    QString FindPack() const;
    // Speaks the card in the current language. False when no voice pack opens;
    // true when the pack opened, even if it lacks that line (nothing is heard then).
    bool SpeakCard(Card card, bool wait);

private:
    sound::SoundChannel &m_channel;
    QString m_programFolder;
    PackReader m_reader;
};

} // namespace halvane
