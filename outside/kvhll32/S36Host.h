// The System/36 behind a display session: the command display, and the transfer procedure FT36 started
// by typing "FT36" at (22, 3). FT36 reads its command line at (1, 3): 'R' and 'W' commands, "C" to cancel
// the pending request, "X" to end; data headers "%c          %04d" ('*' full buffer, '+' last) in a write.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "HostField.h"
#include "HostProgram.h"
#include "RecordFile.h"
#include "RecordSource.h"
#include "S36Command.h"
#include "S36Screens.h"
#include "S36Store.h"

namespace kvhll
{

class S36Host : public HostProgram
{
public:
    explicit S36Host(const HostEnvironment& environment) : environment_(environment) {}

    Screen FirstScreen() override;
    Screen Answer(char aid, const Screen& screen) override;

private:
    enum class Stage
    {
        CommandEntry,
        Ready,
        Reading,
        Writing,
        Ended
    };

    Screen AnswerCommandEntry(const Screen& screen);
    Screen AnswerReady(const std::string& line, const Screen& screen);
    Screen Show(const S36Reply& reply, Stage stage);
    Screen ShowError(const std::string& message);
    Screen StartRead(const S36Command& command, const Screen& screen);
    Screen NextBuffer();
    Screen StartWrite(const S36Command& command, const Screen& screen);
    Screen TakeBuffer(const std::string& line, const Screen& screen);
    S36Reply Progress(char code, size_t count) const;
    std::string Failure() const;
    std::string ObjectName(const S36Object& object) const;

    const HostEnvironment& environment_;
    Stage stage_ = Stage::CommandEntry;
    // The request in progress.
    bool hex_ = false;
    bool display_ = false;  // records travel as display forms of `fields_`
    std::vector<HostField> fields_;
    int transferLength_ = 0;  // characters of one record on the screen
    StoredRecords records_;   // read: the records as they travel (before hexadecimal coding)
    std::string unreadable_;  // read: the message when the store can no longer be read
    size_t done_ = 0;         // records sent or written
    int buffers_ = 0;
    RecordFileWriter writer_;
};

}  // namespace kvhll
