// The transfer manager: one object per process that loads the host, PC and browser data-source libraries, moves the
// data from source to destination and reports its steps to the caller's notification window.
#pragma once

#include <ZRContracts.h>

#include "OwnedHandles.h"

// Answer of ComparePcType: what the PC side needs before a transfer.
enum PcTypeChange
{
    PC_TYPE_REFUSED = 0,      // the type is invalid or unreadable (already reported)
    PC_TYPE_SAME_GROUP = 1,   // another type of the loaded library: recreate its data source
    PC_TYPE_OTHER_GROUP = 2,  // another library: unload, then load the new one
    PC_TYPE_NONE_LOADED = 3,  // load the library
    PC_TYPE_UNCHANGED = 4,    // nothing to do
};

class CZRManager
{
public:
    CZRManager(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, const OptionCallbacks* options,
               const EnvironmentCallbacks* environment);
    virtual ~CZRManager();
    CZRManager(const CZRManager&) = delete;
    CZRManager& operator=(const CZRManager&) = delete;

    // Loading and connecting.
    BOOL LoadHost();
    BOOL LoadPc(BOOL replace);
    BOOL LoadBrowser();
    BOOL ConnectHost();
    BOOL QueryHostInfo(char* text, int* number1, int* number2);
    BOOL ConnectPc();
    BOOL ConnectBrowser();

    // Transfer and browse.
    BOOL OpenTransfer(HANDLE cancelEvent);
    BOOL OpenBrowse();
    BOOL OpenBrowseToWindow(LPARAM argument);
    BOOL TransferData();
    BOOL BrowseData();
    BOOL BrowseDataToWindow();
    BOOL CloseTransfer();
    BOOL CloseBrowse();
    BOOL CloseBrowseToWindow();

    // Unloading and disconnecting; an absent side counts as success.
    BOOL UnloadPc();
    BOOL UnloadHost();
    BOOL UnloadBrowser();
    BOOL DisconnectHost();
    BOOL DisconnectPc();
    BOOL DisconnectBrowser();
    BOOL DisconnectAll();

    // Notifications to the caller's window, numbered by profile parameter 104.
    void ReadMessageNumber();
    void NotifyStep(int step) const;
    void NotifyRequestDone(BOOL result) const;
    UINT MessageNumber() const { return m_messageNumber; }
    const ErrorSinkFunctions* ErrorSink() const { return m_errorSink; }

protected:
    // Points the source and destination at the host and PC tables as the transfer direction requires.
    virtual void PointSourceAndDestination() = 0;

    DataSourceFunctions* m_source = nullptr;       // read in a transfer
    DataSourceFunctions* m_destination = nullptr;  // written in a transfer
    DataSourceFunctions* m_host = nullptr;
    DataSourceFunctions* m_pc = nullptr;

private:
    BOOL LoadDataSourceLibrary(const char* name, HMODULE* module, ZRTCreateDataSourceProc* factory) const;
    void KeepLibrary(HMODULE* kept, HMODULE loaded);
    BOOL CallFactory(ZRTCreateDataSourceProc factory, DataSourceFunctions** table, BOOL replace) const;
    BOOL ReadPcFileType(int* type) const;
    PcTypeChange ComparePcType() const;
    BOOL RefreshPc();
    BOOL ReplacePcDataSource();
    BOOL RefreshHost();
    void DuplicateCancelEvent(HANDLE cancelEvent);
    void ForgetCancelEvent();
    BOOL CancelRequested(DWORD* lastTest) const;
    void NotifyRecordCount(int count) const;
    void DispatchPaintMessages() const;
    BOOL SetBrowseBusy(int busy) const;
    BOOL MoveFields(DataSourceFunctions* browser, BOOL stopAtBrowserEnd);

    DataSourceFunctions* m_browserA = nullptr;  // the browser that waits for the user's choice
    DataSourceFunctions* m_browserB = nullptr;  // the browser that fills the caller's window
    const ProfileCallbacks* m_profile;
    const ErrorSinkFunctions* m_errorSink;
    const OptionCallbacks* m_options;
    const EnvironmentCallbacks* m_environment;
    // Freed only by the unload steps, never by the destructor: the object is also deleted when Zrtmgr is detached,
    // under the loader lock, where no library may be freed.
    HMODULE m_hostLibrary = nullptr;
    HMODULE m_pcLibrary = nullptr;
    HMODULE m_browserLibrary = nullptr;
    UINT m_messageNumber = 0;
    int m_pcFileType = 0;  // type whose library is loaded; 0 when none
    ZRTCreateDataSourceProc m_pcFactory = nullptr;
    OwnedEvent m_cancelEvent;    // the manager's duplicate of the caller's event
    int m_hostTransferType = 0;  // transfer type the host data source was made for
};

// Direction 1: the host data source is read, the PC data source written.
class CZRManagerHostToPc : public CZRManager
{
public:
    using CZRManager::CZRManager;

protected:
    void PointSourceAndDestination() override;
};

// Direction 2: the PC data source is read, the host data source written.
class CZRManagerPcToHost : public CZRManager
{
public:
    using CZRManager::CZRManager;

protected:
    void PointSourceAndDestination() override;
};
