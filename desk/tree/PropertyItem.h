// CPropertyItem: the common shape of the leaf items of the property tree. A leaf shows one parameter as its value
// text, inserts its node after rebuilding that text, makes its panel from its own template, and after every store
// marks the profile modified and refreshes its node.
#pragma once

#include "ListItem.h"

#include <initializer_list>

// One value of a parameter and the string that names it.
struct ValueText
{
    int value;
    UINT stringId;
};

class CPropertyItem : public CListItem
{
public:
    CPropertyItem(CListItem* parent, UINT nameId, int kind, int image, int helpContext, UINT templateId);

    BOOL CreatePanel(HWND parent) override { return MakePanel(parent, m_templateId); }
    BOOL InsertIntoTree(HTREEITEM parent) override;

protected:
    // Rebuilds the value text from the profile.
    virtual void UpdateValue() = 0;
    // The value text of `value` from `table`; a value the table does not list leaves the text as it was.
    void SetValueFrom(int value, std::initializer_list<ValueText> table);
    // After a store: the profile is modified, the value text and the node follow the profile.
    void Commit();
    // "Error ZRH007: Parameter '%s' is invalid." with the name of string `argumentId`, then selects the item.
    BOOL Reject(UINT argumentId);
    // Fills a list box with the strings of `entries`, each with its value as item data, notifications ignored.
    void FillList(UINT id, std::initializer_list<ValueText> entries);

    UINT m_templateId;
};

// Whether a name is usable for a host: not empty, no blank, and none of the characters that separate the parts of
// a stored location; with `hostName` also no digit as the first character.
bool IsValidHostName(const std::string& name, bool hostName);
