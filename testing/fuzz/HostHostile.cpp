// Host replies through the host data sources, as the stand-in bridge gives them: records of the host store damaged
// on disk, and reply lines damaged on their way to the PC. Records are read in binary mode, so that a clean read
// must give exactly the host bytes that the store holds.
#include "HostileReaders.h"

#include "AsciiText.h"
#include "HostBench.h"
#include "HostStore.h"
#include "Mutation.h"
#include "ProfileFiles.h"

#include <random>
#include <sstream>

namespace
{
struct HostFile
{
    int hostType;
    const char* sourceName;
    const char* recordFile;
    size_t recordLength;
};
const HostFile kAs400{ZRHOST_AS400, "QGPL/CUSTOMER(CUSTOMER)", "AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR", 80};
const HostFile kS36{ZRHOST_S36, "CUSTMAST", "S36\\FILES\\CUSTMAST.DAT", 64};

// The records of a record file as the store's format defines them; false when a line holds a bad escape or more
// bytes than the record. Characters are printable ASCII or CR here (the damage keeps them so).
bool StoreRecords(const std::string& text, size_t recordLength, std::vector<std::string>& records)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string record;
        for (size_t i = 0; i < line.size(); ++i)
        {
            if (line[i] == '\r')
            {
                record += '\x0D';
                continue;
            }
            if (line[i] != '\\')
            {
                record += Ebcdic(std::string(1, line[i]));
                continue;
            }
            const int high = i + 2 < line.size() ? HexDigitValue(line[i + 1]) : -1;
            const int low = high >= 0 ? HexDigitValue(line[i + 2]) : -1;
            if (low < 0)
                return false;
            record += static_cast<char>(high << 4 | low);
            i += 2;
        }
        if (record.size() > recordLength)
            return false;
        record.resize(recordLength, '\x40');
        records.push_back(record);
    }
    return true;
}

class HostReader : public HostileReader
{
public:
    HostReader(const char* name, const HostFile& file, bool damageReplies)
        : m_name(name), m_file(file), m_damageReplies(damageReplies),
          m_bench(file.hostType, ZRDIR_HOST_TO_PC, ZRTT_BINARY)
    {
        m_bench.Set(ZRP_HOST_SOURCE_NAME, file.sourceName);
        m_bench.Tables().SetOption(ZRO_HLLAPI_TIMEOUT_DDS, 1);
        m_bench.Tables().SetOption(ZRO_HLLAPI_TIMEOUT_SENDKEY, 1);
        m_good = ReadFileBytes(m_bench.StorePath(file.recordFile));
        StoreRecords(m_good, file.recordLength, m_goodRecords);
    }

    const char* Name() const override { return m_name; }

    HostileVerdict Run(uint32_t number, std::string& detail) override
    {
        std::mt19937 random(number * 48271u + static_cast<uint32_t>(m_file.hostType));
        std::vector<std::string> expected = m_goodRecords;
        const char session = m_file.hostType == ZRHOST_AS400 ? 'A' : 'E';
        if (m_damageReplies)
        {
            WriteFileBytes(m_bench.StorePath("SCENARIO.INI"),
                           std::string("[Session ") + session + "]\r\nDamageReplies=" + std::to_string(number + 1) +
                               "\r\nDamageBytes=" + std::to_string(1 + number % 3) + "\r\n");
        }
        else
        {
            static const char kInteresting[] = {'\\', '0', '9', 'A', 'F', 'x', ' ', '\r', '\n'};
            std::string damaged = Damage(m_good, random, std::string(kInteresting, sizeof kInteresting));
            for (char& c : damaged)
                if ((c < ' ' || c > '~') && c != '\r' && c != '\n')
                    c = static_cast<char>(' ' + static_cast<unsigned char>(c) % 95);
            WriteFileBytes(m_bench.StorePath(m_file.recordFile), damaged);
            expected.clear();
            if (!StoreRecords(damaged, m_file.recordLength, expected))
                expected.assign(1, std::string("(unreadable)"));
        }
        const size_t before = m_bench.ErrorTexts().size();
        const HostRun run = m_bench.Read();
        const size_t messages = m_bench.ErrorTexts().size() - before;
        if (!run.Succeeded())
        {
            if (messages > 0)
                return HostileVerdict::Refused;
            detail = "refused without a message";
            return HostileVerdict::Wrong;
        }
        if (run.records != expected)
        {
            detail = "records other than the host holds: " + std::to_string(run.records.size()) + " of " +
                     std::to_string(expected.size());
            return HostileVerdict::Wrong;
        }
        return HostileVerdict::Clean;
    }

private:
    const char* m_name;
    HostFile m_file;
    bool m_damageReplies;
    HostBench m_bench;
    std::string m_good;
    std::vector<std::string> m_goodRecords;
};
}

std::unique_ptr<HostileReader> MakeHostReader(const std::string& name)
{
    if (name == "host-store-as400")
        return std::make_unique<HostReader>("host-store-as400", kAs400, false);
    if (name == "host-store-s36")
        return std::make_unique<HostReader>("host-store-s36", kS36, false);
    if (name == "host-replies-as400")
        return std::make_unique<HostReader>("host-replies-as400", kAs400, true);
    if (name == "host-replies-s36")
        return std::make_unique<HostReader>("host-replies-s36", kS36, true);
    return nullptr;
}
