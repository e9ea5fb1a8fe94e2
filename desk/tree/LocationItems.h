// The host location items of the "Host" group: the AS/400 library, file and member (with host browsing), the
// System/36 file, and the System/36 library and member. Each keeps the location in parameter 306 (host to PC) or 307
// (PC to host) and edits its parts in separate fields.
#pragma once

#include "EditFilters.h"
#include "PropertyItem.h"

class CListItemAs400Location : public CPropertyItem
{
public:
    explicit CListItemAs400Location(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    BOOL Validate() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    void Exchange(bool save);
    void ApplyEnableRule();
    void Browse(UINT button);

    std::string m_library;
    std::string m_file;
    std::string m_member;
    CHostNameEdit m_libraryEdit;
    CHostNameEdit m_fileEdit;
    CHostNameEdit m_memberEdit;
};

class CListItemS36FileLocation : public CPropertyItem
{
public:
    explicit CListItemS36FileLocation(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    BOOL Validate() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    CNoSpaceEdit m_fileEdit;
};

class CListItemS36MemberLocation : public CPropertyItem
{
public:
    explicit CListItemS36MemberLocation(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    BOOL Validate() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    void ApplyEnableRule();

    CNoSpaceEdit m_libraryEdit;
    CNoSpaceEdit m_memberEdit;
};
