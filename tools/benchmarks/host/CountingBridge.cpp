#include "CountingBridge.h"

#include <cstring>

namespace
{
template <typename Entry>
Entry Find(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
}

CountingBridge::CountingBridge(const std::string& path) : m_module(LoadLibraryA(path.c_str()))
{
    m_read = Find<HllapiCounterReadEntry>(m_module.Get(), HLLAPI_COUNTER_READ);
    m_reset = Find<HllapiCounterResetEntry>(m_module.Get(), HLLAPI_COUNTER_RESET);
    m_record = Find<HllapiCounterRecordEntry>(m_module.Get(), HLLAPI_COUNTER_RECORD);
    m_playback = Find<HllapiCounterPlaybackEntry>(m_module.Get(), HLLAPI_COUNTER_PLAYBACK);
    m_replay = Find<HllapiCounterReplayEntry>(m_module.Get(), HLLAPI_COUNTER_REPLAY);
    m_release = Find<HllapiCounterReleaseEntry>(m_module.Get(), HLLAPI_COUNTER_RELEASE);
}

CountingBridge::~CountingBridge()
{
    if (m_release)
        m_release();
}

HllapiCounts CountingBridge::Read() const
{
    HllapiCounts counts;
    std::memset(&counts, 0, sizeof counts);
    m_read(&counts);
    return counts;
}

double CountingBridge::AnswerSeconds(const HllapiCounts& counts)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(counts.answerTicks) / double(frequency.QuadPart);
}
