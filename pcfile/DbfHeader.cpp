#include "DbfHeader.h"

#include "FieldConvert.h"

bool DbfColumnsFit(const DbfHeader& header, const DSRecordLayout& layout, bool withWidths)
{
    if (static_cast<int>(header.columns.size()) != layout.count)
        return false;
    for (int i = 0; i < layout.count; ++i)
    {
        const DbfColumn& column = header.columns[i];
        const DSField& field = layout.fields[i];
        if (column.type != (IsPcTextType(field.type) ? 'C' : 'N'))
            return false;
        if (withWidths && column.width != FieldLength(field))
            return false;
    }
    return true;
}
