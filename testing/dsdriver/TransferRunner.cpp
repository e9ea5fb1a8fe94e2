#include "TransferRunner.h"

#include "FakeCallerTables.h"

#include <cstdio>
#include <iterator>

namespace
{
const char* const kExtensions[] = {"",    "",    "bin", "txt", "tab", "csv", "prn", "dlm",
                                   "dif", "dbf", "dr1", "dr2", "wkq", "wks", "xls"};

int ValueOf(const std::vector<Setting>& settings, int id, int fallback)
{
    for (const Setting& setting : settings)
        if (setting.id == id)
            return setting.value;
    return fallback;
}
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, read);
    std::fclose(file);
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::vector<std::string> TransferOutcome::ErrorTexts() const
{
    std::vector<std::string> texts;
    for (const CapturedError& error : errors)
        texts.push_back(error.text);
    return texts;
}

TransferRunner::TransferRunner(const std::string& libraryFile) : m_driver(libraryFile)
{
}

TransferRunner::~TransferRunner() = default;

std::string TransferRunner::PathOf(const std::string& name) const
{
    if (name.find(':') != std::string::npos || name.rfind("\\\\", 0) == 0)
        return name;
    return m_folder.PathOf(name.c_str());
}

TransferOutcome TransferRunner::ToPc(const PcTransfer& transfer)
{
    return Run(transfer, ZRDIR_HOST_TO_PC);
}

TransferOutcome TransferRunner::FromPc(const PcTransfer& transfer)
{
    return Run(transfer, ZRDIR_PC_TO_HOST);
}

TransferOutcome TransferRunner::Run(const PcTransfer& transfer, int direction)
{
    CFakeCallerTables tables(ZRHOST_AS400, direction);
    ErrorSinkCapture errors;
    const int type = transfer.fileType;
    const bool namedType = type >= 0 && type < static_cast<int>(std::size(kExtensions));
    const std::string path = PathOf(
        transfer.fileName.empty() ? std::string("data.") + (namedType ? kExtensions[type] : "pc") : transfer.fileName);
    DeleteFileA(path.c_str());
    if (transfer.fileBefore)
        WriteWholeFile(path, *transfer.fileBefore);

    const int characterSet = ValueOf(transfer.profile, ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII);
    tables.Set(ZRP_CHARACTER_SET, characterSet);
    tables.Set(ZRP_PC_FILE_TYPE, type);
    tables.Set(ZRP_PC_FILE_NAME, path.c_str());
    tables.Set(ZRP_PC_WRITE_MODE, ValueOf(transfer.profile, ZRP_PC_WRITE_MODE, ZRPCWM_CREATE));
    tables.Set(ZRP_REMOVE_BLANKS, ValueOf(transfer.profile, ZRP_REMOVE_BLANKS, 0));
    tables.Set(ZRP_DECIMAL_CHAR_IS_DOT, ValueOf(transfer.profile, ZRP_DECIMAL_CHAR_IS_DOT, 1));
    tables.SetOption(ZRO_CONFIRM_CREATING, ValueOf(transfer.options, ZRO_CONFIRM_CREATING, 0));
    tables.SetOption(ZRO_CONFIRM_REPLACING, ValueOf(transfer.options, ZRO_CONFIRM_REPLACING, 0));
    for (const Setting& option : transfer.options)
        tables.SetOption(option.id, option.value);

    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    const CallerTables callerTables{tables.ProfileTable(), errors.Sink(), tables.OptionTable(), environment};
    HostRecords host(transfer.fields);
    for (const std::vector<std::string>& record : transfer.records)
        host.AddRecordText(record, environment, characterSet);
    if (transfer.hostFailsAfter)
        host.FailAfter(*transfer.hostFailsAfter);

    TransferOutcome outcome;
    if (m_driver.Create(callerTables))
        outcome.steps = direction == ZRDIR_HOST_TO_PC ? m_driver.ToPc(host, environment, transfer.cancelEvent)
                                                      : m_driver.FromPc(host, environment, transfer.cancelEvent);
    outcome.file = ReadWholeFile(path);
    outcome.hostRecords = host.Records();
    if (direction == ZRDIR_PC_TO_HOST)
        outcome.records = host.RecordTexts(environment, characterSet);
    outcome.errors = errors.Records();
    return outcome;
}
