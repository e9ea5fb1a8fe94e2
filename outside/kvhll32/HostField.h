// A field of a host record as its description gives it: name, type letter, length (bytes for character
// fields, digits for numbers), decimal digits and text. The 66-character description is the form that
// crosses the screen and that the host store keeps (followed by CR LF) in its description files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvhll
{

constexpr int kDescriptionLength = 66;
constexpr int kFieldNameLength = 10;
constexpr int kFieldTextLength = 50;

struct HostField
{
    std::string name;
    char type = 'A';  // 'A' character, 'P' packed, 'S' zoned, 'B' binary
    int length = 0;   // bytes for 'A', digits for the others
    int decimals = 0;
    std::string text;
};

// Why a description or a field was refused.
enum class FieldProblem
{
    None,
    Layout,
    Type,
    Length,
    Decimals
};

// Bytes of the field in the host record: A length, P digits / 2 + 1, S digits, B 4 above 5 digits else 2.
int InternalSize(const HostField& field);
// Characters of the field's display form: A length; P, S, B digits + 1, + 1 more with decimals.
int DisplaySize(const HostField& field);
int InternalRecordLength(const std::vector<HostField>& fields);
int DisplayRecordLength(const std::vector<HostField>& fields);

// Reads one 66-character description (ANSI characters). Layout: the length and decimals are not digits.
FieldProblem ParseDescription(std::string_view text, HostField& field);
// Checks the type letter and the limits: A 1-999 without decimals; P and S 1-31, B 1-9, decimals up to the digits.
FieldProblem CheckField(const HostField& field);
// The 66-character description (ANSI characters).
std::string FormatDescription(const HostField& field);

}  // namespace kvhll
