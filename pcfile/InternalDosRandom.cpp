#include "InternalDosRandom.h"

BOOL CInternalDosRandomTarget::MapField(const DSField& host, DSField& pc, int characterSet)
{
    return MapDosRandomField(host, pc, characterSet);
}

BOOL CInternalDosRandomTarget::DetectEndMark(BOOL* endMark)
{
    *endMark = FALSE;
    return TRUE;
}

BOOL CInternalDosRandomTarget::CheckStructure()
{
    return DosRandomFileFits(m_format, m_layout, m_fileLength, m_stored,
                             [this](size_t count, char* to) { return ReadBytes(to, count); });
}

BOOL CInternalDosRandomTarget::FormatField(const DSField& field)
{
    m_stored.resize(StoredWidth(field));
    if (!EncodeStoredField(m_format, field, reinterpret_cast<unsigned char*>(m_stored.data())))
        return FALSE;
    PutBytes(m_stored.data(), m_stored.size());
    return TRUE;
}

BOOL CInternalDosRandomSource::MapField(const DSField& host, DSField& pc, int characterSet)
{
    return MapDosRandomField(host, pc, characterSet);
}

BOOL CInternalDosRandomSource::DetectEndMark(BOOL* endMark)
{
    *endMark = FALSE;
    return TRUE;
}

BOOL CInternalDosRandomSource::CheckStructure()
{
    const bool fits = DosRandomFileFits(m_format, m_layout, m_fileLength, m_stored,
                                        [this](size_t count, char* to) { return ReadBytes(to, count); });
    return fits && ReadFromStart();
}

BOOL CInternalDosRandomSource::ParseRecord()
{
    if (PeekByte() < 0)
    {
        m_allConsumed = true;
        m_noRecordLeft = true;
        return TRUE;
    }
    for (int i = 0; i < m_layout.count; ++i)
    {
        DSField& field = m_layout.fields[i];
        m_stored.resize(StoredWidth(field));
        if (ReadBytes(m_stored.data(), m_stored.size()) != m_stored.size())
            return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
        if (!DecodeStoredField(m_format, field, reinterpret_cast<const unsigned char*>(m_stored.data()), field.value))
            return ZRI_FAIL(SourceName(), IDS_ZRI012, i);
    }
    if (PeekByte() < 0)
        m_allConsumed = true;
    return TRUE;
}

void CInternalDosRandomSource::ReleaseExtra()
{
    m_stored = std::string();
}
