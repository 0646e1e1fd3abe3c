#include "SoundChannel.h"

#include "platform/InputBlocker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace halvane::sound {

namespace {
QAudioFormat FormatOf(const DecodedWave &wave)
{
    QAudioFormat format;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}
} // namespace

DecodedWave Resampled(const DecodedWave &wave, int sampleRate, int channels)
{
    DecodedWave out;
    out.sampleRate = sampleRate;
    out.channels = channels;
    const std::size_t inFrames = wave.frames();
    if (inFrames == 0 || sampleRate <= 0 || channels <= 0)
        return out;
    const std::size_t outFrames = std::size_t(std::llround(double(inFrames) * sampleRate / wave.sampleRate));
    out.samples.reserve(outFrames * std::size_t(channels));
    const double step = double(wave.sampleRate) / sampleRate;
    for (std::size_t i = 0; i < outFrames; ++i) {
        const double position = i * step;
        const std::size_t left = std::min(inFrames - 1, std::size_t(position));
        const std::size_t right = std::min(inFrames - 1, left + 1);
        const double weight = position - double(left);
        for (int c = 0; c < channels; ++c) {
            const int source = std::min(c, wave.channels - 1);
            const double a = wave.samples[left * wave.channels + source];
            const double b = wave.samples[right * wave.channels + source];
            out.samples.push_back(std::int16_t(std::lround(a + (b - a) * weight)));
        }
    }
    return out;
}

SoundChannel::SoundChannel(Output output, QObject *parent)
    : QObject(parent)
{
    m_hasDevice = output == Output::Device && !QMediaDevices::defaultAudioOutput().isNull();
}

SoundChannel::~SoundChannel()
{
    StopOutput();
    if (m_waitLoop)
        m_waitLoop->quit();
}

void SoundChannel::Play(const DecodedWave &wave, bool wait)
{
    Stop();
    const quint64 generation = ++m_generation;
    m_durationMs = wave.durationMs();
    m_started.start();
    if (m_hasDevice)
        StartOutput(wave);
    if (wait)
        WaitForEnd(generation);
}

void SoundChannel::Stop()
{
    StopOutput();
    m_durationMs = 0;
    // A waiting play that is cut off returns at once.
    if (m_waitLoop)
        m_waitLoop->quit();
}

bool SoundChannel::IsPlaying() const
{
    return RemainingMs() > 0;
}

int SoundChannel::RemainingMs() const
{
    if (!m_started.isValid())
        return 0;
    return std::max<qint64>(0, m_durationMs - m_started.elapsed());
}

void SoundChannel::StartOutput(const DecodedWave &wave)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format = FormatOf(wave);
    const DecodedWave *source = &wave;
    DecodedWave converted;
    if (!device.isFormatSupported(format)) {
        const QAudioFormat preferred = device.preferredFormat();
        converted = Resampled(wave, preferred.sampleRate(), preferred.channelCount());
        source = &converted;
        format = FormatOf(converted);
    }
    m_pcm = QByteArray(reinterpret_cast<const char *>(source->samples.data()),
                       qsizetype(source->samples.size() * sizeof(std::int16_t)));
    m_buffer = new QBuffer(&m_pcm, this);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    m_sink->start(m_buffer);
}

void SoundChannel::StopOutput()
{
    if (m_sink) {
        m_sink->stop();
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    if (m_buffer) {
        m_buffer->close();
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
}

void SoundChannel::WaitForEnd(quint64 generation)
{
    const int remaining = RemainingMs();
    if (remaining <= 0)
        return;
    QEventLoop loop;
    QEventLoop *outer = m_waitLoop;
    m_waitLoop = &loop;
    QTimer::singleShot(remaining, &loop, &QEventLoop::quit);
    // Timers and painting go on; clicks and keys meanwhile are dropped, not
    // kept for later (they would land on whatever the game shows next).
    InputBlocker blocker;
    loop.exec();
    m_waitLoop = outer;
}

} // namespace halvane::sound
