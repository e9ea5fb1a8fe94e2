// PC files of every readable format, damaged and read as a PC-to-host transfer reads them; and damaged files of
// every format given to the append check. A clean read must give numbers that are numbers, as many records as it
// counted, and as many records as the file holds by an independent count of its own.
#include "HostileReaders.h"

#include "Mutation.h"
#include "NumberText.h"
#include "TransferRunner.h"

#include <random>

namespace
{
const std::vector<HostFieldDefinition> kTextFields = {
    {"NAME", HFT_CHARACTER, 6, 0}, {"PRICE", HFT_PACKED, 7, 2}, {"QTY", HFT_ZONED, 4, 0}};
const std::vector<HostFieldDefinition> kRecordFields = {
    {"NAME", HFT_CHARACTER, 6, 0}, {"PRICE", HFT_PACKED, 7, 2}, {"QTY", HFT_ZONED, 4, 0}, {"CODE", HFT_BINARY, 6, 0}};
const std::vector<std::vector<std::string>> kRecords = {{"ab\"c", "-012.50", " 042", "    -7"},
                                                        {"", " 000.01", "-001", "     0"},
                                                        {"x,y z", " 999.99", " 000", " 32767"},
                                                        {"\t", "-001.00", " 123", "-32768"}};
constexpr size_t kDosRandomRecord = 6 + 3 + 3 + 2;
constexpr size_t kDlmRecord = 6 + 7 + 4;
constexpr char kEndMark = 0x1A;

const char kInteresting[] = {'"', ',', '\t', ' ',    '\r',   '\n', '.',    '-',    '0',    '1',    '9',
                             'E', 'V', '*',  '\x0D', '\x1A', '\0', '\x01', '\x04', '\x0F', '\x7F', '\xFF'};

bool OnlyLineEndsFrom(const std::string& file, size_t at)
{
    return file.find_first_not_of(std::string("\r\n\x1A", 3), at) == std::string::npos;
}

bool NumbersAreNumbers(const std::vector<std::vector<std::string>>& records)
{
    for (const auto& record : records)
        for (size_t i = 1; i < record.size(); ++i)
            if (!IsNumberText(record[i].data(), record[i].size()))
                return false;
    return true;
}

// Lines of a TXT file: each ends at CR, LF, or the two in either order; the data ends at the end mark.
size_t TxtLines(const std::string& file)
{
    size_t lines = 0;
    size_t at = 0;
    while (at < file.size() && file[at] != kEndMark)
    {
        at = std::min(file.find_first_of(std::string("\r\n\x1A", 3), at), file.size());
        ++lines;
        if (at < file.size() && (file[at] == '\r' || file[at] == '\n'))
        {
            const char partner = file[at] == '\r' ? '\n' : '\r';
            ++at;
            if (at < file.size() && file[at] == partner)
                ++at;
        }
    }
    return lines;
}

// Lines of a delimited file: each ends with CR LF outside a quoted value (a double quote opens one only where a
// value starts, and two inside it stand for one); the data ends at the end mark. Sets `strayMark` for a Ctrl-Z
// outside quotes with data after it.
size_t DelimitedLines(const std::string& file, char separator, bool& strayMark)
{
    size_t lines = 0;
    bool quoted = false;
    bool valueStart = true;
    bool content = false;
    for (size_t at = 0; at < file.size(); ++at)
    {
        const char c = file[at];
        if (quoted)
        {
            if (c == '"' && at + 1 < file.size() && file[at + 1] == '"')
                ++at;
            else if (c == '"')
                quoted = false;
            continue;
        }
        if (c == kEndMark)
        {
            strayMark = !OnlyLineEndsFrom(file, at);
            break;
        }
        if (c == '\r')
        {
            ++lines;
            content = false;
            valueStart = true;
            if (at + 1 < file.size() && file[at + 1] == '\n')
                ++at;
            continue;
        }
        content = true;
        quoted = c == '"' && valueStart;
        valueStart = c == separator;
    }
    return lines + (content ? 1 : 0);
}

// Records of a DBF file that are not deleted among those its header counts; -1 for a header too short to say.
long long DbfLiveRecords(const std::string& file)
{
    if (file.size() < 12)
        return -1;
    auto byte = [&file](size_t at) { return static_cast<unsigned long long>(static_cast<unsigned char>(file[at])); };
    const unsigned long long count = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
    const unsigned long long headerLength = byte(8) | byte(9) << 8;
    const unsigned long long recordLength = byte(10) | byte(11) << 8;
    long long live = 0;
    for (unsigned long long i = 0; i < count; ++i)
    {
        const unsigned long long at = headerLength + i * recordLength;
        if (at >= file.size())
            return -1;
        live += file[static_cast<size_t>(at)] != '*' ? 1 : 0;
    }
    return live;
}

class PcFileReader : public HostileReader
{
public:
    PcFileReader(const char* name, int type) : m_name(name), m_type(type) {}
    const char* Name() const override { return m_name; }

