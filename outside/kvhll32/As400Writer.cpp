#include "As400Writer.h"

#include <algorithm>

#include "HostNames.h"
#include "HostText.h"
#include "HostValue.h"
#include "IniFile.h"
#include "StoreFiles.h"

namespace kvhll
{
namespace
{

int ReadNumber(const std::string& text, size_t offset, size_t length)
{
    if (text.size() < offset + length)
    {
        return -1;
    }
    std::string digits = text.substr(offset, length);
    if (digits.find_first_not_of("0123456789") != std::string::npos)
    {
        return -1;
    }
    return std::stoi(digits);
}

// Fields without a name take the file's name, further ones the file's name and a number.
void NameBlankFields(std::vector<HostField>& fields, const std::string& file)
{
    auto used = [&](const std::string& name) {
        return std::any_of(fields.begin(), fields.end(), [&](const HostField& f) { return f.name == name; });
    };
    int number = 1;
    for (HostField& field : fields)
    {
        if (!field.name.empty())
        {
            continue;
        }
        std::string name = file;
        while (used(name))
        {
            name = file.substr(0, 8) + (number < 10 ? "0" : "") + std::to_string(number);
            ++number;
        }
        field.name = name;
    }
}

std::string FindTwice(const std::vector<HostField>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i)
    {
        for (size_t j = i + 1; j < fields.size(); ++j)
        {
            if (EqualNoCase(fields[i].name, fields[j].name))
            {
                return fields[i].name;
            }
        }
    }
    return std::string();
}

}  // namespace

As400Writer::As400Writer(const As400WriteCommand& command, const HostEnvironment& environment)
    : command_(command), environment_(environment), store_(JoinPath(environment.storeFolder, "AS400"))
{
}

As400Reply As400Writer::Begin(const As400WriteCommand& command, const HostEnvironment& environment,
                              std::unique_ptr<As400Writer>& writer)
{
    writer.reset();
    for (const std::string* name : {&command.library, &command.file, &command.member})
    {
        if (!IsAs400Name(*name))
        {
            return ErrorReply(HostText(IDS_AS400_NAME_NOT_VALID, {*name}));
        }
    }
    std::unique_ptr<As400Writer> candidate(new As400Writer(command, environment));
    As400Store& store = candidate->store_;
    if (!store.HasLibrary(command.library))
    {
        return ErrorReply(HostText(IDS_AS400_NO_LIBRARY, {command.library}));
    }
    As400File file;
    StoreResult found = store.ReadFile(command.library, command.file, file);
    if (command.action == 'C')
    {
        if (found != StoreResult::NotFound)
        {
            return ErrorReply(HostText(IDS_AS400_FILE_EXISTS, {command.file, command.library}));
        }
        if (command.form == 'Y')
        {
            candidate->stage_ = Stage::Descriptions;
            writer = std::move(candidate);
            As400Reply reply;
            reply.code = 'S';
            return reply;
        }
        if (command.form != 'S')
        {
            return ErrorReply(HostText(IDS_AS400_INPUT_NOT_VALID, {"P"}));
        }
        if (command.recordLength < 13 || command.recordLength > 32766)
        {
            return ErrorReply(HostText(IDS_AS400_BAD_RECORD_LENGTH, {std::to_string(command.recordLength)}));
        }
        file.source = true;
        file.recordLength = command.recordLength;
        file.fields = As400Store::SourceFields(command.recordLength);
    }
    else
    {
        if (found == StoreResult::NotFound)
        {
            return ErrorReply(HostText(IDS_AS400_NO_FILE, {command.file, command.library}));
        }
        if (found != StoreResult::Ok)
        {
            return ErrorReply(HostText(IDS_AS400_FILE_DAMAGED, {command.file, command.library}));
        }
        if (command.form == 'Y')
        {
            return ErrorReply(HostText(IDS_AS400_INPUT_NOT_VALID, {"P"}));
        }
        if (command.form == 'S' && !file.source)
        {
            return ErrorReply(HostText(IDS_AS400_NOT_SOURCE, {command.file, command.library}));
        }
        if (command.action == 'M' && HasMember(file, command.member))
        {
            return ErrorReply(HostText(IDS_AS400_MEMBER_EXISTS, {command.member, command.file, command.library}));
        }
    }
    candidate->fields_ = file.fields;
    candidate->sourceForm_ = command.form == 'S';
    if (candidate->RecordsPerBuffer() < 1)
    {
        return ErrorReply(HostText(IDS_AS400_TOO_LONG, {std::to_string(candidate->TransferLength())}));
    }
    if (!candidate->StartData(file))
    {
        return ErrorReply(HostText(IDS_AS400_WRITE_FAILED, {command.member}));
    }
    writer = std::move(candidate);
    As400Reply reply;
    reply.code = 'S';
    return reply;
}

bool As400Writer::StartData(const As400File& file)
{
    const As400WriteCommand& c = command_;
    if (c.action == 'C')
    {
        if (store_.NewFile(c.library, c.file, file, c.member) != StoreResult::Ok)
        {
            return false;
        }
    }
    else if (!HasMember(file, c.member) && store_.AddMember(c.library, c.file, c.member) != StoreResult::Ok)
    {
        return false;
    }
    stage_ = Stage::Data;
    return member_.Open(store_.MemberPath(c.library, c.file, c.member), c.action != ' ');
}

int As400Writer::TransferLength() const
{
    if (command_.binary || sourceForm_)
    {
        return InternalRecordLength(fields_);
    }
    return DisplayRecordLength(fields_);
}

