#include "HostBench.h"

#include "HostStore.h"

#include "DataSource.h"
#include "FieldConvert.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace
{
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

// Send Key's keys, or a text copied to the screen as "[text]".
bool KeyOf(const std::string& line, std::string& key)
{
    std::string value;
    if (line.find("fn=3 ") != std::string::npos && QuotedValue(line, "keys", value))
        key = value;
    else if (line.find("fn=15 ") != std::string::npos && QuotedValue(line, "text", value))
        key = "[" + value + "]";
    else
        return false;
    return true;
}

const char* LibraryOf(int hostType)
{
    return hostType == ZRHOST_AS400 ? "Zrtas400.dll" : "Zrts36.dll";
}
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
    : m_tables(hostType, direction, transferType), m_session(hostType == ZRHOST_AS400 ? 'A' : 'E')
{
    m_tables.Set(ZRP_PRESENTATION_SPACE_ID, std::string(1, m_session).c_str());
    m_tables.SetOption(ZRO_CONFIRM_CREATING, 0);
    m_tables.SetOption(ZRO_CONFIRM_REPLACING, 0);
    m_store = m_folder.Path() + "\\host";
    UseCopyOfSampleStore(m_store);
    CreateDirectoryA((m_folder.Path() + "\\scratch").c_str(), nullptr);
    WriteScenario("");

    m_library.Reset(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\" + LibraryOf(hostType)).c_str()));
    if (!m_library)
        throw std::runtime_error("cannot load the host library");
    auto create = reinterpret_cast<ZRTCreateDataSourceProc>(
        reinterpret_cast<void*>(GetProcAddress(m_library.Get(), ZRT_CREATE_OBJECT_EXPORT)));
    if (!create || !create(m_tables.ProfileTable(), m_errors.Sink(), m_tables.OptionTable(),
                           m_tables.EnvironmentTable(), &m_functions, TRUE))
        throw std::runtime_error("cannot create the host data source");
}

HostBench::~HostBench()
{
    m_library.Reset();
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

std::vector<std::string> HostBench::StoreLines(const std::string& relative) const
{
    return FileLines(StorePath(relative));
}

std::vector<std::string> HostBench::StoredRecords(const std::string& relative, int recordLength) const
{
    return RecordFileRecords(StorePath(relative), recordLength);
}

void HostBench::CopyAs400Member(const std::string& library, const std::string& file, const std::string& from,
                                const std::string& to, int records) const
{
    AddAs400Member(m_store, library, file, from, to, records);
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
    return FileLines(StorePath("trace.log"));
}

std::vector<std::string> HostBench::Keys() const
{
    std::vector<std::string> keys;
    for (const std::string& line : TraceLines())
    {
        std::string key;
        if (KeyOf(line, key))
            keys.push_back(key);
    }
    return keys;
}

std::vector<std::string> HostBench::Dialog() const
{
    const std::string screenOfSession = std::string(" host ") + m_session + " row1=";
    std::vector<std::string> dialog;
    // The bridge writes a screen before the line of the call that made the host show it.
    std::vector<std::string> shown;
    for (const std::string& line : TraceLines())
    {
        std::string value;
        if (line.find(screenOfSession) != std::string::npos && QuotedValue(line, "row1", value))
        {
            std::string reply = value.size() > 2 ? value.substr(2, 15) : std::string();
            reply.erase(reply.find_last_not_of(' ') + 1);
            shown.push_back("{" + reply + "}");
            continue;
        }
        if (line.find(" fn=") == std::string::npos)
            continue;
        if (KeyOf(line, value))
            dialog.push_back(value);
        dialog.insert(dialog.end(), shown.begin(), shown.end());
        shown.clear();
    }
    dialog.insert(dialog.end(), shown.begin(), shown.end());
    return dialog;
}

std::string JoinLines(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += text + "\n";
    return all;
}

bool ContainsText(const std::vector<std::string>& texts, const std::string& wanted)
{
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

std::vector<std::string> MessageCodes(const std::vector<std::string>& texts)
{
    std::vector<std::string> codes;
    for (const std::string& text : texts)
        codes.push_back(text.substr(6, 6));
    return codes;
}
