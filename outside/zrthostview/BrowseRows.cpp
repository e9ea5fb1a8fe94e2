#include "BrowseRows.h"

#include "ZRTypeCodes.h"

#include <cstdio>
#include <cstring>

namespace
{
bool IsCharacterType(int type)
{
    return type == HFT_CHARACTER || type == HFT_PACKED || type == HFT_ZONED || type == HFT_BINARY;
}

std::string Hexadecimal(const char* value, unsigned length)
{
    std::string text;
    for (unsigned i = 0; i < length; ++i)
    {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(value[i]));
        text += pair;
    }
    return text;
}

std::string DisplayValue(const DSField& field, const EnvironmentCallbacks* environment)
{
    const unsigned length = static_cast<unsigned short>(field.length);
    if (!field.value || length == 0)
        return std::string();
    if (!IsCharacterType(field.type) || !environment || !environment->TranslateCodePage)
        return Hexadecimal(field.value, length);
    std::string text(length, ' ');
    WORD translated = static_cast<WORD>(length);
    if (!environment->TranslateCodePage(ZRCM_EBCDIC_TO_ANSI, field.value, text.data(), static_cast<WORD>(length),
                                        &translated))
        return Hexadecimal(field.value, length);
    return TrimBlanks(text);
}
}

std::string TrimBlanks(const std::string& text)
{
    const std::string blanks(" \t\0", 3);
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool CBrowseRows::SetColumns(const DSRecordLayout* layout)
{
    Clear();
    m_columns.clear();
    if (!layout || !layout->fields || layout->count <= 0)
        return false;
    for (int i = 0; i < layout->count; ++i)
    {
        const DSField& field = layout->fields[i];
        m_columns.push_back({TrimBlanks(std::string(field.name, strnlen(field.name, sizeof field.name))), field.type,
                             static_cast<unsigned short>(field.length)});
    }
    return true;
}

void CBrowseRows::Put(const DSField& field, const EnvironmentCallbacks* environment)
{
    if (m_filling.size() <= m_column)
        m_filling.resize(m_column + 1);
    m_filling[m_column] = DisplayValue(field, environment);
}

void CBrowseRows::Next()
{
    if (++m_column < m_columns.size())
        return;
    m_filling.resize(m_columns.size());
    m_rows.push_back(std::move(m_filling));
    m_filling.clear();
    m_column = 0;
}

int CBrowseRows::FindRow(const std::string& name) const
{
    const std::string wanted = TrimBlanks(name);
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        if (!m_rows[i].empty() && !wanted.empty() && lstrcmpiA(m_rows[i][0].c_str(), wanted.c_str()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void CBrowseRows::Clear()
{
    m_rows.clear();
    m_filling.clear();
    m_column = 0;
}
