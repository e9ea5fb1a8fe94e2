#include "HostBench.h"

#include "DataSource.h"
#include "FieldConvert.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace
{
// Code page 037 for printable ASCII, from 0x20.
const unsigned char kEbcdic[95] = {
    0x40, 0x5A, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61, 0xF0, 0xF1, 0xF2,
    0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F, 0x7C, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5,
    0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7,
    0xE8, 0xE9, 0xBA, 0xE0, 0xBB, 0xB0, 0x6D, 0x79, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92,
    0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xC0, 0x4F, 0xD0, 0xA1,
};

void CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
    {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + "\\" + name, to + "\\" + name);
        else
            CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string ReadShared(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content;
    char block[65536];
    DWORD done = 0;
    while (ReadFile(file, block, sizeof block, &done, nullptr) && done > 0)
        content.append(block, done);
    CloseHandle(file);
    return content;
}

std::vector<std::string> Lines(const std::string& content)
{
    std::vector<std::string> lines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The quoted value after `key="` in a trace line.
bool QuotedValue(const std::string& line, const char* key, std::string& value)
{
    const std::string start = std::string(key) + "=\"";
    std::size_t at = line.find(start);
    if (at == std::string::npos)
        return false;
    at += start.size();
    const std::size_t end = line.find('"', at);
    value = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
    return true;
}

const char* LibraryOf(int hostType)
{
    return hostType == ZRHOST_AS400 ? "Zrtas400.dll" : "Zrts36.dll";
}
}

std::string Ebcdic(const std::string& text)
{
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7E)
            throw std::invalid_argument("not printable ASCII");
        bytes[i] = static_cast<char>(kEbcdic[c - 0x20]);
    }
    return bytes;
}

testing::AssertionResult SameRecords(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    if (expected.size() != actual.size())
        return testing::AssertionFailure() << expected.size() << " records expected, " << actual.size() << " found";
    for (std::size_t i = 0; i < expected.size(); ++i)
    {
        if (expected[i] != actual[i])
            return testing::AssertionFailure() << "record " << i + 1 << " differs";
    }
    return testing::AssertionSuccess();
}

std::string DescriptionLine(const char* name, char letter, int length, int decimals, const char* text)
{
    char line[80];
    std::snprintf(line, sizeof line, "%-10s%c%03d%02d%-50s\r\n", name, letter, length, decimals, text);
    return line;
}

HostBench::HostBench(int hostType, int direction, int transferType)
    : m_tables(hostType, direction, transferType)
{
    m_tables.Set(ZRP_PRESENTATION_SPACE_ID, hostType == ZRHOST_AS400 ? "A" : "E");
    m_tables.SetOption(ZRO_CONFIRM_CREATING, 0);
    m_tables.SetOption(ZRO_CONFIRM_REPLACING, 0);
    m_store = m_folder.Path() + "\\host";
    CopyTree(TempProgramFolder::BuildProgramFolder() + "\\host", m_store);
    CreateDirectoryA((m_folder.Path() + "\\scratch").c_str(), nullptr);
    SetEnvironmentVariableA("ZRT_HOST_DIR", m_store.c_str());
    WriteScenario("");

    m_library = LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\" + LibraryOf(hostType)).c_str());
    if (!m_library)
        throw std::runtime_error("cannot load the host library");
    auto create = reinterpret_cast<ZRTCreateDataSourceProc>(
        reinterpret_cast<void*>(GetProcAddress(m_library, ZRT_CREATE_OBJECT_EXPORT)));
    if (!create || !create(m_tables.ProfileTable(), m_errors.Sink(), m_tables.OptionTable(),
                           m_tables.EnvironmentTable(), &m_functions, TRUE))
        throw std::runtime_error("cannot create the host data source");
}

