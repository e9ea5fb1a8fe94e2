// Loads a data-source library by file name from the program folder and drives it through its exported table in
// the order the manager uses, against an in-memory host side.
#pragma once

#include <string>

#include "HostRecords.h"
#include "OwnedHandles.h"
#include "ZRContracts.h"

struct CallerTables
{
    const ProfileCallbacks* profile;
    const ErrorSinkFunctions* errorSink;
    const OptionCallbacks* options;
    const EnvironmentCallbacks* environment;
};

// What each step of one transfer gave.
struct TransferSteps
{
    bool connected = false;
    bool opened = false;
    bool layoutTaken = false;
    bool loopDone = false;  // every field moved (or the data ended or the transfer was cancelled)
    bool finished = false;  // the destination's EndOfData after the loop
    bool closed = false;
    bool disconnected = false;
    int recordCount = 0;  // the data source's GetRecordCount before Close

    bool Succeeded() const { return connected && opened && layoutTaken && loopDone && finished && closed; }
};

class DataSourceDriver
{
public:
    explicit DataSourceDriver(const std::string& libraryFile);
    DataSourceDriver(const DataSourceDriver&) = delete;
    DataSourceDriver& operator=(const DataSourceDriver&) = delete;

    bool IsLoaded() const { return m_create != nullptr; }
    // ZRTCreateObject with the caller tables; the table it hands out is kept.
    BOOL Create(const CallerTables& tables, BOOL replace = TRUE);
    DataSourceFunctions* Table() const { return m_table; }
    // Frees the library (its detach destroys its data-source object) and loads it again.
    void Reload();

    // Host to PC: Connect, Open, SetRecordLayout with the host's layout, the field loop from the host records,
    // EndOfData, Close, Disconnect. Close and Disconnect run whatever failed before.
    TransferSteps ToPc(HostRecords& host, const EnvironmentCallbacks* environment, HANDLE cancelEvent = nullptr);
    // PC to host: the same road with the data source as the source; the host records receive what it delivers.
    TransferSteps FromPc(HostRecords& host, const EnvironmentCallbacks* environment, HANDLE cancelEvent = nullptr);

private:
    bool Cancelled(HANDLE cancelEvent) const;

    std::string m_file;
    OwnedModule m_module;
    ZRTCreateDataSourceProc m_create = nullptr;
    DataSourceFunctions* m_table = nullptr;
};
