#pragma once
// Where the game's signal sounds go. The real player plays the named wave
// resource on one channel; tests use a player that only records the calls.

#include <string>
#include <vector>

namespace halvane {

class WavePlayer
{
public:
    virtual ~WavePlayer() = default;
    // Plays the named signal; with `wait` it returns when the sound has ended.
    // Nothing plays when `enabled` is false (the sound setting is off).
    virtual void PlayWave(const std::string &name, bool wait, bool enabled) = 0;
    // True while a waiting play is under way: timers still fire then, and a
    // handler that must not run twice at once tests this first.
    virtual bool IsWaiting() const { return false; }
};

// Plays nothing and remembers every call in order.
class RecordingWavePlayer : public WavePlayer
{
public:
    struct Call {
        std::string name;
        bool wait;
        bool enabled;
    };
    void PlayWave(const std::string &name, bool wait, bool enabled) override
    {
        calls.push_back({name, wait, enabled});
    }
    std::vector<Call> calls;
};

} // namespace halvane
