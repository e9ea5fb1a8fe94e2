// CZrtdeskDoc: Zrtdesk's one document. It owns the current profile, the root of the property tree that shows it
// and the transfer manager made for it; it creates, opens, validates and saves profiles.
#pragma once

#include "FwDocument.h"
#include "ListItem.h"
#include "ProfileListItems.h"

#include <memory>
#include <string>

class CZRProfile;

class CZrtdeskDoc : public CFwDocument
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CZrtdeskDoc() = default;
    ~CZrtdeskDoc() override;

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(const char* path) override;
    BOOL OnSaveDocument(const char* path) override;
    BOOL SaveModified() override;

    // Keeps the title, so that a cancelled wizard gives it back.
    void KeepTitle() { m_savedTitle = GetTitle(); }
    // Whether the document holds a profile that can be saved, run or shown.
    bool HoldsProfile() const;
    CListItem* GetProfileRoot() const { return m_profileRoot.get(); }
    // Whether the document holds a profile list.
    bool HoldsProfileList() const;
    CListItemProfiles* GetListRoot() const { return m_listRoot.get(); }

    // Releases the manager (entry 36), empties the tree, deletes the current profile and both roots.
    void ReleaseProfile();
    // The quick check of a profile file's "General" section: a known connection, direction, host type and
    // transfer type.
    static BOOL ValidateProfileFile(const char* path);

private:
    void DiscardProfileAndTree(CZRProfile* previous);
    BOOL CreateTransferManager();
    BOOL InitTransferManager();
    BOOL RecreateTransferManager();
    BOOL CreateNewProfile();
    BOOL RunNewProfileWizard(CZRProfile* previous);
    BOOL OpenProfile(const char* path);
    BOOL NewProfileTree();
    // Makes the document an empty profile list; FALSE when the list cannot be made.
    BOOL NewProfileList();
    BOOL OpenProfileList(const char* path);
    BOOL SaveProfileList(const std::string& path);
    // The check before a save: the profile's tree or the list.
    BOOL ValidateDocument();
    // Makes the foreign profile at `path` the open, modified, untitled profile.
    BOOL ImportForeignProfile(const char* path);
    // After a failure that released the previous profile: nothing is held and the document is untitled.
    void BecomeEmpty();

    LRESULT OnSaveCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateSave(WPARAM wParam, LPARAM lParam);

    std::unique_ptr<CListItem> m_profileRoot;
    std::unique_ptr<CListItemProfiles> m_listRoot;
    std::string m_savedTitle;
};
