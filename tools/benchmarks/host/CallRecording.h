// The counting bridge's recording of a transfer: every HLLAPI call with what went in and what came back. Played
// back, it answers the same calls in the same order without the simulated host, so that a run costs only what
// the caller does; replayed, it makes the same calls again, with a data source's waits and nothing else.
#pragma once

#include "OwnedHandles.h"

#include <windows.h>

#include <string>
#include <vector>

typedef int (*HllapiForward)(int* function, char* data, int* length, int* returnCode);

class CallRecording
{
public:
    CallRecording();
    CallRecording(const CallRecording&) = delete;
    CallRecording& operator=(const CallRecording&) = delete;

    void Clear();
    // Makes the call through `forward` and keeps it with its answer.
    int RecordCall(HllapiForward forward, int* function, char* data, int* length, int* returnCode);

    // Starts answering from the first recorded call.
    void Rewind()
    {
        m_next = 0;
        m_unexpected = 0;
    }
    // The answer of the next recorded call; a call other than the recorded one is counted and gets return code 9.
    int Answer(int* function, char* data, int* length, int* returnCode);
    long long Unexpected() const { return m_unexpected; }
    long long Unanswered() const { return static_cast<long long>(m_calls.size() - m_next); }

    // Makes every recorded call again through `forward`, waiting for the notification event before each Query
    // Host Update; gives the number of calls whose result differed from the recorded one.
    long long Replay(HllapiForward forward) const;

private:
    struct Call
    {
        int function;
        bool hasData;
        bool hasLength;
        bool hasReturnCode;
        int lengthIn;
        int returnCodeIn;
        std::string input;   // the bytes the data buffer carried in
        std::string output;  // the bytes the bridge left in it
        int lengthOut;
        int returnCodeOut;
        int result;
    };

    bool Matches(const Call& call, int function, const char* data, const int* length, const int* returnCode) const;

    std::vector<Call> m_calls;
    std::size_t m_next = 0;
    long long m_unexpected = 0;
    OwnedEvent m_event;  // the notification event of the played-back host: always signalled
};
