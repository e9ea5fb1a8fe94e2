// Profile lists and description files, damaged and read as the programs and the host transfers read them. A list
// must give exactly its lines that name something; a description file read must give, written again, the bytes it
// was read from.
#include "HostileReaders.h"

#include "DescrFile.h"
#include "Mutation.h"
#include "ProfileFiles.h"
#include "TempProgramFolder.h"
#include "ZRProfileListFile.h"

#include <random>

namespace
{
// The entries a list holds: its lines split at LF, each without a CR at its end, passing over lines of nothing
// but blanks, CRs and Ctrl-Zs.
std::vector<std::string> ListEntries(const std::string& bytes)
{
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < bytes.size())
    {
        size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(std::string(" \t\r\v\f\x1A", 6)) != std::string::npos)
            entries.push_back(line);
        start = next;
    }
    return entries;
}

class ListReader : public HostileReader
{
public:
    const char* Name() const override { return "profile-list"; }

    HostileVerdict Run(uint32_t number, std::string& detail) override
    {
        static const char kGood[] = "C:\\profiles\\night.h2p\r\n\r\nC:\\profiles\\a much longer name\\day.p2h\r\n"
                                    "relative.h2p\r\n  \r\nC:\\last.h2p";
        static const char kInteresting[] = {'\r', '\n', ' ', '\t', '\x1A', '\0', '\\', '.', 'x', '\xFF'};
        std::mt19937 random(number * 2654435761u + 3u);
        std::string bytes = Damage(kGood, random, std::string(kInteresting, sizeof kInteresting));
        if (number % 7 == 0)
            bytes.insert(random() % (bytes.size() + 1), std::string(200 + random() % 2000, 'L'));
        const std::string path = m_folder.PathOf("list.prl");
        WriteFileBytes(path, bytes);
        std::vector<std::string> entries;
        const ProfileListResult result = ReadProfileListFile(path, entries);
        const std::vector<std::string> expected = ListEntries(bytes);
        if (result == ProfileListResult::Empty && expected.empty() && entries.empty())
            return HostileVerdict::Refused;
        if (result == ProfileListResult::Read && entries == expected)
            return HostileVerdict::Clean;
        detail = "entries other than the lines of the list";
        return HostileVerdict::Wrong;
    }

private:
    TempProgramFolder m_folder;
};

// Description files as the host transfers read them (fixed 68-byte records) and as the editor reads them (lines).
class DescrReader : public HostileReader
{
public:
    explicit DescrReader(bool byLines) : m_byLines(byLines) {}
    const char* Name() const override { return m_byLines ? "descr-lines" : "descr-records"; }

    HostileVerdict Run(uint32_t number, std::string& detail) override
    {
        static const char kInteresting[] = {'A', 'S', 'P', 'B', 'x', '0', '9', ' ', '\r', '\n', '\0', '\x1A', '\xFF'};
        std::mt19937 random(number * 40503u + (m_byLines ? 11u : 5u));
        const std::string bytes = Damage(Good(), random, std::string(kInteresting, sizeof kInteresting));
        const std::string path = m_folder.PathOf("fields.fmt");
        WriteFileBytes(path, bytes);
        std::vector<DescrField> fields;
        const DescrFileStatus status = m_byLines ? LoadDescrFile(path.c_str(), fields)
                                                 : ReadDescrRecords(path.c_str(), fields, 500);
        if (status != DescrFileStatus::Ok)
            return HostileVerdict::Refused;
        if (!m_byLines && fields.size() * DESCR_RECORD_BYTES != bytes.size())
            return Wrong(detail, "fields other than the records of the file");
        for (size_t i = 0; i < fields.size(); ++i)
        {
            char record[DESCR_RECORD_BYTES];
            if (!FormatDescrRecord(fields[i], record))
                return Wrong(detail, "a field read that cannot be written");
            const size_t at = i * DESCR_RECORD_BYTES;
            if (!m_byLines && bytes.compare(at, DESCR_RECORD_BYTES, record, DESCR_RECORD_BYTES) != 0)
                return Wrong(detail, "a field other than its record");
        }
        return HostileVerdict::Clean;
    }

private:
    static std::string Good()
    {
        std::string bytes;
        const DescrField fields[] = {{"CUSTNO", DFT_PACKED, 7, 0, "Customer number"},
                                     {"NAME", DFT_CHAR, 30, 0, ""},
                                     {"BALANCE", DFT_ZONED, 11, 2, "Balance"},
                                     {"ORDERS", DFT_BINARY, 4, 0, "Orders"}};
        for (const DescrField& field : fields)
        {
            char record[DESCR_RECORD_BYTES];
            FormatDescrRecord(field, record);
            bytes.append(record, sizeof record);
        }
        return bytes;
    }

    static HostileVerdict Wrong(std::string& detail, const char* what)
    {
        detail = what;
        return HostileVerdict::Wrong;
    }

    bool m_byLines;
    TempProgramFolder m_folder;
};
}

std::unique_ptr<HostileReader> MakeListOrDescrReader(const std::string& name)
{
    if (name == "profile-list")
        return std::make_unique<ListReader>();
    if (name == "descr-records" || name == "descr-lines")
        return std::make_unique<DescrReader>(name == "descr-lines");
    return nullptr;
}
