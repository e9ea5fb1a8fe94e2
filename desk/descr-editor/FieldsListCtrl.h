// CFieldsListCtrl: the field list of the description-file editor, one row per field in file order. Clicking a
// column header does not reorder the fields.
#pragma once

#include "ImageListCtrl.h"

#include <string>

// One field, owned by its row.
struct CFieldDescr : ImageListRecord
{
    std::string name;
    int type = 0;  // 0 Char, 1 Zoned, 2 Packed, 3 Binary
    int length = 0;
    int decimals = 0;
    std::string comment;
};

class CFieldsListCtrl : public CImageListCtrl
{
public:
    // Inserts a field at `index` (-1 appends); the new row's index, or -1 when it could not be made.
    int SetField(const std::string& name, int type, int length, int decimals, const std::string& comment, int index);
    // The field of a row, or null.
    CFieldDescr* GetField(int row) const;
    // Exchanges the fields of two rows and redraws them.
    void SwapFields(int first, int second) const;

protected:
    int CompareItems(ImageListRecord* item1, ImageListRecord* item2, int column) override;
    void GetItemText(std::string& text, ImageListRecord* item, int column) override;
    int GetItemImage(ImageListRecord* item) override;
};
