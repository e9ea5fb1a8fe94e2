#include "As400Reader.h"

#include <algorithm>

#include "CodePage037.h"
#include "HostValue.h"

namespace kvhll
{

int As400Reader::RecordsPerBuffer() const
{
    int width = setup_.binary ? 2 * setup_.recordLength : setup_.recordLength;
    return width > 0 ? kDataAreaLength / width : 0;
}

As400Reply As400Reader::First()
{
    if (setup_.describe)
    {
        return DescriptionReply();
    }
    dataStage_ = true;
    return DataReply();
}

As400Reply As400Reader::Next()
{
    if (!dataStage_ && descriptionsShown_ < setup_.fields.size())
    {
        return DescriptionReply();
    }
    dataStage_ = true;
    return DataReply();
}

As400Reply As400Reader::DescriptionReply()
{
    As400Reply reply;
    reply.code = 'F';
    reply.count = static_cast<unsigned>(setup_.fields.size());
    reply.recordLength = kDescriptionLength;
    size_t end = std::min(setup_.fields.size(), descriptionsShown_ + kDescriptionsPerScreen);
    std::string text;
    for (; descriptionsShown_ < end; ++descriptionsShown_)
    {
        text += FormatDescription(setup_.fields[descriptionsShown_]);
    }
    reply.area = AnsiToEbcdic(text);
    return reply;
}

As400Reply As400Reader::DataReply()
{
    if (!setup_.problem.empty())
    {
        return ErrorReply(setup_.problem);
    }
    if (setup_.failAfterBuffers >= 0 && buffersSent_ >= setup_.failAfterBuffers)
    {
        return ErrorReply(setup_.failureMessage);
    }
    As400Reply reply;
    size_t total = setup_.records->Count();
    reply.count = static_cast<unsigned>(total);
    reply.recordLength = setup_.recordLength + setup_.recordLengthDelta;
    if (total == 0 && !setup_.emptyEndsWithLast)
    {
        reply.code = 'E';
        reply.message = setup_.emptyNote;
        return reply;
    }
    size_t perBuffer = static_cast<size_t>(RecordsPerBuffer());
    size_t n = std::min(perBuffer, total - recordsSent_);
    std::string data;
    std::string record;
    for (size_t i = 0; i < n; ++i)
    {
        if (!setup_.records->Next(record))
        {
            return ErrorReply(setup_.unreadable(recordsSent_ + i + 1));
        }
        data += setup_.binary ? AnsiToEbcdic(HexEncode(record)) : record;
    }
    recordsSent_ += n;
    ++buffersSent_;
    reply.code = n == perBuffer ? '*' : '+';
    reply.area = data;
    return reply;
}

}  // namespace kvhll
