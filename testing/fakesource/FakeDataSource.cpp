#include "FakeDataSource.h"

#include "FakeCallLog.h"

#include <algorithm>
#include <cstring>

namespace
{
DSField Description(const std::string& name, int type, int length)
{
    DSField field = {};
    strncpy(field.name, name.c_str(), sizeof field.name - 1);
    field.type = type;
    field.length = static_cast<short>(length);
    return field;
}

// Width of field i in the record buffer of a layout.
int FieldWidth(const DSRecordLayout& layout, int i)
{
    const DSField& field = layout.fields[i];
    if (!field.value || !layout.buffer)
        return field.length;
    const char* end = i + 1 < layout.count && layout.fields[i + 1].value ? layout.fields[i + 1].value
                                                                         : layout.buffer + layout.length;
    return static_cast<int>(end - field.value);
}
}

CFakeDataSource::CFakeDataSource(const std::string& name, const FakeScenario& scenario, bool isSource,
                                 const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                 const EnvironmentCallbacks* environment)
    : m_name(name), m_scenario(scenario), m_isSource(isSource), m_isHost(scenario.side == "host"),
      m_isBrowser(scenario.side == "browser"), m_profile(profile), m_errorSink(errorSink), m_environment(environment)
{
}

void CFakeDataSource::Log(const std::string& text) const
{
    AppendFakeLog(m_name + " " + text);
}

bool CFakeDataSource::Fails(const char* operation, bool perRecord)
{
    if (m_scenario.failOperation != operation)
        return false;
    const int call = ++m_calls[operation];
    const int at = perRecord ? m_count + 1 : call;
    if (m_scenario.failAt != 0 && m_scenario.failAt != at)
        return false;
    const std::string text = "FAKE " + m_name + " " + operation + " failed";
    m_errorSink->ReportText(text.c_str());
    Log(std::string(operation) + " failed");
    return true;
}

BOOL CFakeDataSource::Connect()
{
    Log("Connect");
    return !Fails("Connect", false);
}

BOOL CFakeDataSource::QueryInfo(char* text, int* number1, int* number2)
{
    Log("QueryInfo");
    if (Fails("QueryInfo", false))
        return FALSE;
    text[0] = 1;
    text[1] = 'A';
    text[2] = 0;
    *number1 = 1;
    *number2 = 0;
    return TRUE;
}

BOOL CFakeDataSource::Disconnect()
{
    Log("Disconnect");
    return !Fails("Disconnect", false);
}

BOOL CFakeDataSource::Open(HANDLE cancelEvent)
{
    if (m_isBrowser)
        Log("Open arg=" + std::to_string(reinterpret_cast<LPARAM>(cancelEvent)));
    else if (m_isHost)
    {
        int busy = -1;
        m_profile->GetBrowse(ZRP_BROWSE_BUSY, &busy);
        Log("Open browse=" + std::to_string(busy) + " cancel=" + (cancelEvent ? "1" : "0"));
    }
    else
        Log(std::string("Open cancel=") + (cancelEvent ? "1" : "0"));
    if (Fails("Open", false))
        return FALSE;
    m_cancelEvent.Reset();
    if (!m_isBrowser)
        m_cancelEvent = DuplicateOwnHandle(cancelEvent);
    m_count = 0;
    m_endFieldSeen = false;
    // The host side defines the layout in both directions.
    if (m_isHost)
    {
        std::vector<DSField> descriptions;
        std::vector<bool> zoned;
        for (const FakeFieldDefinition& field : m_scenario.fields)
        {
            zoned.push_back(field.kind == 'S');
            descriptions.push_back(Description(field.name, zoned.back() ? HFT_ZONED : HFT_CHARACTER, field.length));
        }
        BuildLayout(descriptions, zoned);
        if (m_isSource)
            FillRecord(1);
    }
    return TRUE;
}

void CFakeDataSource::BuildLayout(const std::vector<DSField>& descriptions, const std::vector<bool>& zoned)
{
    m_fields = descriptions;
    m_zoned = zoned;
    int length = 0;
    for (const DSField& field : m_fields)
        length += field.length;
    m_buffer.assign(length, ' ');
    int offset = 0;
    for (DSField& field : m_fields)
    {
        field.value = m_buffer.data() + offset;
        offset += field.length;
    }
    m_layout.fields = m_fields.data();
    m_layout.count = static_cast<int>(m_fields.size());
    m_layout.current = 0;
    m_layout.buffer = m_buffer.data();
    m_layout.length = static_cast<DWORD>(length);
}

