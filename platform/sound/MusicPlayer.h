#pragma once
// The background tune: a standard MIDI file played by FluidSynth with a
// General MIDI soundfont. With no audio device nothing is heard, and the tune
// counts as playing for its own length, so a caller that restarts it when it
// has stopped behaves the same either way.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_audio_driver_t;

namespace halvane::sound {

class MusicPlayer
{
public:
    enum class Output { Device, Silent };
    explicit MusicPlayer(Output output = Output::Device,
                         QString soundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"));
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer &) = delete;
    MusicPlayer &operator=(const MusicPlayer &) = delete;

    // Takes the tune; false for an image that is no MIDI file.
    bool Load(const QByteArray &midi);
    bool IsLoaded() const { return !m_midi.isEmpty(); }
    // Plays the tune from its start.
    void Play();
    void Stop();
    bool IsPlaying() const;
    int DurationMs() const { return m_durationMs; }
    bool HasDevice() const { return m_driver != nullptr; }

private:
    bool OpenSynth();
    void ClosePlayer();

    Output m_output;
    QString m_soundFont;
    QByteArray m_midi;
    int m_durationMs = 0;
    bool m_triedSynth = false;
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    _fluid_audio_driver_t *m_driver = nullptr;
    _fluid_player_t *m_player = nullptr;
    QElapsedTimer m_started;
    bool m_playing = false;
};

} // namespace halvane::sound
