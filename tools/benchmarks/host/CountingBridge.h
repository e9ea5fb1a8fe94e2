// The benchmark's hold on the counting bridge of one program folder: it keeps the bridge loaded across transfers
// (so that its counts and its recording outlive the data source's Disconnect), reads its counts, and has it record a
// transfer, play the recording back and replay its calls.
#pragma once

#include "HllapiCounter.h"
#include "OwnedHandles.h"

#include <string>

class CountingBridge
{
public:
    explicit CountingBridge(const std::string& path);
    ~CountingBridge();
    CountingBridge(const CountingBridge&) = delete;
    CountingBridge& operator=(const CountingBridge&) = delete;

    bool IsLoaded() const { return m_read && m_reset && m_record && m_playback && m_replay && m_release; }
    void Reset() const { m_reset(); }
    HllapiCounts Read() const;
    void Record(bool on) const { m_record(on ? TRUE : FALSE); }
    // On: every call is answered from the recording, from its first call on.
    void Playback(bool on) const { m_playback(on ? TRUE : FALSE); }
    // The recorded calls made again; TRUE when every one gave its recorded result.
    bool Replay() const { return m_replay() == 0; }
    // Seconds spent answering the calls, from the counts.
    static double AnswerSeconds(const HllapiCounts& counts);

private:
    OwnedModule m_module;
    HllapiCounterReadEntry m_read = nullptr;
    HllapiCounterResetEntry m_reset = nullptr;
    HllapiCounterRecordEntry m_record = nullptr;
    HllapiCounterPlaybackEntry m_playback = nullptr;
    HllapiCounterReplayEntry m_replay = nullptr;
    HllapiCounterReleaseEntry m_release = nullptr;
};
