#include "FieldsListCtrl.h"

#include "DescrEditorIds.h"
#include "FwModule.h"

#include <memory>
#include <utility>

namespace
{
const int kColumns = 5;
}

int CFieldsListCtrl::SetField(const std::string& name, int type, int length, int decimals, const std::string& comment,
                              int index)
{
    auto field = std::make_unique<CFieldDescr>();
    field->cellImages = BlankCellImages(kColumns);
    field->name = name;
    field->type = type;
    field->length = length;
    field->decimals = decimals;
    field->comment = comment;
    return InsertItem(std::move(field), index);
}

CFieldDescr* CFieldsListCtrl::GetField(int row) const
{
    if (row < 0 || row >= GetItemCount())
    {
        return nullptr;
    }
    return static_cast<CFieldDescr*>(reinterpret_cast<ImageListRecord*>(GetItemData(row)));
}

void CFieldsListCtrl::SwapFields(int first, int second) const
{
    CFieldDescr* a = GetField(first);
    CFieldDescr* b = GetField(second);
    if (!a || !b)
    {
        return;
    }
    std::swap(a->name, b->name);
    std::swap(a->type, b->type);
    std::swap(a->length, b->length);
    std::swap(a->decimals, b->decimals);
    std::swap(a->comment, b->comment);
    RedrawItems(std::min(first, second), std::max(first, second));
}

int CFieldsListCtrl::CompareItems(ImageListRecord*, ImageListRecord*, int)
{
    return 0;
}

void CFieldsListCtrl::GetItemText(std::string& text, ImageListRecord* item, int column)
{
    const CFieldDescr* field = static_cast<const CFieldDescr*>(item);
    static const unsigned kTypeNames[] = {IDS_DESCR_CHAR, IDS_DESCR_ZONED, IDS_DESCR_PACKED, IDS_DESCR_BINARY};
    switch (column)
    {
    case 0:
        text = field->name;
        break;
    case 1:
        text = field->type >= 0 && field->type <= 3 ? FwLoadString(kTypeNames[field->type]) : std::string();
        break;
    case 2:
        text = std::to_string(field->length);
        break;
    case 3:
        text = std::to_string(field->decimals);
        break;
    default:
        text = field->comment;
        break;
    }
}

int CFieldsListCtrl::GetItemImage(ImageListRecord*)
{
    return 0;
}