int As400Writer::RecordsPerBuffer() const
{
    int width = command_.binary ? 2 * TransferLength() : TransferLength();
    return width > 0 ? kDataAreaLength / width : 0;
}

As400Reply As400Writer::Fail(const std::string& message)
{
    member_.Close();
    stage_ = Stage::Ended;
    return ErrorReply(message);
}

As400Reply As400Writer::OnEnter(const Screen& screen)
{
    std::string header = screen.ReadTyped(kAs400ReplyPosition, kAs400ReplyLength);
    char code = header[0];
    int count = ReadNumber(header, 3, 6);
    int recordLength = ReadNumber(header, 11, 4);
    if (stage_ == Stage::Created)
    {
        stage_ = Stage::Data;
        As400Reply reply;
        reply.code = 'S';
        return reply;
    }
    if (count < 0 || recordLength < 0)
    {
        return Fail(HostText(IDS_AS400_BAD_HEADER, {Trim(header)}));
    }
    if (stage_ == Stage::Descriptions)
    {
        return TakeDescriptions(code, count, recordLength, screen);
    }
    return TakeData(code, count, recordLength, screen);
}

As400Reply As400Writer::TakeDescriptions(char code, int count, int recordLength, const Screen& screen)
{
    if (recordLength != kDescriptionLength || (code == '+' && count != 0) ||
        (code != '+' && (code != 'F' || count > 26)))
    {
        return Fail(HostText(IDS_AS400_BAD_HEADER, {Trim(screen.ReadTyped(kAs400ReplyPosition, 20))}));
    }
    if (code == '+')
    {
        return FinishDescriptions();
    }
    std::string area = screen.ReadAnsi(kDataAreaPosition, count * kDescriptionLength);
    for (int i = 0; i < count; ++i)
    {
        HostField field;
        if (ParseDescription(area.substr(static_cast<size_t>(i) * kDescriptionLength, kDescriptionLength), field) !=
            FieldProblem::None)
        {
            return Fail(HostText(IDS_AS400_BAD_DESCRIPTION, {std::to_string(fields_.size() + 1)}));
        }
        fields_.push_back(field);
    }
    As400Reply reply;
    reply.code = 'S';
    return reply;
}

As400Reply As400Writer::FinishDescriptions()
{
    if (fields_.empty())
    {
        return Fail(HostText(IDS_AS400_NO_FIELDS));
    }
    NameBlankFields(fields_, command_.file);
    std::string twice = FindTwice(fields_);
    if (!twice.empty())
    {
        return Fail(HostText(IDS_AS400_FIELD_TWICE, {twice}));
    }
    if (InternalRecordLength(fields_) > 32766 || RecordsPerBuffer() < 1)
    {
        return Fail(HostText(IDS_AS400_TOO_LONG, {std::to_string(TransferLength())}));
    }
    As400File file;
    file.fields = fields_;
    file.recordLength = InternalRecordLength(fields_);
    if (!StartData(file))
    {
        return Fail(HostText(IDS_AS400_WRITE_FAILED, {command_.member}));
    }
    stage_ = Stage::Created;
    As400Reply reply;
    reply.code = 'W';
    return reply;
}

As400Reply As400Writer::TakeData(char code, int count, int recordLength, const Screen& screen)
{
    int perBuffer = RecordsPerBuffer();
    if ((code != '*' && code != '+') || (code == '*' && count != perBuffer) || (code == '+' && count >= perBuffer))
    {
        return Fail(HostText(IDS_AS400_BAD_HEADER, {Trim(screen.ReadTyped(kAs400ReplyPosition, 20))}));
    }
    if (recordLength != TransferLength())
    {
        return Fail(
            HostText(IDS_AS400_LENGTH_MISMATCH, {std::to_string(recordLength), std::to_string(TransferLength())}));
    }
    const HostSwitches& switches = environment_.switches;
    if (switches.failAfterBuffers >= 0 && buffersTaken_ >= switches.failAfterBuffers)
    {
        return Fail(switches.failureMessage.empty() ? HostText(IDS_AS400_FAILURE) : switches.failureMessage);
    }
    size_t length = static_cast<size_t>(recordLength);
    std::string data;
    if (command_.binary)
    {
        if (!HexDecode(screen.ReadAnsi(kDataAreaPosition, 2 * count * recordLength), data))
        {
            return Fail(HostText(IDS_AS400_DATA_ERROR, {std::to_string(recordsWritten_ + 1), "*HEX"}));
        }
    }
    else
    {
        data = screen.ReadEbcdic(kDataAreaPosition, count * recordLength);
    }
    std::vector<std::string> records;
    for (int i = 0; i < count; ++i)
    {
        std::string text = data.substr(static_cast<size_t>(i) * length, length);
        std::string record;
        int badField = 0;
        if (command_.binary || sourceForm_)
        {
            record = text;
        }
        else if (!DisplayToRecord(fields_, text, record, badField))
        {
            return Fail(
                HostText(IDS_AS400_DATA_ERROR, {std::to_string(recordsWritten_ + i + 1), fields_[badField].name}));
        }
        records.push_back(record);
    }
    if (!member_.Append(records, fields_))
    {
        return Fail(HostText(IDS_AS400_WRITE_FAILED, {command_.member}));
    }
    recordsWritten_ += records.size();
    ++buffersTaken_;
    if (code == '*')
    {
        As400Reply reply;
        reply.code = 'S';
        return reply;
    }
    member_.Close();
    stage_ = Stage::Ended;
    As400Reply reply;
    reply.code = 'E';
    reply.message = HostText(IDS_AS400_WRITE_DONE, {std::to_string(recordsWritten_)});
    return reply;
}

}  // namespace kvhll