HostBench::~HostBench()
{
    if (m_library)
        FreeLibrary(m_library);
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

std::string HostBench::StorePath(const std::string& relative) const
{
    return m_store + "\\" + relative;
}

std::string HostBench::ScratchPath(const std::string& name) const
{
    return m_folder.Path() + "\\scratch\\" + name;
}

void HostBench::WriteScratch(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(ScratchPath(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void HostBench::WriteScenario(const std::string& sections) const
{
    std::ofstream out(StorePath("SCENARIO.INI"), std::ios::binary | std::ios::trunc);
    out << "[Bridge]\r\nTrace=trace.log\r\n" << sections;
}

void HostBench::CopyAs400Member(const std::string& library, const std::string& file, const std::string& from,
                                const std::string& to, int records) const
{
    const std::string folder = StorePath("AS400\\" + library + "\\" + file);
    const std::vector<std::string> lines = Lines(ReadShared(folder + "\\" + from + ".MBR"));
    std::ofstream out(folder + "\\" + to + ".MBR", std::ios::binary | std::ios::trunc);
    for (int i = 0; i < records && i < static_cast<int>(lines.size()); ++i)
        out << lines[static_cast<std::size_t>(i)] << "\r\n";
    WritePrivateProfileStringA("Members", to.c_str(), "Copied records", (folder + ".INI").c_str());
}

std::vector<std::string> HostBench::StoreLines(const std::string& relative) const
{
    return Lines(ReadShared(StorePath(relative)));
}

std::vector<std::string> HostBench::StoredRecords(const std::string& relative, int recordLength) const
{
    std::vector<std::string> records;
    for (const std::string& line : Lines(ReadShared(StorePath(relative))))
    {
        std::string record;
        for (std::size_t i = 0; i < line.size(); ++i)
        {
            if (line[i] == '\\' && i + 2 < line.size())
            {
                record += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            }
            else
            {
                record += Ebcdic(std::string(1, line[i]));
            }
        }
        record.resize(static_cast<std::size_t>(recordLength), '\x40');
        records.push_back(record);
    }
    return records;
}

HostRun HostBench::Read(int limit)
{
    return Transfer(false, nullptr, nullptr, limit, 0);
}

HostRun HostBench::Write(const std::vector<std::vector<std::string>>& texts, int cutInRecord)
{
    return Transfer(true, &texts, nullptr, -1, cutInRecord);
}

HostRun HostBench::WriteBinary(const std::vector<std::string>& records)
{
    return Transfer(true, nullptr, &records, -1, 0);
}

HostRun HostBench::Transfer(bool toHost, const std::vector<std::vector<std::string>>* texts,
                            const std::vector<std::string>* binary, int limit, int cutInRecord)
{
    HostRun run;
    DataSourceFunctions& source = *m_functions;
    run.connected = source.Connect();
    run.opened = run.connected && source.Open(nullptr);
    DSRecordLayout* layout = nullptr;
    if (run.opened && source.GetRecordLayout(&layout) && layout)
    {
        m_fieldLengths.clear();
        for (int i = 0; i < layout->count; ++i)
        {
            run.fieldNames.emplace_back(layout->fields[i].name);
            m_fieldLengths.push_back(static_cast<int>(FieldLength(layout->fields[i])));
        }
        bool ok = true;
        if (!toHost)
        {
            while (ok && !source.EndOfData() && (limit < 0 || static_cast<int>(run.records.size()) < limit))
            {
                std::string record;
                for (int i = 0; ok && i < layout->count; ++i)
                {
                    // As the manager does: the value is taken before the step to the next field.
                    DSField field;
                    ok = source.GetField(&field);
                    if (ok)
                        record.append(field.value, FieldLength(field));
                    ok = ok && source.NextField();
                }
                if (ok)
                    run.records.push_back(record);
            }
        }
        else
        {
            const std::size_t count = texts ? texts->size() : binary->size();
            for (std::size_t r = 0; ok && r < count; ++r)
            {
                const int fields = (cutInRecord > 0 && r + 1 == count) ? cutInRecord : layout->count;
                ok = PutRecord(layout, texts ? &(*texts)[r] : nullptr, binary ? &(*binary)[r] : nullptr, fields);
            }
            ok = ok && source.EndOfData();
        }
        run.moved = ok;
    }
    run.recordCount = source.GetRecordCount();
    run.closed = source.Close();
    source.Disconnect();
    return run;
}

bool HostBench::PutRecord(DSRecordLayout* layout, const std::vector<std::string>* texts, const std::string* binary,
                          int fields)
{
    std::size_t offset = 0;
    for (int i = 0; i < fields; ++i)
    {
        const DSField& host = layout->fields[i];
        const std::size_t length = FieldLength(host);
        DSField pc{};
        std::string value;
        if (binary)
        {
            value = binary->substr(offset, length);
            pc.type = PFT_BINARY;
            pc.length = static_cast<short>(length);
        }
        else
        {
            MapFieldType(host, pc, ZRCS_EBCDIC_TO_ASCII);
            value = i < static_cast<int>(texts->size()) ? (*texts)[i] : std::string();
            if (value.size() < length)
                value.resize(length, ' ');
        }
        offset += length;
        pc.value = value.data();
        if (!(m_functions->PutField(&pc) && m_functions->NextField()))
            return false;
    }
    return true;
}

std::vector<std::string> HostBench::ToPcTexts(const std::string& record) const
{
    std::vector<std::string> texts;
    std::size_t offset = 0;
    for (int length : m_fieldLengths)
    {
        std::string text(static_cast<std::size_t>(length), ' ');
        WORD translated = static_cast<WORD>(length);
        m_tables.EnvironmentTable()->TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, record.data() + offset, text.data(),
                                                       static_cast<WORD>(length), &translated);
        texts.push_back(text);
        offset += static_cast<std::size_t>(length);
    }
    return texts;
}

std::vector<std::string> HostBench::TraceLines() const
{
    return Lines(ReadShared(StorePath("trace.log")));
}

std::vector<std::string> HostBench::Keys() const
{
    std::vector<std::string> keys;
    for (const std::string& line : TraceLines())
    {
        std::string value;
        if (line.find("fn=3 ") != std::string::npos && QuotedValue(line, "keys", value))
            keys.push_back(value);
        else if (line.find("fn=15 ") != std::string::npos && QuotedValue(line, "text", value))
            keys.push_back("[" + value + "]");
    }
    return keys;
}
