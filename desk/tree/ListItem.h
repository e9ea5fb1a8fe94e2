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
    // Panel -> profile: stores the panel's value, marks the profile modified and refreshes the node.
    virtual void Apply() {}
    // Profile -> panel.
    virtual void Refresh() {}
    // Checks the item's value in the profile before a save; FALSE stops the save.
    virtual BOOL Validate() { return TRUE; }

    // The panel's own set-up after its window exists (limits, captions, lists), before the first Refresh.
    virtual void OnPanelInit() {}
    // A control of the panel notified `code`; never called while the panel's data exchange runs.
    virtual void OnPanelCommand(UINT id, UINT code)
    {
        (void)id;
        (void)code;
    }

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
    CListItemPanel* GetPanel() const { return m_panel.get(); }

    // Rebuilds the label, gives it to the node, repaints the node's row and scrolls the node into view.
    void RefreshNode();
    // Deletes the node from the tree; the item stays.
    void RemoveNode();
    // Focuses the tree and selects the node, which shows the item's panel.
    void Select();

protected:
    // Inserts the item's node last under `parent`, its text asked for when drawn.
    BOOL InsertNode(HTREEITEM parent);
    // The item's kind, its image in the tree (selected or not) and its help context.
    void SetLook(int kind, int image, int helpContext);
    // Makes the panel of template `templateId` on `parent`, lets the item set it up, then refreshes it.
    BOOL MakePanel(HWND parent, UINT templateId);

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

// A panel: a child dialog laid over the placeholder 1002 of the view. Its controls' notifications go to the item;
// Enter, Escape and the close request end nothing. A panel destroyed while one of its own handlers runs is deleted
// when that handler has returned.
class CListItemPanel : public CFwWnd
{
public:
    CListItemPanel(UINT templateId, HWND parent, CListItem* item);
    ~CListItemPanel() override;
    BOOL Create();

    // Destroys the window now and the object now, or, inside one of the panel's handlers, when it returns.
    static void Destroy(std::unique_ptr<CListItemPanel> panel);
    // Whether the panel's data exchange runs (its controls' notifications are then ignored).
    bool IsExchanging() const { return m_exchangeDepth > 0; }

    // Control access for the items' data exchange.
    std::string GetText(UINT id) const;
    void SetText(UINT id, const std::string& text);
    bool IsChecked(UINT id) const;
    void SetCheck(UINT id, bool checked);
    // The item data of the selected entry of a list box or combo box, or -1 without a selection.
    int GetSelectedData(UINT id) const;
    // Selects the entry whose item data is `data`; none when there is no such entry.
    void SelectData(UINT id, int data);
    void Show(UINT id, bool show) const;
    void Enable(UINT id, bool enable) const;
    void LimitText(UINT id, int characters) const;

    // Ignores the controls' notifications while it lives (the data exchange and every refill of a control).
    class ExchangeGuard
    {
    public:
        explicit ExchangeGuard(CListItemPanel& panel) : m_panel(panel) { ++m_panel.m_exchangeDepth; }
        ~ExchangeGuard() { --m_panel.m_exchangeDepth; }
        ExchangeGuard(const ExchangeGuard&) = delete;
        ExchangeGuard& operator=(const ExchangeGuard&) = delete;

    private:
        CListItemPanel& m_panel;
    };

    // Marks a handler of the panel as running: a Destroy meanwhile deletes the object when the scope ends.
    class HandlerScope
    {
    public:
        explicit HandlerScope(CListItemPanel& panel) : m_panel(panel) { ++m_panel.m_handlerDepth; }
        ~HandlerScope()
        {
            if (--m_panel.m_handlerDepth == 0 && m_panel.m_deleteWhenDone)
            {
                delete &m_panel;
            }
        }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        CListItemPanel& m_panel;
    };

private:
    static INT_PTR CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsListBox(UINT id) const;

    UINT m_templateId;
    HWND m_parentWindow;
    CListItem* m_item;
    int m_exchangeDepth = 0;
    int m_handlerDepth = 0;
    bool m_deleteWhenDone = false;
};

class CZRProfile;

// A group: a node whose children are the items below it; no value of its own unless the group says so.
class CListItemGroup : public CListItem
{
public:
    CListItemGroup(CListItem* parent, UINT nameId, int kind, int image, int helpContext);

    BOOL CreatePanel(HWND parent) override;
    BOOL InsertIntoTree(HTREEITEM parent) override;
    // The checks of the children in the tree, in tree order, up to the first that fails.
    BOOL Validate() override;

protected:
    // Whether a child is shown for the profile as it is now; a child without a rule is always shown.
    using ShowRule = bool (*)(CZRProfile& profile);

    // Rebuilds the value text of a group that has one.
    virtual void UpdateValue() {}
    // Takes `child` (a child that could not be made is left out), shown in this order when its rule holds.
    void AddChild(CListItem* child, ShowRule rule = nullptr);
    // Inserts the children from position `first` on whose rule holds now; stops at the first failure.
    BOOL InsertChildren(size_t first);
    // Removes the nodes of the children from position `first` on.
    void RemoveChildren(size_t first);

    struct Child
    {
        std::unique_ptr<CListItem> item;
        ShowRule rule;
    };
    std::vector<Child> m_children;
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
