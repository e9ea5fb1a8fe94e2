#include "InternalSheetTarget.h"

#include "FilePatch.h"

void CInternalSheetTarget::InitMembers()
{
    CZRSInternalTarget::InitMembers();
    m_row = 0;
    m_column = 0;
    m_endRecord = 0;
}

BOOL CInternalSheetTarget::DetectEndMark(BOOL* endMark)
{
    *endMark = FALSE;
    return TRUE;
}

BOOL CInternalSheetTarget::SeekForAppend(BOOL)
{
    if (_fseeki64(m_stream, m_endRecord, SEEK_SET) != 0)
        return ZRI_FAIL(SourceName(), IDS_ZRI013);
    return TRUE;
}

void CInternalSheetTarget::PutRecord(unsigned opcode, const unsigned char* body, size_t length)
{
    unsigned char header[4];
    PutLittleEndian(header, opcode, 2);
    PutLittleEndian(header + 2, length, 2);
    PutBytes(reinterpret_cast<const char*>(header), sizeof header);
    if (length > 0)
        PutBytes(reinterpret_cast<const char*>(body), length);
}
