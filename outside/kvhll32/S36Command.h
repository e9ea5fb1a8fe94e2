// The 50-column command line of FT36 and the field list that a command may find in the data area.
//   col 0 'R' read or 'W' write; col 2 (write) '2' create, '1' replace, '0' add; cols 3-8 (write) number of
//   records; col 10 'H' hexadecimal, 'Y' field list, ' ' characters; cols 11-14 (write) record length;
//   cols 16-23 file, or library of a member; col 24 ' ' file, 'S' source or 'P' procedure member;
//   cols 25-32 member.
// Field list: "%04d%03d" (record length of the display forms, number of fields), then "%c%03d%02d" per field.
#pragma once

#include <string>
#include <vector>

#include "HostField.h"
#include "S36Store.h"

namespace kvhll
{

constexpr size_t kS36CommandColumns = 50;

struct S36Command
{
    char verb = ' ';
    char disposition = ' ';
    long allocation = 0;
    char form = ' ';
    int recordLength = 0;
    S36Object object;
};

enum class S36CommandProblem
{
    None,
    Layout,
    Name
};

// `badName` receives the name that is not valid.
S36CommandProblem ParseS36Command(const std::string& line, S36Command& command, std::string& badName);
// `area` in ANSI characters. FALSE when the list is malformed or a field is not valid.
bool ParseFieldList(const std::string& area, std::vector<HostField>& fields, int& displayLength);

}  // namespace kvhll
