#include "ZRSExcelCOMSource.h"

#include "CellText.h"
#include "ExcelReport.h"
#include "FieldConvert.h"

BOOL CZRSExcelCOMSource::Open(HANDLE cancelEvent)
{
    Reset();
    CDataSource::Open(cancelEvent);
    ReadFileName();
    switch (GetFileStatus())
    {
    case 0:
        break;
    case ERROR_FILE_NOT_FOUND:
        return ZRX_FAIL(IDS_ZRX005, m_fileName);
    case ERROR_ACCESS_DENIED:
        return ZRX_FAIL(IDS_ZRX006);
    default:
        return ZRX_FAIL(IDS_ZRX007);
    }
    return (OpenWorkbook() && ReadSheetGeometry()) ? TRUE : ZRX_FAIL(IDS_ZRX007);
}

BOOL CZRSExcelCOMSource::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (!otherSide || otherSide->count < 0 || (otherSide->count > 0 && !otherSide->fields))
        return FALSE;
    if (m_columnCount == 0)
        return ZRX_FAIL(IDS_ZRX004, m_fileName);
    if (otherSide->count > kMaxWorksheetColumns)
        return ZRX_FAIL(IDS_ZRX022, otherSide->count, kMaxWorksheetColumns);
    if (otherSide->count != m_layout.count)
        return ZRX_FAIL(IDS_ZRX015, otherSide->count, static_cast<int>(m_columnCount));
    for (int i = 0; i < otherSide->count; ++i)
    {
        DSField mapped = {};
        if (!MapFieldType(otherSide->fields[i], mapped, ZRCS_EBCDIC_TO_ANSI))
            return ZRX_FAIL(IDS_ZRX009, i);
        DSField& field = m_layout.fields[i];
        field.type = mapped.type;
        field.length = mapped.length;
        field.decimals = mapped.decimals;
    }
    m_layout.current = 0;
    if (!BuildRecordBuffer(m_layout))
        return ZRX_FAIL(IDS_ZRX010);
    return ReadRow() ? TRUE : ZRX_FAIL(IDS_ZRX016, m_recordCount);
}

BOOL CZRSExcelCOMSource::GetField(DSField* field)
{
    return CopyCurrentField(m_layout, field);
}

bool CZRSExcelCOMSource::ReadRow()
{
    ++m_recordCount;
    VARIANT array;
    VariantInit(&array);
    CRowArray elements;
    bool read = FetchRow(m_recordCount, array) && elements.Attach(array, m_firstColumn - 1);
    for (int i = 0; read && i < m_layout.count; ++i)
    {
        VARIANT cell;
        read = elements.Get(i, cell) && FormatFieldText(cell, m_layout.fields[i]);
        VariantClear(&cell);
    }
    VariantClear(&array);
    return read;
}

BOOL CZRSExcelCOMSource::NextField()
{
    if (++m_layout.current < m_layout.count)
        return TRUE;
    if (m_lastRow)
    {
        m_endOfData = true;
        return TRUE;
    }
    if (!ReadRow())
        return ZRX_FAIL(IDS_ZRX016, m_recordCount);
    m_layout.current = 0;
    return TRUE;
}

BOOL CZRSExcelCOMSource::EndOfData()
{
    m_lastRow = m_rowCount < m_recordCount + 1;
    return m_endOfData;
}

// The workbook is closed unsaved: reading changes nothing in it.
BOOL CZRSExcelCOMSource::Close()
{
    BOOL closed = TRUE;
    if (Saved(EXO_WORKBOOKS))
        closed = Call(Saved(EXO_WORKBOOKS), ExcelMembers::Close);
    ReleaseResults();
    FreeRecordLayout(m_layout);
    CDataSource::Close();
    Reset();
    return closed;
}

DWORD CZRSExcelCOMSource::GetFileStatus()
{
    return FileStatus(GENERIC_READ);
}

void CZRSExcelCOMSource::Reset()
{
    CZRSExcelCOM::Reset();
    m_endOfData = false;
    m_lastRow = false;
}