    HostileVerdict Run(uint32_t number, std::string& detail) override
    {
        std::mt19937 random(number * 7919u + static_cast<uint32_t>(m_type));
        PcTransfer transfer = Transfer();
        if (m_good.empty())
            m_good = *m_runner.ToPc(Transfer()).file;
        transfer.records.clear();
        transfer.fileBefore = Damage(m_good, random, std::string(kInteresting, sizeof kInteresting));
        const TransferOutcome outcome = m_runner.FromPc(transfer);
        if (!outcome.Succeeded())
            return outcome.errors.empty() ? Wrong(detail, "refused without a message") : HostileVerdict::Refused;
        if (!outcome.errors.empty())
            return Wrong(detail, "read with a message");
        if (!NumbersAreNumbers(outcome.records))
            return Wrong(detail, "a number field holds no number");
        if (outcome.steps.recordCount != static_cast<int>(outcome.records.size()))
            return Wrong(detail, "counted other records than it gave");
        return JudgeCount(*transfer.fileBefore, outcome.records.size(), detail);
    }

private:
    PcTransfer Transfer() const
    {
        PcTransfer transfer;
        transfer.fileType = m_type;
        transfer.fields = m_type <= PCFT_DLM ? kTextFields : kRecordFields;
        transfer.records = kRecords;
        return transfer;
    }

    static HostileVerdict Wrong(std::string& detail, const char* what)
    {
        detail = what;
        return HostileVerdict::Wrong;
    }

    HostileVerdict JudgeCount(const std::string& file, size_t records, std::string& detail) const
    {
        bool strayMark = false;
        switch (m_type)
        {
        case PCFT_TXT:
            if (records != TxtLines(file))
                return Wrong(detail, "records other than the lines of the file");
            break;
        case PCFT_TAB:
        case PCFT_CSV:
        case PCFT_PRN:
        {
            const char separator = m_type == PCFT_TAB ? '\t' : m_type == PCFT_CSV ? ',' : ' ';
            const size_t lines = DelimitedLines(file, separator, strayMark);
            if (strayMark)
                return Wrong(detail, "read past a Ctrl-Z with data after it");
            if (records != lines && records + 1 != lines)
                return Wrong(detail, "records other than the lines of the file");
            break;
        }
        case PCFT_DLM:
            if (!OnlyLineEndsFrom(file, std::min(file.size(), records * (kDlmRecord + 2))))
                return Wrong(detail, "data after the records read");
            break;
        case PCFT_DBF:
            if (static_cast<long long>(records) != DbfLiveRecords(file))
                return Wrong(detail, "records other than the header counts");
            break;
        case PCFT_DR1:
        case PCFT_DR2:
            if (file.size() % kDosRandomRecord != 0 || records != file.size() / kDosRandomRecord)
                return Wrong(detail, "records other than the file's whole records");
            break;
        default:
            break;
        }
        return HostileVerdict::Clean;
    }

    const char* m_name;
    int m_type;
    std::string m_good;
    TransferRunner m_runner;
};

// Appends one record to a damaged file of each format in turn: refused with a message and the file untouched, or
// appended so that a file that could be read before reads with one record more.
class AppendReader : public HostileReader
{
public:
    const char* Name() const override { return "pc-append"; }

    HostileVerdict Run(uint32_t number, std::string& detail) override
    {
        static const int kTypes[] = {PCFT_TXT, PCFT_TAB, PCFT_CSV, PCFT_PRN, PCFT_DLM, PCFT_DIF,
                                     PCFT_DBF, PCFT_DR1, PCFT_DR2, PCFT_WKQ, PCFT_WKS, PCFT_XLS};
        const int type = kTypes[number % std::size(kTypes)];
        std::mt19937 random(number * 104729u);
        PcTransfer transfer = Transfer(type);
        const std::string good = *m_runner.ToPc(transfer).file;
        transfer.records.resize(1);
        transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
        transfer.fileBefore = Damage(good, random, std::string(kInteresting, sizeof kInteresting));
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        const std::string after = outcome.file ? *outcome.file : std::string();
        if (!outcome.Succeeded())
        {
            if (outcome.errors.empty())
                return Fail(detail, "refused without a message");
            return after == *transfer.fileBefore ? HostileVerdict::Refused : Fail(detail, "refused and changed");
        }
        if (!outcome.errors.empty())
            return Fail(detail, "appended with a message");
        if (type > PCFT_DR2 || transfer.fileBefore->empty())
            return HostileVerdict::Clean;
        const TransferOutcome before = Read(type, *transfer.fileBefore);
        if (!before.Succeeded())
            return HostileVerdict::Clean;
        const TransferOutcome read = Read(type, after);
        if (!read.Succeeded() || read.records.size() != before.records.size() + 1)
            return Fail(detail, "the appended file does not read with one record more");
        return HostileVerdict::Clean;
    }

private:
    static PcTransfer Transfer(int type)
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = type <= PCFT_DLM ? kTextFields : kRecordFields;
        transfer.records = kRecords;
        return transfer;
    }

    TransferOutcome Read(int type, const std::string& file)
    {
        PcTransfer transfer = Transfer(type);
        transfer.records.clear();
        transfer.fileBefore = file;
        return m_runner.FromPc(transfer);
    }

    static HostileVerdict Fail(std::string& detail, const char* what)
    {
        detail = what;
        return HostileVerdict::Wrong;
    }

    TransferRunner m_runner;
};
}

std::unique_ptr<HostileReader> MakePcFileReader(const std::string& name)
{
    static const struct
    {
        const char* name;
        int type;
    } kFormats[] = {{"pc-txt", PCFT_TXT}, {"pc-tab", PCFT_TAB}, {"pc-csv", PCFT_CSV},
                    {"pc-prn", PCFT_PRN}, {"pc-dlm", PCFT_DLM}, {"pc-dif", PCFT_DIF},
                    {"pc-dbf", PCFT_DBF}, {"pc-dr1", PCFT_DR1}, {"pc-dr2", PCFT_DR2}};
    for (const auto& format : kFormats)
        if (name == format.name)
            return std::make_unique<PcFileReader>(format.name, format.type);
    if (name == "pc-append")
        return std::make_unique<AppendReader>();
    return nullptr;
}
