#include "HostScreen.h"

#include "AsciiText.h"

int ReplyRecordLength(const char* reply)
{
    constexpr long long kMost = 100000;
    long long length = 0;
    ReadDecimalDigits(reply + REPLY_RECORD_LENGTH, HOST_REPLY_LINE.chars - REPLY_RECORD_LENGTH, kMost, length);
    return static_cast<int>(length);
}
