#include "HostField.h"

#include <cstdio>

namespace kvhll
{
namespace
{

bool ReadDigits(std::string_view text, int& value)
{
    value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
        {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

std::string TrimRight(std::string_view text)
{
    size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string Pad(const std::string& text, size_t width)
{
    std::string padded = text.substr(0, width);
    padded.resize(width, ' ');
    return padded;
}

}  // namespace

int InternalSize(const HostField& field)
{
    switch (field.type)
    {
    case 'P':
        return field.length / 2 + 1;
    case 'B':
        return field.length > 5 ? 4 : 2;
    default:
        return field.length;
    }
}

int DisplaySize(const HostField& field)
{
    if (field.type == 'A')
    {
        return field.length;
    }
    return field.length + 1 + (field.decimals > 0 ? 1 : 0);
}

int InternalRecordLength(const std::vector<HostField>& fields)
{
    int total = 0;
    for (const HostField& field : fields)
    {
        total += InternalSize(field);
    }
    return total;
}

int DisplayRecordLength(const std::vector<HostField>& fields)
{
    int total = 0;
    for (const HostField& field : fields)
    {
        total += DisplaySize(field);
    }
    return total;
}

FieldProblem ParseDescription(std::string_view text, HostField& field)
{
    if (text.size() != static_cast<size_t>(kDescriptionLength))
    {
        return FieldProblem::Layout;
    }
    field.name = TrimRight(text.substr(0, kFieldNameLength));
    field.type = text[10];
    if (!ReadDigits(text.substr(11, 3), field.length) || !ReadDigits(text.substr(14, 2), field.decimals))
    {
        return FieldProblem::Layout;
    }
    field.text = TrimRight(text.substr(16, kFieldTextLength));
    return CheckField(field);
}

FieldProblem CheckField(const HostField& field)
{
    int maxLength = 0;
    switch (field.type)
    {
    case 'A':
        maxLength = 999;
        break;
    case 'P':
    case 'S':
        maxLength = 31;
        break;
    case 'B':
        maxLength = 9;
        break;
    default:
        return FieldProblem::Type;
    }
    if (field.length < 1 || field.length > maxLength)
    {
        return FieldProblem::Length;
    }
    if (field.decimals < 0 || (field.type == 'A' ? field.decimals != 0 : field.decimals > field.length))
    {
        return FieldProblem::Decimals;
    }
    return FieldProblem::None;
}

std::string FormatDescription(const HostField& field)
{
    char numbers[16];
    std::snprintf(numbers, sizeof numbers, "%c%03d%02d", field.type, field.length % 1000, field.decimals % 100);
    return Pad(field.name, kFieldNameLength) + numbers + Pad(field.text, kFieldTextLength);
}

}  // namespace kvhll
