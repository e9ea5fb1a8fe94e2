#include "LayoutCopy.h"

#include <cstring>

unsigned FieldWidth(const DSRecordLayout& layout, int i)
{
    const DSField& field = layout.fields[i];
    if (!field.value || !layout.buffer)
        return FieldLength(field);
    const char* end = i + 1 < layout.count && layout.fields[i + 1].value ? layout.fields[i + 1].value
                                                                         : layout.buffer + layout.length;
    return end > field.value ? static_cast<unsigned>(end - field.value) : 0;
}

BOOL CopyLayoutByWidths(const DSRecordLayout& other, DSRecordLayout& own)
{
    unsigned total = 0;
    for (int i = 0; i < other.count; ++i)
        total += FieldWidth(other, i);
    if (other.count <= 0 || total == 0 || total > kMaxRecordLength || !AllocateLayoutFields(own, other.count))
        return FALSE;
    for (int i = 0; i < other.count; ++i)
    {
        DSField& field = own.fields[i];
        memcpy(field.name, other.fields[i].name, sizeof field.name);
        memcpy(field.text, other.fields[i].text, sizeof field.text);
        field.name[sizeof field.name - 1] = '\0';
        field.text[sizeof field.text - 1] = '\0';
        field.type = other.fields[i].type;
        field.length = static_cast<short>(FieldWidth(other, i));
        field.decimals = other.fields[i].decimals;
    }
    return BuildRecordBuffer(own);
}
