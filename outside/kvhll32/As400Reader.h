// The replies of one KVRFT read: the field description screens ('F', 26 descriptions a screen, the count
// of all fields on each), then the data buffers ('*' holding as many records as fit the data area, '+' the
// last one holding fewer, the count being the records of the whole member), or 'E'.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "As400Screens.h"
#include "HostField.h"
#include "RecordSource.h"

namespace kvhll
{

struct As400ReadSetup
{
    std::vector<HostField> fields;  // described first when `describe` is set
    bool describe = false;
    bool binary = false;                    // records travel as hexadecimal characters
    int recordLength = 0;                   // of one record as it travels (bytes in binary mode)
    std::unique_ptr<RecordSource> records;  // EBCDIC display forms or characters; raw bytes in binary mode
    std::string problem;                    // the data stage fails with this message ("": it does not)
    bool emptyEndsWithLast = false;         // no records: an empty '+' buffer instead of 'E' with count 0
    std::string emptyNote;                  // row 24 of the 'E' of an empty member
    int failAfterBuffers = -1;
    int recordLengthDelta = 0;  // added to the record length that data replies show
    std::string failureMessage;
    // The message when a record can no longer be read while it is sent (1-based).
    std::function<std::string(size_t record)> unreadable;
};

class As400Reader
{
public:
    explicit As400Reader(As400ReadSetup setup) : setup_(std::move(setup)) {}

    As400Reply First();
    // The answer to Enter on a description screen or a full buffer.
    As400Reply Next();
    bool InDataStage() const { return dataStage_; }

private:
    int RecordsPerBuffer() const;
    As400Reply DescriptionReply();
    As400Reply DataReply();

    As400ReadSetup setup_;
    size_t descriptionsShown_ = 0;
    size_t recordsSent_ = 0;
    int buffersSent_ = 0;
    bool dataStage_ = false;
};

constexpr int kDescriptionsPerScreen = 26;

}  // namespace kvhll
