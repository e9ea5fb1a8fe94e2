#include "HostScreen.h"

#include "AsciiText.h"

int ReplyRecordLength(const char* reply)
{
    constexpr long long kMost = 100000;
    constexpr size_t kPlaces = HOST_REPLY_LINE.chars - REPLY_RECORD_LENGTH;
    long long length = 0;
    const size_t digits = ReadDecimalDigits(reply + REPLY_RECORD_LENGTH, kPlaces, kMost, length);
    if (digits == 0 || (digits < kPlaces && !IsReplyNumberEnd(reply[REPLY_RECORD_LENGTH + digits])))
        return -1;
    return static_cast<int>(length);
}
