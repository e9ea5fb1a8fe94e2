#include "DataSourceDriver.h"

DataSourceDriver::DataSourceDriver(const std::string& libraryFile) : m_file(libraryFile)
{
    Reload();
}

void DataSourceDriver::Reload()
{
    m_module.Reset();
    m_table = nullptr;
    m_create = nullptr;
    m_module.Reset(LoadLibraryA(m_file.c_str()));
    if (m_module)
        m_create = reinterpret_cast<ZRTCreateDataSourceProc>(
            reinterpret_cast<void*>(GetProcAddress(m_module.Get(), ZRT_CREATE_OBJECT_EXPORT)));
}

BOOL DataSourceDriver::Create(const CallerTables& tables, BOOL replace)
{
    m_table = nullptr;
    if (!m_create)
        return FALSE;
    return m_create(tables.profile, tables.errorSink, tables.options, tables.environment, &m_table, replace);
}

bool DataSourceDriver::Cancelled(HANDLE cancelEvent) const
{
    return cancelEvent && WaitForSingleObject(cancelEvent, 0) == WAIT_OBJECT_0;
}

TransferSteps DataSourceDriver::ToPc(HostRecords& host, const EnvironmentCallbacks*, HANDLE cancelEvent)
{
    TransferSteps steps;
    DataSourceFunctions* pc = m_table;
    if (!pc)
        return steps;
    host.StartReading();
    steps.connected = pc->Connect();
    steps.opened = steps.connected && pc->Open(cancelEvent);
    steps.layoutTaken = steps.opened && pc->SetRecordLayout(host.Layout());
    if (steps.layoutTaken)
    {
        bool ok = true;
        DSField field{};
        while (ok && !host.EndOfData() && !Cancelled(cancelEvent))
            ok = host.GetField(&field) && pc->PutField(&field) && host.NextField() && pc->NextField();
        steps.loopDone = ok;
        steps.finished = ok && pc->EndOfData();
    }
    steps.recordCount = pc->GetRecordCount();
    steps.closed = pc->Close();
    steps.disconnected = pc->Disconnect();
    return steps;
}

TransferSteps DataSourceDriver::FromPc(HostRecords& host, const EnvironmentCallbacks* environment, HANDLE cancelEvent)
{
    TransferSteps steps;
    DataSourceFunctions* pc = m_table;
    if (!pc)
        return steps;
    host.StartWriting();
    steps.connected = pc->Connect();
    steps.opened = steps.connected && pc->Open(cancelEvent);
    steps.layoutTaken = steps.opened && pc->SetRecordLayout(host.Layout());
    if (steps.layoutTaken)
    {
        bool ok = true;
        DSField field{};
        while (ok && !pc->EndOfData() && !Cancelled(cancelEvent))
            ok = pc->GetField(&field) && host.PutField(field, environment) && pc->NextField() &&
                 host.NextFieldWritten();
        steps.loopDone = ok;
        steps.finished = ok;
    }
    steps.recordCount = pc->GetRecordCount();
    steps.closed = pc->Close();
    steps.disconnected = pc->Disconnect();
    return steps;
}
