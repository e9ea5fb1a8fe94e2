#include "As400Host.h"

#include "CodePage037.h"
#include "HostNames.h"
#include "HostText.h"
#include "HostValue.h"
#include "IniFile.h"
#include "StoreFiles.h"

namespace kvhll
{
namespace
{

constexpr const char* kLibraryList = "QTEMP/LIBLIST";
constexpr const char* kFileList = "KVRTFR/FL";
constexpr const char* kMemberList = "KVRTFR/ML";
constexpr int kCommandLength = 74 + kColumns;

std::string Padded(const std::string& text, size_t width)
{
    std::string padded = text.substr(0, width);
    padded.resize(width, ' ');
    return padded;
}

// How a read sends a stored record: binary and source reads the bytes as they are, the others each field's
// display form.
StoredRecords::Convert ConvertForRead(const std::vector<HostField>& fields, bool asStored)
{
    return [fields, asStored](const std::string& stored, std::string& sent, int& badField) {
        if (asStored)
        {
            sent = stored;
            return true;
        }
        return RecordToDisplay(fields, stored, sent, badField);
    };
}

}  // namespace

Screen As400Host::FirstScreen()
{
    const HostSwitches& switches = environment_.switches;
    if (switches.startInProgram && switches.programInstalled)
    {
        return ShowReady();
    }
    stage_ = Stage::CommandEntry;
    return As400CommandScreen(std::string(), switches.cursorRow);
}

Screen As400Host::Answer(char aid, const Screen& screen)
{
    switch (stage_)
    {
    case Stage::CommandEntry:
        if (aid != 'E')
        {
            return As400CommandScreen(std::string(), environment_.switches.cursorRow);
        }
        return AnswerCommandEntry(screen);
    case Stage::Ready:
        if (aid == '3')
        {
            stage_ = Stage::CommandEntry;
            return As400CommandScreen(std::string(), environment_.switches.cursorRow);
        }
        if (aid == 'E')
        {
            std::string line = Trim(screen.ReadTyped(kAs400ReplyPosition, kAs400ReplyLength));
            return line.empty() ? ShowReady() : AnswerCommand(line);
        }
        return screen;
    case Stage::Reading:
        return AnswerRead(aid);
    case Stage::Writing:
        if (aid == '3')
        {
            return ShowReady();
        }
        if (aid == 'E')
        {
            As400Reply reply = writer_->OnEnter(screen);
            if (writer_->Ended())
            {
                writer_.reset();
                stage_ = Stage::Ended;
            }
            return As400ProgramScreen(reply);
        }
        return screen;
    case Stage::Ended:
        return (aid == 'E' || aid == '3') ? ShowReady() : screen;
    }
    return screen;
}

Screen As400Host::AnswerCommandEntry(const Screen& screen)
{
    const HostSwitches& switches = environment_.switches;
    std::string command = ToUpper(Trim(screen.ReadTyped(PositionOf(kAs400CommandRow, 7), kCommandLength)));
    if (command.empty())
    {
        return As400CommandScreen(std::string(), switches.cursorRow);
    }
    if (command == "KVRTFR/KVRFT")
    {
        if (switches.programInstalled)
        {
            return ShowReady();
        }
        return As400CommandScreen(HostText(IDS_AS400_NOT_INSTALLED), switches.cursorRow);
    }
    std::string word = command.substr(0, command.find(' '));
    return As400CommandScreen(HostText(IDS_AS400_UNKNOWN_COMMAND, {word}), switches.cursorRow);
}

Screen As400Host::AnswerCommand(const std::string& line)
{
    if (line == "L" || line[0] == 'F' || line[0] == 'M')
    {
        BuildList(line);
        return ShowReady();
    }
    std::vector<std::string> words;
    As400ReadCommand read;
    As400WriteCommand write;
    bool split = SplitCommand(line, words);
    if (split && ParseReadCommand(words, read))
    {
        return Show(StartRead(read));
    }
    if (split && ParseWriteCommand(words, write))
    {
        As400Reply reply = As400Writer::Begin(write, environment_, writer_);
        stage_ = writer_ ? Stage::Writing : Stage::Ended;
        return As400ProgramScreen(reply);
    }
    stage_ = Stage::Ended;
    return As400ProgramScreen(ErrorReply(HostText(IDS_AS400_INPUT_NOT_VALID, {line})));
}

Screen As400Host::AnswerRead(char aid)
{
    if (aid == '3')
    {
        return ShowReady();
    }
    if (aid != 'E' || changeDelay_ > 0)
    {
        return As400ProgramScreen(shown_);
    }
    DWORD wait = environment_.switches.bufferWaitMs;
    if (reader_->InDataStage() && wait > 0)
    {
        As400Reply reply = shown_;
        reply.code = 'W';
        reply.area.clear();
        changeDelay_ = wait;
        changeIsFirst_ = false;
        return Show(reply);
    }
    return Show(reader_->Next());
}

Screen As400Host::Change(const Screen& screen)
{
    if (!reader_ || changeDelay_ == 0)
    {
        return screen;
    }
    changeDelay_ = 0;
    return Show(changeIsFirst_ ? reader_->First() : reader_->Next());
}

Screen As400Host::Show(const As400Reply& reply)
{
    shown_ = reply;
    if (reply.code == '+' || reply.code == 'E')
    {
        reader_.reset();
        stage_ = Stage::Ended;
    }
    else
    {
        stage_ = Stage::Reading;
    }
    return As400ProgramScreen(reply);
}

Screen As400Host::ShowReady(const std::string& message)
{
    stage_ = Stage::Ready;
    reader_.reset();
    writer_.reset();
    changeDelay_ = 0;
    As400Reply reply;
    reply.message = message;
    shown_ = reply;
    return As400ProgramScreen(reply);
}

void As400Host::BuildList(const std::string& line)
{
    As400Store store(JoinPath(environment_.storeFolder, "AS400"));
    std::vector<NamedText> entries;
    std::string key;
    std::string rest = Trim(line.substr(1));
    if (line[0] == 'L')
    {
        key = kLibraryList;
        entries = store.Libraries();
    }
    else if (line[0] == 'F')
    {
        key = kFileList;
        std::string library = ToUpper(rest);
        if (IsAs400Name(library))
        {
            entries = store.Files(library);
        }
    }
    else
    {
        key = kMemberList;
        size_t blank = rest.find(' ');
        std::string library = ToUpper(rest.substr(0, blank));
        std::string name = blank == std::string::npos ? std::string() : ToUpper(Trim(rest.substr(blank)));
        As400File file;
        if (IsAs400Name(library) && IsAs400Name(name) && store.ReadFile(library, name, file) == StoreResult::Ok)
        {
            entries = file.members;
        }
    }
    ListFile list = ListDefinition(key);
    for (const NamedText& entry : entries)
    {
        list.records.push_back(AnsiToEbcdic(Padded(entry.name, 10) + Padded(entry.text, 50)));
    }
    lists_[key] = list;
}

As400Host::ListFile As400Host::ListDefinition(const std::string& key)
{
    std::string prefix = key == kLibraryList ? "LIB" : (key == kFileList ? "FILE" : "MBR");
    ListFile list;
    list.definition.fields = {
        HostField{prefix + "NAME", 'A', 10, 0, "Name"},
        HostField{prefix + "TEXT", 'A', 50, 0, "Text"},
    };
    list.definition.recordLength = 60;
    list.definition.members.push_back(NamedText{key.substr(key.find('/') + 1), std::string()});
    return list;
}

As400Reply As400Host::StartRead(const As400ReadCommand& command)
{
    std::string key = command.library + "/" + command.file;
    As400File file;
    std::unique_ptr<RecordSource> records;
    std::string problem;
    std::string member = command.member;
    bool asStored = command.binary || command.source;
    auto dataError = [&](size_t record, int field) {
        return HostText(IDS_AS400_STORED_DATA_ERROR, {member, std::to_string(record), file.fields[field].name});
    };
    bool isList = key == kLibraryList || key == kFileList || key == kMemberList;
    if (isList)
    {
        auto found = lists_.find(key);
        ListFile list = found != lists_.end() ? found->second : ListDefinition(key);
        file = list.definition;
        StoredRecords::Convert convert = ConvertForRead(file.fields, asStored);
        std::vector<std::string> sent(list.records.size());
        int badField = 0;
        for (size_t i = 0; i < sent.size() && problem.empty(); ++i)
        {
            if (!convert(list.records[i], sent[i], badField))
            {
                problem = dataError(i + 1, badField);
            }
        }
        records = std::make_unique<ListedRecords>(std::move(sent));
    }
    else
    {
        for (const std::string* name : {&command.library, &command.file})
        {
            if (!IsAs400Name(*name))
            {
                return ErrorReply(HostText(IDS_AS400_NAME_NOT_VALID, {*name}));
            }
        }
        if (member != "*FIRST" && !IsAs400Name(member))
        {
            return ErrorReply(HostText(IDS_AS400_NAME_NOT_VALID, {member}));
        }
        As400Store store(JoinPath(environment_.storeFolder, "AS400"));
        if (!store.HasLibrary(command.library))
        {
            return ErrorReply(HostText(IDS_AS400_NO_LIBRARY, {command.library}));
        }
        StoreResult result = store.ReadFile(command.library, command.file, file);
        if (result != StoreResult::Ok)
        {
            unsigned id = result == StoreResult::NotFound ? IDS_AS400_NO_FILE : IDS_AS400_FILE_DAMAGED;
            return ErrorReply(HostText(id, {command.file, command.library}));
        }
        if (command.source && !file.source)
        {
            return ErrorReply(HostText(IDS_AS400_NOT_SOURCE, {command.file, command.library}));
        }
        if (member == "*FIRST")
        {
            member = file.members.empty() ? std::string() : file.members.front().name;
        }
        if (member.empty())
        {
            if (!command.source)
            {
                problem = HostText(IDS_AS400_NO_MEMBERS, {command.file, command.library});
            }
        }
        else if (!HasMember(file, member))
        {
            problem = HostText(IDS_AS400_NO_MEMBER, {member, command.file, command.library});
        }
        else
        {
            auto stored = std::make_unique<StoredRecords>();
            StoredRecords::Check check = stored->Open(store.MemberPath(command.library, command.file, member),
                                                      static_cast<size_t>(file.recordLength),
                                                      ConvertForRead(file.fields, asStored));
            if (check == StoredRecords::Check::BadValue)
            {
                problem = dataError(stored->BadRecord(), stored->BadField());
            }
            else if (check != StoredRecords::Check::Ok)
            {
                problem = HostText(IDS_AS400_MEMBER_DAMAGED,
                                   {member, command.file, std::to_string(stored->BadRecord())});
            }
            records = std::move(stored);
        }
    }
    As400ReadSetup setup;
    setup.fields = file.fields;
    setup.describe = !command.source;
    setup.binary = command.binary;
    setup.emptyEndsWithLast = command.source;
    setup.emptyNote = HostText(IDS_AS400_MEMBER_EMPTY, {member, command.file, command.library});
    setup.failAfterBuffers = environment_.switches.failAfterBuffers;
    setup.recordLengthDelta = environment_.switches.recordLengthDelta;
    setup.failureMessage = environment_.switches.failureMessage.empty() ? HostText(IDS_AS400_FAILURE)
                                                                        : environment_.switches.failureMessage;
    setup.recordLength = asStored ? file.recordLength : DisplayRecordLength(file.fields);
    setup.records = records ? std::move(records) : std::make_unique<ListedRecords>(std::vector<std::string>());
    setup.unreadable = [member, name = command.file](size_t record) {
        return HostText(IDS_AS400_MEMBER_DAMAGED, {member, name, std::to_string(record)});
    };
    int width = command.binary ? 2 * setup.recordLength : setup.recordLength;
    if (problem.empty() && width > kDataAreaLength)
    {
        problem = HostText(IDS_AS400_TOO_LONG, {std::to_string(width)});
    }
    setup.problem = problem;
    reader_ = std::make_unique<As400Reader>(std::move(setup));
    if (command.source && !problem.empty())
    {
        return ErrorReply(problem);
    }
    DWORD wait = environment_.switches.descriptionWaitMs;
    if (!command.source && wait > 0)
    {
        As400Reply reply;
        reply.code = 'W';
        reply.count = static_cast<unsigned>(file.fields.size());
        reply.recordLength = kDescriptionLength;
        changeDelay_ = wait;
        changeIsFirst_ = true;
        return reply;
    }
    return reader_->First();
}

}  // namespace kvhll
