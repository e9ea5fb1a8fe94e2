// A profile list in the property tree: the root "Profiles" with one child per profile path, in the order in which
// Zrtbatch runs them. Every change marks the list modified (the program-wide list-modified flag).
#pragma once

#include "ListItem.h"

#include <memory>
#include <string>
#include <vector>

class CListItemProfiles;

// One profile path of the list; its label is the path.
class CListItemProfileEntry : public CListItem
{
public:
    CListItemProfileEntry(CListItemProfiles* root, const std::string& path);

    BOOL CreatePanel(HWND parent) override;
    BOOL InsertIntoTree(HTREEITEM parent) override;
    // Panel -> entry: takes the path the panel holds, marks the list modified and refreshes the node.
    void Apply() override;
    void Refresh() override;
    // Not empty, none of "*?<>|", the extension ".h2p" or ".p2h"; otherwise ZRH007 and the entry is selected.
    BOOL Validate() override;

    const std::string& GetPath() const { return m_path; }

private:
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;
    void Browse();
    void EnableMoveButtons();

    CListItemProfiles* m_root;
    std::string m_path;
    // The panel's copy of the path.
    std::string m_panelPath;
};

class CListItemProfiles : public CListItem
{
public:
    CListItemProfiles();

    // Reads the list file: entries in file order. A file that does not open (ZRH012) or a read error (ZRH013)
    // leaves the entries read so far, with the error in the error list; TRUE in every case.
    BOOL Load(const char* path);
    // Writes the paths, each followed by CR LF; the old file stays whole when the write fails.
    BOOL Save(const char* path) const;
    // ZRH024 for an empty list, else each entry's check in order up to the first that fails.
    BOOL ValidateAll();

    BOOL CreatePanel(HWND parent) override;
    // The root last under `parent`, its entries under it in order, the root expanded.
    BOOL InsertIntoTree(HTREEITEM parent) override;

    // The position of the entry shown by `node`, or -1.
    int IndexOf(HTREEITEM node) const;
    size_t GetCount() const { return m_entries.size(); }
    const CListItemProfileEntry* GetEntry(size_t index) const { return m_entries[index].get(); }
    // Appends the entry, shows it, selects the root and marks the list modified.
    void AddEntry(std::unique_ptr<CListItemProfileEntry> entry);
    // Deletes the entry shown by `node` and marks the list modified; nothing for a node of no entry.
    void Remove(HTREEITEM node);
    // Swap the entry with its neighbour, show the list again in its new order and select the moved entry; the
    // list is modified (the order is what Zrtbatch runs). Nothing at either end of the list.
    void MoveUp(HTREEITEM node);
    void MoveDown(HTREEITEM node);

private:
    void OnPanelCommand(UINT id, UINT code) override;
    void AddProfile();
    void Move(HTREEITEM node, int step);

    std::vector<std::unique_ptr<CListItemProfileEntry>> m_entries;
};
