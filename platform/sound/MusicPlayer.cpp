#include "MusicPlayer.h"

#include "MidiTune.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>

#include <fluidsynth.h>

namespace halvane::sound {

MusicPlayer::MusicPlayer(Output output, QString soundFont)
    : m_output(output)
    , m_soundFont(std::move(soundFont))
{
}

MusicPlayer::~MusicPlayer()
{
    ClosePlayer();
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

bool MusicPlayer::Load(const QByteArray &midi)
{
    const int duration = MidiDurationMs(reinterpret_cast<const std::uint8_t *>(midi.constData()), std::size_t(midi.size()));
    if (duration < 0)
        return false;
    Stop();
    m_midi = midi;
    m_durationMs = duration;
    return true;
}

// The synthesiser and the audio driver are opened at the first play, and only
// when there is an output device; otherwise the tune is only timed.
bool MusicPlayer::OpenSynth()
{
    if (m_triedSynth)
        return m_driver != nullptr;
    m_triedSynth = true;
    if (m_output != Output::Device || QMediaDevices::defaultAudioOutput().isNull() ||
        !QFileInfo(m_soundFont).isFile())
        return false;
    // FluidSynth's chatter would go to the terminal on every start.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    m_settings = new_fluid_settings();
    // The default gain is far quieter than the signals.
    fluid_settings_setnum(m_settings, "synth.gain", 0.6);
    m_synth = new_fluid_synth(m_settings);
    if (!m_synth || fluid_synth_sfload(m_synth, m_soundFont.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        return false;
    m_driver = new_fluid_audio_driver(m_settings, m_synth);
    return m_driver != nullptr;
}

void MusicPlayer::Play()
{
    if (m_midi.isEmpty())
        return;
    Stop();
    if (OpenSynth()) {
        m_player = new_fluid_player(m_synth);
        if (m_player) {
            fluid_player_add_mem(m_player, m_midi.constData(), std::size_t(m_midi.size()));
            fluid_player_play(m_player);
        }
    }
    m_started.start();
    m_playing = true;
}

void MusicPlayer::ClosePlayer()
{
    if (!m_player)
        return;
    fluid_player_stop(m_player);
    fluid_player_join(m_player);
    delete_fluid_player(m_player);
    m_player = nullptr;
    if (m_synth)
        fluid_synth_all_notes_off(m_synth, -1);
}

void MusicPlayer::Stop()
{
    ClosePlayer();
    m_playing = false;
}

bool MusicPlayer::IsPlaying() const
{
    if (!m_playing)
        return false;
    if (m_player)
        return fluid_player_get_status(m_player) == FLUID_PLAYER_PLAYING;
    return m_started.elapsed() < m_durationMs;
}

} // namespace halvane::sound
