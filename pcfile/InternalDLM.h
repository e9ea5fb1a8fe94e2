// TXT (Without delimiters), PcFileType 7: one line per record, the whole record at full width.
#pragma once

#include "InternalTextTarget.h"
#include "ZRSInternalSource.h"

class CInternalDLMTarget : public CInternalTextTarget
{
protected:
    const char* SourceName() const override { return "InternalDLM"; }
    // Numbers take a decimal comma unless the decimal character is the dot.
    void InitMembers() override;
    // The whole record buffer as it stands.
    BOOL FormatRecord() override;
    UINT ServiceFailureId() const override { return IDS_ZRI015; }
};

class CInternalDLMSource : public CZRSInternalSource
{
protected:
    const char* SourceName() const override { return "InternalDLM"; }
    BOOL CheckStructure() override { return TRUE; }
    BOOL ParseRecord() override;

private:
    // Consumes the line end after a record; FALSE when another byte follows the record.
    bool ConsumeLineEnd();
    // Turns a decimal comma into the dot and checks every number of the record; index of the first bad field or -1.
    int NormaliseNumbers();
};
