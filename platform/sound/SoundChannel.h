#pragma once
// The single channel for signals and voice lines: a new sound cuts off the one
// playing. A waiting play returns when the sound's own length has passed,
// whether or not an audio device reports its end (with no device nothing is
// heard, and the timing is the same). While waiting, the window keeps
// repainting and timers run, but user input is held back.

#include "WaveDecoder.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;
class QEventLoop;

namespace halvane::sound {

class SoundChannel : public QObject
{
    Q_OBJECT
public:
    enum class Output {
        Device, // the default audio output, or silence when there is none
        Silent, // never opens a device: only the timing (tests, no-sound runs)
    };
    explicit SoundChannel(Output output = Output::Device, QObject *parent = nullptr);
    ~SoundChannel() override;

    void Play(const DecodedWave &wave, bool wait);
    void Stop();
    // Whether the last sound started has not yet run its length.
    bool IsPlaying() const;
    // Counts the sounds started, so callers can tell one from the next.
    quint64 Generation() const { return m_generation; }
    bool HasDevice() const { return m_hasDevice; }
    // Whether a waiting play is running its local event loop right now.
    bool IsWaiting() const { return m_waitLoop != nullptr; }

private:
    void StartOutput(const DecodedWave &wave);
    void StopOutput();
    void WaitForEnd(quint64 generation);
    int RemainingMs() const;

    bool m_hasDevice = false;
    QAudioSink *m_sink = nullptr;
    QBuffer *m_buffer = nullptr;
    QByteArray m_pcm;
    QElapsedTimer m_started;
    int m_durationMs = 0;
    quint64 m_generation = 0;
    QEventLoop *m_waitLoop = nullptr;
};

// A wave in another rate and channel count, by linear interpolation (for an
// output that does not take the wave's own format).
DecodedWave Resampled(const DecodedWave &wave, int sampleRate, int channels);

} // namespace halvane::sound
