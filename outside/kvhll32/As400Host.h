// The AS/400 behind a display session: the command entry screen, and the transfer program KVRFT in
// library KVRTFR, started by typing "KVRTFR/KVRFT". KVRFT reads commands at (1, 3): "L" (list of
// libraries), "F<library>" (its files), "M<library> <file>" (the file's members) build the list files
// QTEMP/LIBLIST, KVRTFR/FL and KVRTFR/ML of the session; "A" reads a member, "P" writes one.
// Enter answers a pending reply; PF3 abandons it, and at the empty command line ends KVRFT.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "As400Command.h"
#include "As400Reader.h"
#include "As400Store.h"
#include "As400Writer.h"
#include "HostProgram.h"

namespace kvhll
{

class As400Host : public HostProgram
{
public:
    explicit As400Host(const HostEnvironment& environment) : environment_(environment) {}

    Screen FirstScreen() override;
    Screen Answer(char aid, const Screen& screen) override;
    DWORD ChangeDelay() const override { return changeDelay_; }
    Screen Change(const Screen& screen) override;

private:
    enum class Stage
    {
        CommandEntry,
        Ready,
        Reading,
        Writing,
        Ended
    };

    // A list file of the session: its definition and the records of its one member.
    struct ListFile
    {
        As400File definition;
        std::vector<std::string> records;
    };

    Screen AnswerCommandEntry(const Screen& screen);
    Screen AnswerCommand(const std::string& line);
    Screen AnswerRead(char aid);
    Screen Show(const As400Reply& reply);
    Screen ShowReady(const std::string& message = std::string());
    void BuildList(const std::string& line);
    As400Reply StartRead(const As400ReadCommand& command);
    static ListFile ListDefinition(const std::string& key);

    const HostEnvironment& environment_;
    Stage stage_ = Stage::CommandEntry;
    std::unique_ptr<As400Reader> reader_;
    std::unique_ptr<As400Writer> writer_;
    std::map<std::string, ListFile> lists_;
    As400Reply shown_;
    DWORD changeDelay_ = 0;
    bool changeIsFirst_ = false;
};

}  // namespace kvhll
