#include "FieldLinesDataSource.h"

#include "FieldLinesStrings.h"
#include "LayoutCopy.h"

#include <ReportError.h>

#include <cstring>

namespace
{
constexpr unsigned kDescriptionLength = 66;
}

BOOL CFieldLinesDataSource::Fail(UINT id)
{
    ReportError("FieldLinesDataSource", __LINE__, m_errorSink, m_module, id, m_path);
    return FALSE;
}

BOOL CFieldLinesDataSource::Open(HANDLE cancelEvent)
{
    if (!m_writesFile)
        return Fail(IDS_FMT_TO_HOST);
    CDataSource::Open(cancelEvent);
    m_recordCount = 0;
    memset(m_path, 0, sizeof m_path);
    int characterSet = ZRCS_EBCDIC_TO_ANSI;
    m_profile->GetGeneral(ZRP_CHARACTER_SET, &characterSet);
    m_converterMode = characterSet == ZRCS_EBCDIC_TO_ASCII ? ZRCM_EBCDIC_TO_ASCII : ZRCM_EBCDIC_TO_ANSI;
    int writeMode = ZRPCWM_CREATE;
    m_profile->GetPc(ZRP_PC_WRITE_MODE, &writeMode);
    if (!m_profile->GetPc(ZRP_PC_FILE_NAME, m_path))
        return Fail(IDS_FMT_CANNOT_WRITE);
    m_path[MAX_PATH] = '\0';
    return m_file.OpenForWriting(m_path, writeMode) ? TRUE : Fail(IDS_FMT_CANNOT_WRITE);
}

BOOL CFieldLinesDataSource::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (otherSide && CopyLayoutByWidths(*otherSide, m_layout) && m_layout.length == kDescriptionLength)
        return TRUE;
    const unsigned length = m_layout.length;
    FreeRecordLayout(m_layout);
    ReportError("FieldLinesDataSource", __LINE__, m_errorSink, m_module, IDS_FMT_LAYOUT, length);
    return FALSE;
}

BOOL CFieldLinesDataSource::PutField(const DSField* otherSide)
{
    if (!otherSide || m_layout.current < 0 || m_layout.current >= m_layout.count)
        return FALSE;
    DSField& field = m_layout.fields[m_layout.current];
    if (otherSide->value)
        memcpy(field.value, otherSide->value, FieldLength(field));
    else
        memset(field.value, 0x40, FieldLength(field));
    return TRUE;
}

BOOL CFieldLinesDataSource::NextField()
{
    if (m_layout.count == 0)
        return FALSE;
    if (++m_layout.current < m_layout.count)
        return TRUE;
    m_layout.current = 0;
    char line[kDescriptionLength + 2];
    WORD length = kDescriptionLength;
    m_environment->TranslateCodePage(m_converterMode, m_layout.buffer, line, kDescriptionLength, &length);
    line[kDescriptionLength] = '\r';
    line[kDescriptionLength + 1] = '\n';
    ++m_recordCount;
    return m_file.Write(line, sizeof line) ? TRUE : Fail(IDS_FMT_CANNOT_WRITE);
}

BOOL CFieldLinesDataSource::EndOfData()
{
    return m_file.Flush() ? TRUE : Fail(IDS_FMT_CANNOT_WRITE);
}

BOOL CFieldLinesDataSource::Close()
{
    const bool closed = m_file.Close();
    CDataSource::Close();
    return closed ? TRUE : Fail(IDS_FMT_CANNOT_WRITE);
}
