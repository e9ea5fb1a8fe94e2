// The items of the groups "General", "PC" and "Advanced", and the PC description file of the "Host" group.
#pragma once

#include "PropertyItem.h"

// Show rules of the groups, read from the profile as it is now.
bool ShowsCodePage(CZRProfile& profile);
bool ShowsPcFileType(CZRProfile& profile);
bool ShowsPcWriteMode(CZRProfile& profile);
bool ShowsDecimalSymbol(CZRProfile& profile);

// Parameter 4 as two radio buttons captioned by the direction.
class CListItemCodePage : public CPropertyItem
{
public:
    explicit CListItemCodePage(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;
};

// Parameter 205: ". (dot)" or ", (comma)".
class CListItemDecimalSymbol : public CPropertyItem
{
public:
    explicit CListItemDecimalSymbol(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;
};

// Parameter 5.
class CListItemAutoClose : public CPropertyItem
{
public:
    explicit CListItemAutoClose(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;
};

// Parameter 204 ("Remove blanks"), shown inverted.
class CListItemPreserveFieldLength : public CPropertyItem
{
public:
    explicit CListItemPreserveFieldLength(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;
};

// Parameter 305, chosen with the description-file dialog.
class CListItemDescrFile : public CPropertyItem
{
public:
    explicit CListItemDescrFile(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    BOOL Validate() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    std::string m_fileName;
};

// Parameter 200, chosen with the PC file dialog of the profile's PC file type.
class CListItemPcLocation : public CPropertyItem
{
public:
    explicit CListItemPcLocation(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    BOOL Validate() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    std::string m_fileName;
};

// Parameter 201, from the types that the direction allows.
class CListItemPcFileType : public CPropertyItem
{
public:
    explicit CListItemPcFileType(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;
};

// Parameter 202.
class CListItemPcWriteMode : public CPropertyItem
{
public:
    explicit CListItemPcWriteMode(CListItem* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;
};

// "PC": the PC file's location, type and write mode.
class CListItemPc : public CListItemGroup
{
public:
    explicit CListItemPc(CListItem* parent);
};

// "Advanced": auto close, preserve field length, decimal symbol.
class CListItemAdvanced : public CListItemGroup
{
public:
    explicit CListItemAdvanced(CListItem* parent);
};
