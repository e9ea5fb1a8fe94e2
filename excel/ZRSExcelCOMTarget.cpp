#include "ZRSExcelCOMTarget.h"

#include "CellText.h"
#include "ExcelReport.h"
#include "FieldConvert.h"

#include <new>

BOOL CZRSExcelCOMTarget::Open(HANDLE cancelEvent)
{
    Reset();
    CDataSource::Open(cancelEvent);
    m_writeMode = 0;
    m_profile->GetPc(ZRP_PC_WRITE_MODE, &m_writeMode);
    ReadFileName();
    return OpenByWriteMode();
}

BOOL CZRSExcelCOMTarget::OpenByWriteMode()
{
    const DWORD status = GetFileStatus();
    if (m_writeMode != ZRPCWM_CREATE && m_writeMode != ZRPCWM_REPLACE && m_writeMode != ZRPCWM_APPEND)
        return FALSE;
    if (status == ERROR_ACCESS_DENIED)
        return ZRX_FAIL(IDS_ZRX008);
    if (status != 0 && status != ERROR_FILE_NOT_FOUND)
        return ZRX_FAIL(IDS_ZRX007);
    const bool exists = status == 0;
    if (m_writeMode == ZRPCWM_APPEND)
    {
        if (!exists)
            return ZRX_FAIL(IDS_ZRX005, m_fileName);
        return (OpenWorkbook() && ReadSheetGeometry()) ? TRUE : ZRX_FAIL(IDS_ZRX007);
    }
    if (exists)
    {
        // Create and replace both empty the active worksheet of an existing workbook; the file stays.
        if (m_writeMode == ZRPCWM_CREATE && OptionValue(ZRO_CONFIRM_REPLACING, 1) && !AskQuestion(IDS_ASK_REPLACE))
            return FALSE;
        return (OpenWorkbook() && SelectAllCells() && Call(Saved(EXO_RANGE), ExcelMembers::Clear))
                   ? TRUE
                   : ZRX_FAIL(IDS_ZRX007);
    }
    if (m_writeMode == ZRPCWM_REPLACE && OptionValue(ZRO_CONFIRM_CREATING, 1) && !AskQuestion(IDS_ASK_CREATE))
        return FALSE;
    return (CreateWorkbook() && SelectAllCells()) ? TRUE : ZRX_FAIL(IDS_ZRX014);
}

BOOL CZRSExcelCOMTarget::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (!otherSide || otherSide->count < 0 || (otherSide->count > 0 && !otherSide->fields))
        return FALSE;
    if (otherSide->count > kMaxWorksheetColumns)
        return ZRX_FAIL(IDS_ZRX022, otherSide->count, kMaxWorksheetColumns);
    const bool appending = m_layout.count > 0;
    if (appending && otherSide->count != m_layout.count)
        return ZRX_FAIL(IDS_ZRX015, otherSide->count, m_layout.count);
    if (!appending && !AllocateLayoutFields(m_layout, otherSide->count))
        return ZRX_FAIL(IDS_ZRX010);
    for (int i = 0; i < otherSide->count; ++i)
    {
        DSField mapped = {};
        if (!MapFieldType(otherSide->fields[i], mapped, ZRCS_EBCDIC_TO_ANSI))
            return ZRX_FAIL(IDS_ZRX009, i);
        DSField& field = m_layout.fields[i];
        if (appending)
        {
            field.type = mapped.type;
            field.length = mapped.length;
            field.decimals = mapped.decimals;
        }
        else
            field = mapped;
    }
    m_layout.current = 0;
    if (!BuildRecordBuffer(m_layout))
        return ZRX_FAIL(IDS_ZRX010);
    try
    {
        m_wide.assign(m_layout.length + 1, L'\0');
    }
    catch (const std::bad_alloc&)
    {
        return ZRX_FAIL(IDS_ZRX010);
    }
    return TRUE;
}

BOOL CZRSExcelCOMTarget::Close()
{
    BOOL saved = TRUE;
    if (Saved(EXO_WORKBOOK))
        saved = Call(Saved(EXO_WORKBOOK), ExcelMembers::Save);
    if (Saved(EXO_WORKBOOKS))
        Call(Saved(EXO_WORKBOOKS), ExcelMembers::Close);
    ReleaseResults();
    FreeRecordLayout(m_layout);
    CDataSource::Close();
    Reset();
    return saved;
}

BOOL CZRSExcelCOMTarget::GetField(DSField*)
{
    return FALSE;
}

BOOL CZRSExcelCOMTarget::PutField(const DSField* otherSide)
{
    const int current = m_layout.current;
    if (!otherSide || current < 0 || current >= m_layout.count)
        return FALSE;
    if (!ConvertFieldToPC(*otherSide, m_layout.fields[current], m_environment))
        return ZRX_FAIL(IDS_ZRX012, current);
    return TRUE;
}

BOOL CZRSExcelCOMTarget::NextField()
{
    if (++m_layout.current < m_layout.count)
        return TRUE;
    if (!WriteRecord())
        return ZRX_FAIL(IDS_ZRX016, static_cast<int>(m_nextRow));
    m_layout.current = 0;
    ++m_nextRow;
    return TRUE;
}

bool CZRSExcelCOMTarget::WriteRecord()
{
    const bool appending = m_writeMode == ZRPCWM_APPEND;
    const long row = m_nextRow + (appending ? m_rowCount : 0);
    VARIANT array;
    VariantInit(&array);
    CRowArray elements;
    bool written = FetchRow(row, array) && elements.Attach(array, appending ? m_firstColumn - 1 : 0);
    for (int i = 0; written && i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        VARIANT cell;
        written = FieldToVariant(field.value, FieldLength(field), field.type, m_wide.data(), &cell) &&
                  elements.Put(i, cell);
        VariantClear(&cell);
    }
    written = written && Call(Saved(EXO_ROW), ExcelMembers::ValuePut, &array, 1);
    VariantClear(&array);
    return written;
}

BOOL CZRSExcelCOMTarget::EndOfData()
{
    return TRUE;
}

DWORD CZRSExcelCOMTarget::GetFileStatus()
{
    return FileStatus(GENERIC_READ | GENERIC_WRITE);
}

void CZRSExcelCOMTarget::Reset()
{
    CZRSExcelCOM::Reset();
    m_nextRow = 1;
    m_wide.clear();
}

void CZRSExcelCOMTarget::ReleaseResults()
{
    CZRSExcelCOM::ReleaseResults();
    m_wide.clear();
    m_wide.shrink_to_fit();
}
