#include "SignalPlayer.h"

#include "platform/ResourceRegistry.h"
#include "platform/sound/SoundChannel.h"

namespace halvane {

SignalPlayer::SignalPlayer(sound::SoundChannel &channel, const ResourceRegistry &resources)
    : m_channel(channel)
    , m_resources(resources)
{
}

const sound::DecodedWave *SignalPlayer::Signal(const QString &name)
{
    const QString key = name.toUpper();
    if (const auto it = m_decoded.constFind(key); it != m_decoded.constEnd())
        return &*it;
    if (m_unplayable.contains(key))
        return nullptr;
    const QByteArray bytes = m_resources.data(ResourceType::Wave, name);
    auto wave = sound::DecodeWave(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    if (!wave) {
        m_unplayable.insert(key, true);
        return nullptr;
    }
    return &*m_decoded.insert(key, std::move(*wave));
}

bool SignalPlayer::IsWaiting() const
{
    return m_channel.IsWaiting();
}

void SignalPlayer::PlayWave(const std::string &name, bool wait, bool enabled)
{
    if (!enabled)
        return;
    if (const sound::DecodedWave *wave = Signal(QString::fromStdString(name)))
        m_channel.Play(*wave, wait);
}

} // namespace halvane
