// The "Host" group and its items: the session letter, the host file or member type, the host write mode, the
// record length and the new file size (the locations are in LocationItems.h).
#pragma once

#include "PropertyItem.h"

// "Host": its children depend on the host system, the direction, the PC file type, the member and on which of the
// description file, the record length and the new file size the profile uses.
class CListItemHost : public CListItemGroup
{
public:
    explicit CListItemHost(CListItem* parent);
    // After the file type, member type or write mode changed: the dependent items that now apply go last.
    void Relayout();

private:
    size_t m_firstDependent = 0;
};

// Parameter 303: the emulator session, with its state as the value.
class CListItemSessionId : public CPropertyItem
{
public:
    explicit CListItemSessionId(CListItem* parent);
    void Apply() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    std::string m_sessionText;
};

// Parameter 304: a host file type (Data, Source) or, on System/36, a member type (Source, Procedure).
class CListItemHostFileType : public CPropertyItem
{
public:
    CListItemHostFileType(CListItemHost* parent, bool memberType);
    void Apply() override;
    void Refresh() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    CListItemHost* m_host;
    bool m_memberType;
};

// Parameter 308.
class CListItemHostWriteMode : public CPropertyItem
{
public:
    explicit CListItemHostWriteMode(CListItemHost* parent);
    void Apply() override;
    void Refresh() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    void UpdateValue() override;

private:
    CListItemHost* m_host;
};

// A whole number typed into an edit: the record length (309) or the new file size (310).
class CListItemHostNumber : public CPropertyItem
{
public:
    void Apply() override;
    void Refresh() override;
    BOOL Validate() override;
    void OnPanelInit() override;
    void OnPanelCommand(UINT id, UINT code) override;

protected:
    struct NumberDefinition
    {
        UINT nameId;
        int kind;
        int image;
        int helpContext;
        UINT templateId;
        int paramId;
        UINT editId;
        int maxCharacters;
        UINT argumentId;
        int maximum;
    };
    CListItemHostNumber(CListItem* parent, const NumberDefinition& definition);
    void UpdateValue() override;
    // The smallest valid value.
    virtual int Minimum() const { return 1; }

private:
    int m_paramId;
    UINT m_editId;
    int m_maxCharacters;
    UINT m_argumentId;
    int m_maximum;
};

class CListItemRecordLength : public CListItemHostNumber
{
public:
    explicit CListItemRecordLength(CListItem* parent);

protected:
    int Minimum() const override;
};

class CListItemNewFileSize : public CListItemHostNumber
{
public:
    explicit CListItemNewFileSize(CListItem* parent);
};
