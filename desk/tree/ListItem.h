// CListItem: one node of the property tree that shows the open profile: its label ("name <value>" or the group's
// name), its place in the tree control, its help context and, while it is selected, its edit panel.
#pragma once

#include "FwWnd.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class CListItemPanel;

class CListItem
{
public:
    explicit CListItem(CListItem* parent);
    // Destroys the panel first.
    virtual ~CListItem();
    CListItem(const CListItem&) = delete;
    CListItem& operator=(const CListItem&) = delete;

    // Makes the item's panel on `parent` (the view) and shows the profile's values in it.
    virtual BOOL CreatePanel(HWND parent) = 0;
    virtual void DestroyPanel();
    // Puts the item (and a group's children) into the tree under `parent`.
    virtual BOOL InsertIntoTree(HTREEITEM parent) = 0;
    // Checks the item's value in the profile before a save; FALSE stops the save.
    virtual BOOL Validate() { return TRUE; }

    // Rebuilds and returns the label: "%s <%s>" of name and value, or the value alone; a label of 260 characters
    // or more has its value cut so that the label is 259 characters ending in "...".
    const char* UpdateLabel();
    int GetHelpContext() const { return m_helpContext; }
    HTREEITEM GetTreeHandle() const { return m_treeItem; }
    // Whether the label shows a value in angle brackets (painted in its own colour).
    bool HasValue() const { return m_hasValue; }
    const std::string& GetValue() const { return m_value; }
    // Forgets the tree node (the tree deleted it).
    void ForgetTreeHandle() { m_treeItem = nullptr; }

protected:
    // Inserts the item's node last under `parent`, its text asked for when drawn.
    BOOL InsertNode(HTREEITEM parent);

    std::string m_name;
    std::string m_value;
    char m_label[260] = "";
    bool m_hasValue = true;
    int m_helpContext = 0;
    CListItem* m_parent;
    int m_kind = 0;
    int m_image = 0;
    int m_selectedImage = 0;
    HTREEITEM m_treeItem = nullptr;
    std::unique_ptr<CListItemPanel> m_panel;
};

// A panel: a child dialog laid over the placeholder 1002 of the view.
class CListItemPanel : public CFwWnd
{
public:
    CListItemPanel(UINT templateId, HWND parent, CListItem* item);
    ~CListItemPanel() override;
    BOOL Create();

private:
    static INT_PTR CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_parentWindow;
    CListItem* m_item;
};

// A group: a node whose children are the items below it; no value of its own unless the group says so.
class CListItemGroup : public CListItem
{
public:
    CListItemGroup(CListItem* parent, UINT nameId, int kind, int image, int helpContext);

    BOOL CreatePanel(HWND parent) override;
    BOOL InsertIntoTree(HTREEITEM parent) override;
    // The children's checks in tree order, up to the first that fails.
    BOOL Validate() override;

protected:
    // Rebuilds the value text of a group that has one.
    virtual void UpdateValue() {}
    // Takes `child` (a child that could not be made is left out).
    void AddChild(CListItem* child);

    std::vector<std::unique_ptr<CListItem>> m_children;
};

// "General": the profile's kind as a value, "%s-to-%s via %s, %s".
class CListItemGeneral : public CListItemGroup
{
public:
    explicit CListItemGeneral(CListItem* parent);

protected:
    void UpdateValue() override;
};

// The root "Profile", with "General", "Host", "PC" and "Advanced".
class CListItemProfile : public CListItemGroup
{
public:
    CListItemProfile();
};

// The program's tree control while the view exists (null otherwise).
class CParamTreeCtrl;
CParamTreeCtrl* GetParamTree();
void SetParamTree(CParamTreeCtrl* tree);
