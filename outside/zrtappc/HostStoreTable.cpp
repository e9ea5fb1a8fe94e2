#include "HostStoreTable.h"

#include "AsciiText.h"
#include "DisplayForm.h"
#include "HostRecordText.h"

#include <windows.h>

#include <climits>

namespace
{
// Longest section of member names read from a file's INI file.
constexpr DWORD kMemberListSize = 65536;
// Characters of a description line: name 10, type 1, length 3, decimals 2, text 50.
constexpr size_t kDescriptionLineLength = 66;
// Data before the text of a source record: sequence number and date.
constexpr int kSourcePrefixLength = 12;

std::string WithoutTrailingBlanks(const std::string& text)
{
    size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A number of a description line: digits, blanks around them allowed, blanks alone reading as 0.
bool ParseNumber(const std::string& field, int& value)
{
    const std::string_view digits = TrimBlanks(field);
    long long number = 0;
    if (ReadDecimalDigits(digits.data(), digits.size(), INT_MAX, number) != digits.size())
        return false;
    value = static_cast<int>(number);
    return true;
}

bool IsValidColumn(const HostColumn& column)
{
    switch (column.type)
    {
    case 'A':
        return column.length >= 1 && column.length <= 999 && column.decimals == 0;
    case 'P':
    case 'S':
        return column.length >= 1 && column.length <= 31 && column.decimals <= column.length;
    case 'B':
        return column.length >= 1 && column.length <= 9 && column.decimals <= column.length;
    default:
        return false;
    }
}

bool ParseDescriptionLine(std::string line, HostColumn& column)
{
    if (line.size() > kDescriptionLineLength)
        return false;
    line.resize(kDescriptionLineLength, ' ');
    column.name = WithoutTrailingBlanks(line.substr(0, 10));
    column.type = line[10];
    column.text = WithoutTrailingBlanks(line.substr(16));
    return ParseNumber(line.substr(11, 3), column.length) && ParseNumber(line.substr(14, 2), column.decimals) &&
           IsValidColumn(column);
}

void StripCarriageReturn(std::string& line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}
}

StoreResult CHostStoreTable::Open(const std::string& store, const PlainSelectTable& table)
{
    Close();
    const std::string base = store + "\\AS400\\" + table.library + "\\" + table.file;
    const std::string iniPath = base + ".INI";
    if (!FileExists(iniPath))
        return StoreResult::NoTable;

    char type[16];
    GetPrivateProfileStringA("File", "Type", "DATA", type, sizeof type, iniPath.c_str());
    StoreResult result;
    if (lstrcmpiA(type, "SOURCE") == 0)
    {
        int recordLength = static_cast<int>(GetPrivateProfileIntA("File", "RecordLength", 0, iniPath.c_str()));
        m_columns = {HostColumn{"SRCSEQ", "", 'S', 6, 2}, HostColumn{"SRCDAT", "", 'S', 6, 0},
                     HostColumn{"SRCDTA", "", 'A', recordLength - kSourcePrefixLength, 0}};
        result = IsValidColumn(m_columns.back()) ? StoreResult::Ok : StoreResult::BadDescription;
    }
    else if (lstrcmpiA(type, "DATA") == 0)
        result = ReadDescription(base + ".FMT");
    else
        result = StoreResult::BadDescription;
    if (result == StoreResult::Ok)
        result = FindMember(iniPath, table.member);
    if (result != StoreResult::Ok)
        return result;

    for (const HostColumn& column : m_columns)
        m_recordLength += StoredBytes(column.type, column.length);
    const std::string recordPath = base + "\\" + m_member + ".MBR";
    m_hasRecordFile = FileExists(recordPath);
    if (!m_hasRecordFile)
        return StoreResult::Ok;
    m_records.open(recordPath, std::ios::binary);
    return m_records.is_open() ? StoreResult::Ok : StoreResult::CannotRead;
}

void CHostStoreTable::Close()
{
    if (m_records.is_open())
        m_records.close();
    m_records.clear();
    m_columns.clear();
    m_member.clear();
    m_recordLength = 0;
    m_hasRecordFile = false;
    m_lineNumber = 0;
}

StoreResult CHostStoreTable::ReadDescription(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return StoreResult::BadDescription;
    for (std::string line; std::getline(in, line);)
    {
        StripCarriageReturn(line);
        if (line.empty())
            continue;
        HostColumn column;
        if (!ParseDescriptionLine(line, column))
            return StoreResult::BadDescription;
        m_columns.push_back(column);
    }
    return m_columns.empty() ? StoreResult::BadDescription : StoreResult::Ok;
}

StoreResult CHostStoreTable::FindMember(const std::string& iniPath, const std::string& wanted)
{
    std::vector<char> names(kMemberListSize);
    GetPrivateProfileStringA("Members", nullptr, "", names.data(), kMemberListSize, iniPath.c_str());
    for (const char* name = names.data(); *name != '\0'; name += lstrlenA(name) + 1)
    {
        if (wanted.empty() || lstrcmpiA(name, wanted.c_str()) == 0)
        {
            m_member = name;
            return StoreResult::Ok;
        }
    }
    return StoreResult::NoMember;
}

StoreResult CHostStoreTable::Next(unsigned char* record)
{
    std::string line;
    if (!m_hasRecordFile || !std::getline(m_records, line))
        return StoreResult::End;
    ++m_lineNumber;
    StripCarriageReturn(line);
    return DecodeRecordLine(line, record, m_recordLength) ? StoreResult::Ok : StoreResult::BadRecord;
}
