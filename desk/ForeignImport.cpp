// The document's import of a foreign (".ftp") profile into a new, untitled HLLAPI profile.
#include "ZrtdeskDoc.h"

#include "DeskState.h"
#include "DeskToolsIds.h"
#include "FtpProfile.h"
#include "ParamTreeCtrl.h"
#include "ReportError.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRMessages.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"
#include "ZRProgram.h"
#include "resource.h"

#include <memory>
#include <new>

namespace
{
// The transfer type of a conversion code.
int TransferTypeOf(int conversion)
{
    switch (conversion)
    {
    case FTPCONV_TXT:
    case FTPCONV_TRIM_SPACES:
        return ZRTT_PLAIN;
    case FTPCONV_BINARY:
        return ZRTT_BINARY;
    case FTPCONV_TXT_FIXED:
    case FTPCONV_CSV:
    case FTPCONV_TAB:
    case FTPCONV_PRN:
    case FTPCONV_DIF:
    case FTPCONV_DBF:
    case FTPCONV_WKQ:
    case FTPCONV_WKS:
    case FTPCONV_XLS:
        return ZRTT_CONVERSION;
    default:
        return ZRTT_DDS;
    }
}

int ImportedTransferType(const FtpProfileRecord& record)
{
    if (record.direction == ZRDIR_HOST_TO_PC)
    {
        // DDS is a host-to-PC file type: the host-to-PC section names it.
        return record.hostToPc.fileType == FTPFT_DDS ? ZRTT_DDS : TransferTypeOf(record.hostToPc.conversion);
    }
    return TransferTypeOf(record.pcToHost.conversion);
}

int ImportedCharacterSet(const FtpProfileRecord& record)
{
    bool ascii = record.hostToPc.characterSet == FTPCS_ASCII;
    if (record.direction == ZRDIR_HOST_TO_PC)
    {
        return ascii ? ZRCS_EBCDIC_TO_ASCII : ZRCS_EBCDIC_TO_ANSI;
    }
    return ascii ? ZRCS_ASCII_TO_EBCDIC : ZRCS_ANSI_TO_EBCDIC;
}

int NewKindOf(int hostType, int direction)
{
    if (hostType == ZRHOST_AS400)
    {
        return direction == ZRDIR_HOST_TO_PC ? ZRNEW_AS400_TO_PC : ZRNEW_PC_TO_AS400;
    }
    return direction == ZRDIR_HOST_TO_PC ? ZRNEW_S36_TO_PC : ZRNEW_PC_TO_S36;
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    return length > 0 && length < sizeof(full) ? std::string(full, length) : path;
}

void ReportMemory(int line)
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), IDS_ZRH020_MEMORY);
}

// The host and PC request parts of the new profile, each with the values of the foreign profile.
BOOL MakeImportedParts(CZRProfile& profile, const FtpProfileRecord& record)
{
    return profile.CreateHostRequest() && profile.HostRequest()->ImportFtpProfile(record) &&
           profile.CreatePcRequest() && profile.PcRequest()->ImportFtpProfile(record);
}
}

BOOL CZrtdeskDoc::ImportForeignProfile(const char* path)
{
    std::unique_ptr<CFtpProfile> reader(new (std::nothrow) CFtpProfile(FullPath(path)));
    if (!reader)
    {
        ReportMemory(__LINE__);
        return FALSE;
    }
    if (!reader->Read())
    {
        return FALSE;
    }
    const FtpProfileRecord& record = reader->Record();
    Desk().listMode = ZRLIST_PROFILE;
    int hostType = record.hostSystem == FTPHOST_AS400 ? ZRHOST_AS400 : ZRHOST_S36;
    std::unique_ptr<CZRProfile> made(
        new (std::nothrow) CZRProfileHllAPI(ZRCONN_HLLAPI, hostType, record.direction, ImportedTransferType(record)));
    if (!made)
    {
        ReportMemory(__LINE__);
        return FALSE;
    }
    // The parts are made while the new profile is current (lenient reading marks it); the open profile stays
    // current and whole when they cannot be made.
    CZRProfile* previous = GetCurrentProfile();
    InstallProfileCallbacks(made.get());
    SetStrictProfileReading(FALSE);
    made->General().Set(ZRP_CHARACTER_SET, ImportedCharacterSet(record));
    bool partsMade = MakeImportedParts(*made, record);
    InstallProfileCallbacks(previous);
    if (!partsMade)
    {
        return FALSE;
    }
    ReleaseProfile();
    CZRProfile* profile = made.release();
    InstallProfileCallbacks(profile);
    SetStrictProfileReading(FALSE);
    int message = static_cast<int>(WM_ZRTDESK_TRANSFER);
    profile->Notify().SetValue(ZRP_NOTIFY_MESSAGE, &message);
    if (!InitTransferManager())
    {
        BecomeEmpty();
        return FALSE;
    }
    CFwDocument::OnNewDocument();
    if (!NewProfileTree())
    {
        BecomeEmpty();
        return FALSE;
    }
    Desk().newProfileKind = NewKindOf(hostType, record.direction);
    profile->SetModified(TRUE);
    SetModifiedFlag(TRUE);
    if (record.direction == ZRDIR_PC_TO_HOST && profile->General().Get(ZRP_TRANSFER_TYPE) == ZRTT_BINARY &&
        profile->HostRequest()->GetInt(ZRP_HOST_WRITE_MODE) == ZRHWM_CREATE_FILE)
    {
        ShowMessage(hostType == ZRHOST_S36 ? IDS_IMPORT_WARNING_S36 : IDS_IMPORT_WARNING_AS400, nullptr, ZRMSG_MODE_BOX,
                    ZRMSG_WARNING);
    }
    return TRUE;
}
