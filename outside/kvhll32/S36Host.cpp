#include "S36Host.h"

#include <algorithm>

#include "CodePage037.h"
#include "HostText.h"
#include "HostValue.h"
#include "IniFile.h"
#include "StoreFiles.h"

namespace kvhll
{

Screen S36Host::FirstScreen()
{
    const HostSwitches& switches = environment_.switches;
    if (switches.startInProgram && switches.programInstalled)
    {
        return Show(S36Ready(), Stage::Ready);
    }
    stage_ = Stage::CommandEntry;
    return S36CommandScreen(std::string());
}

Screen S36Host::Answer(char aid, const Screen& screen)
{
    if (stage_ == Stage::CommandEntry)
    {
        return aid == 'E' ? AnswerCommandEntry(screen) : S36CommandScreen(std::string());
    }
    if (aid != 'E')
    {
        return screen;
    }
    std::string line = screen.ReadTyped(kS36LinePosition, kS36LineLength);
    char first = line[0];
    if (first == 'X')
    {
        writer_.Close();
        stage_ = Stage::CommandEntry;
        return S36CommandScreen(std::string());
    }
    switch (stage_)
    {
    case Stage::Ready:
        return AnswerReady(line, screen);
    case Stage::Reading:
        return first == 'C' ? Show(S36Ready(), Stage::Ready) : NextBuffer();
    case Stage::Writing:
        if (first == 'C')
        {
            writer_.Close();
            return Show(S36Ready(), Stage::Ready);
        }
        if (first == '*' || first == '+')
        {
            return TakeBuffer(line, screen);
        }
        writer_.Close();
        return ShowError(HostText(IDS_S36_INVALID_COMMAND, {Trim(line)}));
    default:
        return Show(S36Ready(), Stage::Ready);
    }
}

Screen S36Host::AnswerCommandEntry(const Screen& screen)
{
    std::string command = ToUpper(Trim(screen.ReadTyped(kS36CommandPosition, kS36CommandLength)));
    if (command.empty())
    {
        return S36CommandScreen(std::string());
    }
    if (command == "FT36" && environment_.switches.programInstalled)
    {
        return Show(S36Ready(), Stage::Ready);
    }
    if (command == "FT36")
    {
        return S36CommandScreen(HostText(IDS_S36_NOT_INSTALLED));
    }
    return S36CommandScreen(HostText(IDS_S36_INVALID_COMMAND, {command.substr(0, command.find(' '))}));
}

Screen S36Host::AnswerReady(const std::string& line, const Screen& screen)
{
    char first = line[0];
    if (first == ' ' || first == 'C')
    {
        return Show(S36Ready(), Stage::Ready);
    }
    S36Command command;
    std::string badName;
    switch (ParseS36Command(line, command, badName))
    {
    case S36CommandProblem::Layout:
        return ShowError(HostText(IDS_S36_INVALID_COMMAND, {Trim(line)}));
    case S36CommandProblem::Name:
        return ShowError(HostText(IDS_S36_NAME_NOT_VALID, {badName}));
    case S36CommandProblem::None:
        break;
    }
    hex_ = command.form == 'H';
    display_ = command.form == 'Y';
    fields_.clear();
    done_ = 0;
    buffers_ = 0;
    return command.verb == 'R' ? StartRead(command, screen) : StartWrite(command, screen);
}

Screen S36Host::Show(const S36Reply& reply, Stage stage)
{
    stage_ = stage;
    if (stage != Stage::Reading)
    {
        records_.Close();
    }
    return S36ProgramScreen(reply, environment_.switches);
}

Screen S36Host::ShowError(const std::string& message)
{
    return Show(S36Error(message), Stage::Ended);
}

std::string S36Host::ObjectName(const S36Object& object) const
{
    return object.memberType == ' ' ? object.file : object.library + "." + object.member;
}

std::string S36Host::Failure() const
{
    const std::string& message = environment_.switches.failureMessage;
    return message.empty() ? HostText(IDS_S36_FAILURE) : message;
}

S36Reply S36Host::Progress(char code, size_t count) const
{
    S36Reply reply;
    reply.code = code;
    reply.count = static_cast<unsigned>(count);
    reply.recordLength = transferLength_;
    return reply;
}

Screen S36Host::StartRead(const S36Command& command, const Screen& screen)
{
    S36Store store(JoinPath(environment_.storeFolder, "S36"));
    const S36Object& object = command.object;
    int recordLength = 0;
    StoreResult found = store.RecordLength(object, recordLength);
    if (found == StoreResult::NotFound)
    {
        if (object.memberType == ' ')
        {
            return ShowError(HostText(IDS_S36_NO_FILE, {object.file}));
        }
        if (!store.HasLibrary(object.library))
        {
            return ShowError(HostText(IDS_S36_NO_LIBRARY, {object.library}));
        }
        return ShowError(HostText(IDS_S36_NO_MEMBER, {object.member, object.library}));
    }
    unreadable_ = HostText(IDS_S36_DAMAGED, {ObjectName(object)});
    if (found != StoreResult::Ok)
    {
        return ShowError(unreadable_);
    }
    transferLength_ = recordLength;
    if (display_)
    {
        int displayLength = 0;
        if (!ParseFieldList(screen.ReadAnsi(kS36DataArea, kS36DataLength), fields_, displayLength) ||
            displayLength != DisplayRecordLength(fields_))
        {
            return ShowError(HostText(IDS_S36_BAD_FIELD_LIST));
        }
        if (InternalRecordLength(fields_) != recordLength)
        {
            return ShowError(HostText(IDS_S36_LIST_MISMATCH, {std::to_string(recordLength)}));
        }
        transferLength_ = displayLength;
    }
    else if (hex_)
    {
        transferLength_ = 2 * recordLength;
    }
    // Display reads send each field's display form; the others the stored bytes.
    StoredRecords::Check check = records_.Open(store.DataPath(object), static_cast<size_t>(recordLength),
                                               [fields = display_ ? fields_ : std::vector<HostField>()](
                                                   const std::string& stored, std::string& sent, int& badField) {
                                                   if (fields.empty())
                                                   {
                                                       sent = stored;
                                                       return true;
                                                   }
                                                   return RecordToDisplay(fields, stored, sent, badField);
                                               });
    if (check == StoredRecords::Check::BadValue)
    {
        return ShowError(HostText(IDS_S36_DATA_ERROR,
                                  {std::to_string(records_.BadRecord()), std::to_string(records_.BadField() + 1)}));
    }
    if (check != StoredRecords::Check::Ok)
    {
        return ShowError(unreadable_);
    }
    if (transferLength_ > kS36DataLength)
    {
        return ShowError(HostText(IDS_S36_TOO_LONG, {std::to_string(transferLength_)}));
    }
    return Show(Progress(' ', records_.Count()), Stage::Reading);
}

Screen S36Host::NextBuffer()
{
    const HostSwitches& switches = environment_.switches;
    if (switches.failAfterBuffers >= 0 && buffers_ >= switches.failAfterBuffers)
    {
        return ShowError(Failure());
    }
    size_t perBuffer = static_cast<size_t>(kS36DataLength / transferLength_);
    size_t n = std::min(perBuffer, records_.Count() - done_);
    S36Reply reply = Progress(n == perBuffer ? '*' : '+', records_.Count());
    std::string record;
    for (size_t i = 0; i < n; ++i)
    {
        if (!records_.Next(record))
        {
            return ShowError(unreadable_);
        }
        reply.area += hex_ ? AnsiToEbcdic(HexEncode(record)) : record;
    }
    done_ += n;
    ++buffers_;
    return Show(reply, reply.code == '*' ? Stage::Reading : Stage::Ended);
}

Screen S36Host::StartWrite(const S36Command& command, const Screen& screen)
{
    S36Store store(JoinPath(environment_.storeFolder, "S36"));
    const S36Object& object = command.object;
    int fileLength = command.recordLength;
    transferLength_ = hex_ ? 2 * command.recordLength : command.recordLength;
    if (display_)
    {
        int displayLength = 0;
        if (!ParseFieldList(screen.ReadAnsi(kS36DataArea, kS36DataLength), fields_, displayLength) ||
            displayLength != command.recordLength || DisplayRecordLength(fields_) != displayLength)
        {
            return ShowError(HostText(IDS_S36_BAD_FIELD_LIST));
        }
        fileLength = InternalRecordLength(fields_);
    }
    if (command.recordLength < 1 || fileLength > 4096 || transferLength_ > kS36DataLength)
    {
        return ShowError(HostText(IDS_S36_TOO_LONG, {std::to_string(transferLength_)}));
    }
    if (object.memberType != ' ' && !store.HasLibrary(object.library))
    {
        return ShowError(HostText(IDS_S36_NO_LIBRARY, {object.library}));
    }
    int existingLength = 0;
    StoreResult found = store.RecordLength(object, existingLength);
    bool create = command.disposition == '2';
    if (create && found != StoreResult::NotFound)
    {
        return ShowError(object.memberType == ' ' ? HostText(IDS_S36_FILE_EXISTS, {object.file})
                                                  : HostText(IDS_S36_MEMBER_EXISTS, {object.member, object.library}));
    }
    bool redefine = create || (object.memberType != ' ' && command.disposition == '1');
    if (!redefine)
    {
        if (found == StoreResult::NotFound)
        {
            return ShowError(object.memberType == ' ' ? HostText(IDS_S36_NO_FILE, {object.file})
                                                      : HostText(IDS_S36_NO_MEMBER, {object.member, object.library}));
        }
        if (found != StoreResult::Ok)
        {
            return ShowError(HostText(IDS_S36_DAMAGED, {ObjectName(object)}));
        }
        if (existingLength != fileLength)
        {
            return ShowError(HostText(IDS_S36_LENGTH_MISMATCH, {std::to_string(fileLength), ObjectName(object),
                                                                std::to_string(existingLength)}));
        }
    }
    if ((redefine && store.Define(object, fileLength, command.allocation) != StoreResult::Ok) ||
        !writer_.Open(store.DataPath(object), command.disposition != '0'))
    {
        return ShowError(HostText(IDS_S36_WRITE_FAILED, {ObjectName(object)}));
    }
    return Show(Progress(' ', 0), Stage::Writing);
}

Screen S36Host::TakeBuffer(const std::string& line, const Screen& screen)
{
    char code = line[0];
    std::string digits = line.substr(11, 4);
    size_t perBuffer = static_cast<size_t>(kS36DataLength / transferLength_);
    bool numeric = digits.find_first_not_of("0123456789") == std::string::npos;
    size_t count = numeric ? static_cast<size_t>(std::stoi(digits)) : 0;
    if (!numeric || line.substr(1, 10) != std::string(10, ' ') || (code == '*' && count != perBuffer) ||
        (code == '+' && count >= perBuffer))
    {
        writer_.Close();
        return ShowError(HostText(IDS_S36_BAD_HEADER, {Trim(line)}));
    }
    const HostSwitches& switches = environment_.switches;
    if (switches.failAfterBuffers >= 0 && buffers_ >= switches.failAfterBuffers)
    {
        writer_.Close();
        return ShowError(Failure());
    }
    std::string data;
    int length = hex_ ? transferLength_ / 2 : transferLength_;
    if (hex_)
    {
        if (!HexDecode(screen.ReadAnsi(kS36DataArea, static_cast<int>(count) * transferLength_), data))
        {
            writer_.Close();
            return ShowError(HostText(IDS_S36_DATA_ERROR, {std::to_string(done_ + 1), "0"}));
        }
    }
    else
    {
        data = screen.ReadEbcdic(kS36DataArea, static_cast<int>(count) * transferLength_);
    }
    std::vector<std::string> records;
    for (size_t i = 0; i < count; ++i)
    {
        std::string record = data.substr(i * static_cast<size_t>(length), static_cast<size_t>(length));
        int badField = 0;
        if (display_ && !DisplayToRecord(fields_, std::string(record), record, badField))
        {
            writer_.Close();
            return ShowError(
                HostText(IDS_S36_DATA_ERROR, {std::to_string(done_ + i + 1), std::to_string(badField + 1)}));
        }
        records.push_back(record);
    }
    if (!writer_.Append(records, fields_))
    {
        writer_.Close();
        return ShowError(HostText(IDS_S36_WRITE_FAILED, {std::string()}));
    }
    done_ += count;
    ++buffers_;
    if (code == '*')
    {
        return Show(Progress('*', done_), Stage::Writing);
    }
    writer_.Close();
    return Show(Progress('+', done_), Stage::Ended);
}

}  // namespace kvhll
