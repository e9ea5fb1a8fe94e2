#include "S36Command.h"

#include "HostNames.h"
#include "IniFile.h"

namespace kvhll
{
namespace
{

bool ReadNumber(const std::string& text, size_t offset, size_t length, long& value)
{
    std::string digits = text.substr(offset, length);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
    {
        return false;
    }
    value = std::stol(digits);
    return true;
}

}  // namespace

S36CommandProblem ParseS36Command(const std::string& line, S36Command& command, std::string& badName)
{
    std::string text = line;
    text.resize(kS36CommandColumns, ' ');
    command = S36Command();
    command.verb = text[0];
    command.form = text[10];
    bool verb = command.verb == 'R' || command.verb == 'W';
    if (!verb || (command.form != 'H' && command.form != 'Y' && command.form != ' '))
    {
        return S36CommandProblem::Layout;
    }
    if (command.verb == 'W')
    {
        long length = 0;
        command.disposition = text[2];
        if (command.disposition != '0' && command.disposition != '1' && command.disposition != '2')
        {
            return S36CommandProblem::Layout;
        }
        if (!ReadNumber(text, 3, 6, command.allocation) || !ReadNumber(text, 11, 4, length))
        {
            return S36CommandProblem::Layout;
        }
        command.recordLength = static_cast<int>(length);
    }
    S36Object& object = command.object;
    std::string name = Trim(text.substr(16, 8));
    object.memberType = text[24];
    if (object.memberType == ' ')
    {
        object.file = name;
    }
    else if (object.memberType == 'S' || object.memberType == 'P')
    {
        object.library = name;
        object.member = Trim(text.substr(25, 8));
        if (!IsS36Name(object.member))
        {
            badName = object.member;
            return S36CommandProblem::Name;
        }
    }
    else
    {
        return S36CommandProblem::Layout;
    }
    if (!IsS36Name(name))
    {
        badName = name;
        return S36CommandProblem::Name;
    }
    return S36CommandProblem::None;
}

bool ParseFieldList(const std::string& area, std::vector<HostField>& fields, int& displayLength)
{
    long length = 0;
    long count = 0;
    fields.clear();
    if (area.size() < 7 || !ReadNumber(area, 0, 4, length) || !ReadNumber(area, 4, 3, count) || count < 1 ||
        area.size() < 7 + static_cast<size_t>(count) * 6)
    {
        return false;
    }
    for (long i = 0; i < count; ++i)
    {
        size_t at = 7 + static_cast<size_t>(i) * 6;
        long digits = 0;
        long decimals = 0;
        if (!ReadNumber(area, at + 1, 3, digits) || !ReadNumber(area, at + 4, 2, decimals))
        {
            return false;
        }
        HostField field{"", area[at], static_cast<int>(digits), static_cast<int>(decimals), ""};
        if (CheckField(field) != FieldProblem::None)
        {
            return false;
        }
        fields.push_back(field);
    }
    displayLength = static_cast<int>(length);
    return true;
}

}  // namespace kvhll
