// The abstract data source behind every data-source library's DataSourceFunctions, and the record-layout helpers.
#pragma once

#include "OwnedHandles.h"
#include "ZRContracts.h"

#include <cstring>

// Largest record a layout may describe: offsets and the record length are 16-bit quantities.
constexpr unsigned kMaxRecordLength = 65535;

// Field length and decimals as the unsigned 16-bit quantities they are.
inline unsigned FieldLength(const DSField& field)
{
    return static_cast<unsigned short>(field.length);
}
inline unsigned FieldDecimals(const DSField& field)
{
    return static_cast<unsigned short>(field.decimals);
}

// Allocates count empty fields for the layout (after freeing what it held). FALSE when out of memory.
BOOL AllocateLayoutFields(DSRecordLayout& layout, int count);
// Index of the first field whose end lies beyond kMaxRecordLength, or -1 when the record fits.
int FirstOverflowingField(const DSRecordLayout& layout);
// Sums the field lengths, allocates one zeroed record buffer and points every field's value at its offset.
// FALSE when the record does not fit kMaxRecordLength or the buffer cannot be allocated.
BOOL BuildRecordBuffer(DSRecordLayout& layout);
// Frees the field array and the record buffer and zeroes the layout.
void FreeRecordLayout(DSRecordLayout& layout);
// Copies the current field, value pointer included. FALSE when there is no current field.
inline BOOL CopyCurrentField(const DSRecordLayout& layout, DSField* field)
{
    if (!field || layout.current < 0 || layout.current >= layout.count)
        return FALSE;
    std::memcpy(field, &layout.fields[layout.current], sizeof(DSField));
    return TRUE;
}

class CDataSource
{
public:
    CDataSource();
    virtual ~CDataSource();

    virtual BOOL Connect() = 0;
    virtual BOOL QueryInfo(char* text, int* number1, int* number2) = 0;
    virtual BOOL Disconnect() = 0;
    virtual BOOL Open(HANDLE cancelEvent);
    virtual BOOL GetRecordLayout(DSRecordLayout** layout);
    virtual BOOL SetRecordLayout(const DSRecordLayout* otherSide);
    virtual BOOL Close();
    virtual BOOL GetField(DSField* field);
    virtual BOOL PutField(const DSField* otherSide);
    virtual BOOL NextField() = 0;
    virtual BOOL EndOfData();

    // Fills the header once the factory has made the object.
    void Attach(HMODULE module, const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                const OptionCallbacks* options, const EnvironmentCallbacks* environment);
    int RecordCount() const { return m_recordCount; }

    CDataSource(const CDataSource&) = delete;
    CDataSource& operator=(const CDataSource&) = delete;

protected:
    // Option `id` of the caller's option table, or `fallback` when there is none.
    int OptionValue(int id, int fallback) const;
    // Asks question `id` of the library's string table (at most 100 characters) in a Yes/No box owned by the
    // notification window and captioned with the product short name; true for Yes.
    bool AskQuestion(UINT id) const;

    HMODULE m_module;
    const ProfileCallbacks* m_profile;
    const ErrorSinkFunctions* m_errorSink;
    const OptionCallbacks* m_options;
    const EnvironmentCallbacks* m_environment;
    int m_recordCount;
    DSRecordLayout m_layout;
    OwnedEvent m_cancelEvent;
};