void CFakeDataSource::FillRecord(int number)
{
    for (size_t i = 0; i < m_fields.size(); ++i)
    {
        DSField& field = m_fields[i];
        const bool zoned = m_zoned[i];
        std::string text;
        if (zoned)
        {
            text = std::string(field.length, '0') + std::to_string(number);
            text = text.substr(text.size() - field.length);
        }
        else
        {
            text = field.name + std::to_string(number);
            text.resize(field.length, ' ');
        }
        if (!m_isHost)
            memcpy(field.value, text.data(), field.length);
        else if (zoned)
            for (int k = 0; k < field.length; ++k)
                field.value[k] = static_cast<char>(0xF0 | (text[k] - '0'));
        else
        {
            WORD length = static_cast<WORD>(field.length);
            m_environment->TranslateCodePage(ZRCM_ASCII_TO_EBCDIC, text.data(), field.value, length, &length);
        }
    }
}

BOOL CFakeDataSource::GetRecordLayout(DSRecordLayout** layout)
{
    Log("GetRecordLayout");
    if (Fails("GetRecordLayout", false))
        return FALSE;
    *layout = &m_layout;
    return TRUE;
}

BOOL CFakeDataSource::SetRecordLayout(const DSRecordLayout* otherSide)
{
    Log("SetRecordLayout fields=" + std::to_string(otherSide ? otherSide->count : -1));
    if (Fails("SetRecordLayout", false) || !otherSide)
        return FALSE;
    std::vector<DSField> descriptions;
    std::vector<bool> zoned;
    for (int i = 0; i < otherSide->count; ++i)
    {
        const DSField& field = otherSide->fields[i];
        zoned.push_back(field.type == HFT_ZONED);
        descriptions.push_back(
            Description(field.name, m_isSource ? PFT_TEXT_ASCII : field.type, FieldWidth(*otherSide, i)));
    }
    BuildLayout(descriptions, zoned);
    if (m_isSource)
        FillRecord(1);
    return TRUE;
}

BOOL CFakeDataSource::Close()
{
    Log("Close");
    m_cancelEvent.Reset();
    return !Fails("Close", false);
}

BOOL CFakeDataSource::GetField(DSField* field)
{
    if (m_scenario.logFields)
        Log("GetField");
    if (Fails("GetField", true) || m_layout.current >= m_layout.count)
        return FALSE;
    *field = m_fields[m_layout.current];
    return TRUE;
}

BOOL CFakeDataSource::PutField(const DSField* otherSide)
{
    if (m_scenario.logFields)
        Log("PutField type=" + std::to_string(otherSide->type));
    if (Fails("PutField", true))
        return FALSE;
    if (m_isBrowser && otherSide->type == 0)
    {
        m_endFieldSeen = true;
        m_endFieldTime = GetTickCount();
        return TRUE;
    }
    if (m_layout.current >= m_layout.count)
        return FALSE;
    DSField& field = m_fields[m_layout.current];
    const int width = FieldWidth(m_layout, m_layout.current);
    const int length = std::min<int>(std::max<int>(otherSide->length, 0), width);
    memset(field.value, ' ', width);
    if (otherSide->value)
        memcpy(field.value, otherSide->value, length);
    return TRUE;
}

BOOL CFakeDataSource::NextField()
{
    if (m_scenario.logFields)
        Log("NextField");
    if (Fails("NextField", true) || m_layout.count == 0)
        return FALSE;
    if (++m_layout.current < m_layout.count)
        return TRUE;
    m_layout.current = 0;
    RecordComplete();
    return TRUE;
}

void CFakeDataSource::RecordComplete()
{
    ++m_count;
    if (!m_isSource)
        Log("record " + std::to_string(m_count) + " " + RecordText());
    else if (m_count < m_scenario.records)
        FillRecord(m_count + 1);
    if (m_scenario.cancelAt == m_count && m_cancelEvent)
        SetEvent(m_cancelEvent.Get());
    if (m_scenario.recordDelayMs > 0)
        Sleep(m_scenario.recordDelayMs);
}

// The record as text: data from the host side is shown in ASCII through the caller's converter.
std::string CFakeDataSource::RecordText() const
{
    std::string text(m_buffer.begin(), m_buffer.end());
    if (!m_isHost && !text.empty())
    {
        std::string converted(text.size(), ' ');
        WORD length = static_cast<WORD>(converted.size());
        m_environment->TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, text.data(), converted.data(),
                                         static_cast<WORD>(text.size()), &length);
        text = converted;
    }
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '.';
    return text;
}

bool CFakeDataSource::Picked() const
{
    if (m_scenario.pickAtRecord > 0 && m_count >= m_scenario.pickAtRecord)
        return true;
    return m_endFieldSeen && GetTickCount() - m_endFieldTime >= static_cast<DWORD>(m_scenario.pickAfterMs);
}

BOOL CFakeDataSource::EndOfData()
{
    if (m_isBrowser)
        return Picked();
    if (m_isSource)
    {
        if (m_scenario.logFields)
            Log("EndOfData");
        return m_layout.current == 0 && m_count >= m_scenario.records;
    }
    Log("EndOfData");
    return !Fails("EndOfData", false);
}

int CFakeDataSource::GetRecordCount()
{
    if (m_scenario.logFields)
        Log("GetRecordCount");
    return m_count;
}
