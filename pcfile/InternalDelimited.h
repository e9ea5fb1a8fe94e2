// The delimited text formats TAB, CSV and PRN: one record per line, values separated by one character, text values
// in double quotes. The formats differ only in the rules of DelimitedFormat.
#pragma once

#include "DelimitedLine.h"
#include "InternalTextTarget.h"
#include "ZRSInternalSource.h"

#include <string>
#include <vector>

struct DelimitedFormat
{
    const char* sourceName;
    DelimitedSyntax syntax;
    bool decimalComma;    // numbers take a decimal comma unless the decimal character is the dot
    bool headerLine;      // a first line of the field names is passed over when reading
    bool rightAlignText;  // text values are read right-aligned
};

extern const DelimitedFormat kTabFormat;
extern const DelimitedFormat kCsvFormat;
extern const DelimitedFormat kPrnFormat;

class CInternalDelimitedTarget : public CInternalTextTarget
{
public:
    explicit CInternalDelimitedTarget(const DelimitedFormat& format) : m_format(format) {}

protected:
    const char* SourceName() const override { return m_format.sourceName; }
    void InitMembers() override;
    // The existing file's first line fits the field list as the reader sees it.
    BOOL CheckStructure() override;

private:
    const DelimitedFormat& m_format;
};

class CInternalDelimitedSource : public CZRSInternalSource
{
public:
    explicit CInternalDelimitedSource(const DelimitedFormat& format) : m_format(format), m_firstLine(false) {}

protected:
    const char* SourceName() const override { return m_format.sourceName; }
    void InitMembers() override;
    void ReleaseExtra() override;
    BOOL CheckStructure() override;
    // Settles how each field takes its values before the first record is read.
    BOOL ReadFirstRecord() override;
    BOOL ParseRecord() override;

private:
    enum class ValueKind
    {
        Text,
        Number,
        NumberWithComma,  // a number whose decimal comma is given the dot first
        None,             // a field that no value of the file fills
    };

    struct FieldRule
    {
        ValueKind kind;
        unsigned width;
        unsigned decimals;
        char* value;
    };

    class FieldValues;

    // Splits the line at the current position in the buffer, handing its values to `values` (see
    // ScanDelimitedValues), and brings in more of the file when the line runs on beyond the bytes held; a Complete
    // line is consumed.
    template <typename Values>
    LineStatus ReadLine(Values& values);
    // A first line of the field names is consumed; any other first line stays to be read as a record.
    void PassHeaderLine();
    // Every value of the line equals its field's name.
    bool IsHeaderLine() const;
    // The outcome of a record's line of which `taken` values were split and the value `refused` (or none, -1)
    // did not fit its field.
    BOOL RecordRead(LineStatus status, size_t taken, int refused);
    [[gnu::always_inline]] bool StoreValue(const FieldRule& rule, const char* text, size_t length, bool quoted);
    [[gnu::always_inline]] bool StoreText(const FieldRule& rule, const char* text, size_t length) const;
    [[gnu::always_inline]] bool StoreNumber(const FieldRule& rule, const char* text, size_t length) const;
    // A number in any form other than the most common one.
    [[gnu::noinline]] bool StoreOtherNumber(const FieldRule& rule, const char* text, size_t length) const;
    // A number whose decimal comma, if any, is first given the dot.
    bool StoreNumberWithComma(const FieldRule& rule, const char* text, size_t length);

    const DelimitedFormat& m_format;
    DelimitedLine m_line;
    std::vector<FieldRule> m_rules;  // one for each field of the layout
    std::string m_number;            // a number with a decimal comma, given the dot
    bool m_firstLine;
};

class CInternalTABTarget : public CInternalDelimitedTarget
{
public:
    CInternalTABTarget() : CInternalDelimitedTarget(kTabFormat) {}
};

class CInternalTABSource : public CInternalDelimitedSource
{
public:
    CInternalTABSource() : CInternalDelimitedSource(kTabFormat) {}
};

class CInternalCSVTarget : public CInternalDelimitedTarget
{
public:
    CInternalCSVTarget() : CInternalDelimitedTarget(kCsvFormat) {}
};

class CInternalCSVSource : public CInternalDelimitedSource
{
public:
    CInternalCSVSource() : CInternalDelimitedSource(kCsvFormat) {}
};

class CInternalPRNTarget : public CInternalDelimitedTarget
{
public:
    CInternalPRNTarget() : CInternalDelimitedTarget(kPrnFormat) {}
};

class CInternalPRNSource : public CInternalDelimitedSource
{
public:
    CInternalPRNSource() : CInternalDelimitedSource(kPrnFormat) {}
};
