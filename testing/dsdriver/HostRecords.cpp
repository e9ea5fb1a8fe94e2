#include "HostRecords.h"

#include "DataSource.h"
#include "FieldConvert.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace
{
std::string Translate(const EnvironmentCallbacks* environment, int mode, const std::string& text, size_t width)
{
    std::string out(width, '\0');
    WORD length = static_cast<WORD>(width);
    environment->TranslateCodePage(mode, text.data(), out.data(), static_cast<WORD>(std::min(text.size(), width)),
                                   &length);
    return out;
}
}

int ModeToHost(int characterSet)
{
    return characterSet == ZRCS_EBCDIC_TO_ASCII ? ZRCM_ASCII_TO_EBCDIC : ZRCM_ANSI_TO_EBCDIC;
}

int ModeToPc(int characterSet)
{
    return characterSet == ZRCS_EBCDIC_TO_ASCII ? ZRCM_EBCDIC_TO_ASCII : ZRCM_EBCDIC_TO_ANSI;
}

HostRecords::HostRecords(const std::vector<HostFieldDefinition>& fields)
{
    if (!AllocateLayoutFields(m_layout, static_cast<int>(fields.size())))
        throw std::runtime_error("no memory for the host layout");
    for (size_t i = 0; i < fields.size(); ++i)
    {
        DSField& field = m_layout.fields[i];
        std::strncpy(field.name, fields[i].name, sizeof field.name - 1);
        field.type = fields[i].type;
        field.length = static_cast<short>(fields[i].length);
        field.decimals = static_cast<short>(fields[i].decimals);
    }
    if (!BuildRecordBuffer(m_layout))
        throw std::runtime_error("host record too long");
}

HostRecords::~HostRecords()
{
    FreeRecordLayout(m_layout);
}

void HostRecords::AddRecord(const std::string& hostBytes)
{
    std::string record = hostBytes;
    record.resize(m_layout.length, '\x40');
    m_records.push_back(record);
}

void HostRecords::AddRecordText(const std::vector<std::string>& values, const EnvironmentCallbacks* environment,
                                int characterSet)
{
    std::string record;
    for (int i = 0; i < m_layout.count; ++i)
    {
        const std::string value = i < static_cast<int>(values.size()) ? values[i] : std::string();
        record += Translate(environment, ModeToHost(characterSet), value, FieldLength(m_layout.fields[i]));
    }
    m_records.push_back(record);
}

std::vector<std::vector<std::string>> HostRecords::RecordTexts(const EnvironmentCallbacks* environment,
                                                               int characterSet) const
{
    std::vector<std::vector<std::string>> texts;
    for (const std::string& record : m_records)
    {
        std::vector<std::string> fields;
        size_t offset = 0;
        for (int i = 0; i < m_layout.count; ++i)
        {
            const size_t width = FieldLength(m_layout.fields[i]);
            fields.push_back(Translate(environment, ModeToPc(characterSet), record.substr(offset, width), width));
            offset += width;
        }
        texts.push_back(fields);
    }
    return texts;
}

void HostRecords::StartReading()
{
    m_next = 0;
    m_layout.current = 0;
    LoadRecord();
}

void HostRecords::LoadRecord()
{
    if (m_next < m_records.size())
        std::memcpy(m_layout.buffer, m_records[m_next].data(), m_layout.length);
}

bool HostRecords::EndOfData() const
{
    return m_next >= m_records.size();
}

bool HostRecords::GetField(DSField* field)
{
    return !EndOfData() && m_next < m_failAt && CopyCurrentField(m_layout, field);
}

bool HostRecords::NextField()
{
    if (++m_layout.current < m_layout.count)
        return true;
    m_layout.current = 0;
    ++m_next;
    LoadRecord();
    return true;
}

void HostRecords::StartWriting()
{
    m_records.clear();
    m_layout.current = 0;
    std::memset(m_layout.buffer, 0, m_layout.length);
}

bool HostRecords::PutField(DSField& pcField, const EnvironmentCallbacks* environment)
{
    return ConvertFieldToHost(pcField, m_layout.fields[m_layout.current], environment);
}

bool HostRecords::NextFieldWritten()
{
    if (++m_layout.current < m_layout.count)
        return true;
    m_layout.current = 0;
    m_records.emplace_back(m_layout.buffer, m_layout.length);
    return true;
}
