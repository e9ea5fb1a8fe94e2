// One KVRFT write ("P" command): the field descriptions of a file to create ('F' screens, ended by '+'
// with count 0, answered 'W'), then the data buffers ('*' full, '+' last), each answered 'S'; the last
// one is answered 'E' with "SUCCESSFULLY" in row 24. Every accepted buffer is written to the member at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "As400Command.h"
#include "As400Screens.h"
#include "As400Store.h"
#include "HostProgram.h"
#include "RecordFile.h"

namespace kvhll
{

class As400Writer
{
public:
    // The answer to the command: 'S', or 'E' when it is refused (then `writer` stays empty).
    static As400Reply Begin(const As400WriteCommand& command, const HostEnvironment& environment,
                            std::unique_ptr<As400Writer>& writer);
    // The answer to Enter after a header was typed at (1, 3).
    As400Reply OnEnter(const Screen& screen);
    // The last answer ended the dialog ('E').
    bool Ended() const { return stage_ == Stage::Ended; }

private:
    enum class Stage
    {
        Descriptions,
        Created,
        Data,
        Ended
    };

    As400Writer(const As400WriteCommand& command, const HostEnvironment& environment);
    As400Reply Fail(const std::string& message);
    As400Reply TakeDescriptions(char code, int count, int recordLength, const Screen& screen);
    As400Reply FinishDescriptions();
    As400Reply TakeData(char code, int count, int recordLength, const Screen& screen);
    bool StartData(const As400File& file);
    int TransferLength() const;
    int RecordsPerBuffer() const;

    As400WriteCommand command_;
    const HostEnvironment& environment_;
    As400Store store_;
    Stage stage_ = Stage::Data;
    std::vector<HostField> fields_;
    bool sourceForm_ = false;
    RecordFileWriter member_;
    size_t recordsWritten_ = 0;
    int buffersTaken_ = 0;
};

}  // namespace kvhll
