#pragma once
// The game's signal sounds: named wave resources of the executable, played on
// the one sound channel (a new signal cuts off the one playing).

#include "WavePlayer.h"
#include "platform/sound/WaveDecoder.h"

#include <QHash>
#include <QString>

namespace halvane {

class ResourceRegistry;
namespace sound {
class SoundChannel;
}

class SignalPlayer : public WavePlayer
{
public:
    SignalPlayer(sound::SoundChannel &channel, const ResourceRegistry &resources);

    // Nothing when `enabled` is false; an unknown or damaged signal is silent.
    void PlayWave(const std::string &name, bool wait, bool enabled) override;
    bool IsWaiting() const override;

    // The decoded signal, or nullptr when the executable has no such wave.
    const sound::DecodedWave *Signal(const QString &name);

private:
    sound::SoundChannel &m_channel;
    const ResourceRegistry &m_resources;
    QHash<QString, sound::DecodedWave> m_decoded; // upper-cased name
    QHash<QString, bool> m_unplayable;
};

} // namespace halvane
