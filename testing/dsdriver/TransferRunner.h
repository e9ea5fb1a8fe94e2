// Transfers written as data: profile values, options, the host layout and records, and an existing PC file go in;
// the steps' results, the PC file's bytes, the records the host received and the reported errors come out.
// One runner drives one data-source library with fresh caller tables for every transfer.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DataSourceDriver.h"
#include "ErrorSinkCapture.h"
#include "HostRecords.h"
#include "TempProgramFolder.h"

struct Setting
{
    int id;
    int value;
};

struct PcTransfer
{
    int fileType = PCFT_CSV;
    std::vector<HostFieldDefinition> fields;
    // Host records as PC text, one text per field (translated to host bytes by the character set).
    std::vector<std::vector<std::string>> records;
    // Profile values: 4 character set, 202 write mode, 204 remove blanks, 205 decimal char is dot. Unset values
    // are 1 (ASCII), 1 (create), 0 and 1.
    std::vector<Setting> profile;
    // Options; "Confirm PC file creating" and "... replacing" are 0 unless set here.
    std::vector<Setting> options;
    // The PC file before the transfer; none when not set.
    std::optional<std::string> fileBefore;
    // File name in the runner's folder, or a full path; "data.<type>" when empty.
    std::string fileName;
    HANDLE cancelEvent = nullptr;
    // Host to PC: the host fails when this many records have been moved.
    std::optional<size_t> hostFailsAfter;
};

struct TransferOutcome
{
    TransferSteps steps;
    std::optional<std::string> file;                // the PC file after the transfer
    std::vector<std::string> hostRecords;           // host bytes sent (host to PC) or received (PC to host)
    std::vector<std::vector<std::string>> records;  // the records received as PC text (PC to host)
    std::vector<CapturedError> errors;

    bool Succeeded() const { return steps.Succeeded(); }
    std::vector<std::string> ErrorTexts() const;
};

class TransferRunner
{
public:
    explicit TransferRunner(const std::string& libraryFile = "Zrtpcfile.dll");
    ~TransferRunner();

    bool IsLoaded() const { return m_driver.IsLoaded(); }
    DataSourceDriver& Driver() { return m_driver; }
    // A file of the runner's folder.
    std::string PathOf(const std::string& name) const;

    // Host to PC: the records are written into the PC file.
    TransferOutcome ToPc(const PcTransfer& transfer);
    // PC to host: the PC file (fileBefore) is read into host records.
    TransferOutcome FromPc(const PcTransfer& transfer);

private:
    TransferOutcome Run(const PcTransfer& transfer, int direction);

    TempProgramFolder m_folder;
    DataSourceDriver m_driver;
};

// Reads a whole file; none when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
