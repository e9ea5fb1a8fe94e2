// The data-source contract: field record, record layout, the 12-entry function table and the factory export.
#pragma once

#include "ZRApi.h"
#include "ZRCallerTables.h"

// One field description, with its value inside the record buffer of the layout that owns it.
// A new DSField is all zero.
struct DSField
{
    char name[11];  // up to 10 characters
    char text[53];  // description, up to 50 characters used
    int type;       // HostFieldType on the host side, PcFieldType on the PC side
    short length;   // host: digits or bytes; PC: width of the value in the record buffer
    short decimals;
    char* value;  // the field's bytes in the record buffer; null in a bare description
};

static_assert(sizeof(short) == 2);
static_assert(offsetof(DSField, name) == 0);
static_assert(offsetof(DSField, text) == 11);
static_assert(offsetof(DSField, type) == 64);
static_assert(offsetof(DSField, length) == 68);
static_assert(offsetof(DSField, decimals) == 70);
static_assert(offsetof(DSField, value) == 72);
static_assert(sizeof(DSField) == 72 + sizeof(void*));
#ifdef _WIN64
static_assert(sizeof(DSField) == 80);
#endif

// A record layout: fields and one record buffer, both owned by the layout. The value of field i is buffer plus the
// sum of the lengths of fields 0..i-1; length is the sum of all field lengths. Offsets and length stay below 65,536.
// An empty layout is all zero.
struct DSRecordLayout
{
    DSField* fields;
    int count;
    int current;  // index of the current field, 0 = first
    char* buffer;
    DWORD length;
};

static_assert(offsetof(DSRecordLayout, fields) == 0);
static_assert(offsetof(DSRecordLayout, count) == sizeof(void*));
static_assert(offsetof(DSRecordLayout, current) == sizeof(void*) + 4);
static_assert(offsetof(DSRecordLayout, buffer) > offsetof(DSRecordLayout, current));
static_assert(offsetof(DSRecordLayout, length) == offsetof(DSRecordLayout, buffer) + sizeof(void*));
#ifdef _WIN64
static_assert(offsetof(DSRecordLayout, buffer) == 16 && sizeof(DSRecordLayout) == 32);
#endif

// The twelve entries of every data source; each forwards to the library's one data-source object.
// Calling order: Connect; Open; SetRecordLayout; GetField or PutField, NextField ...; EndOfData; Close; Disconnect.
struct DataSourceFunctions
{
    BOOL(ZRTAPI* Connect)();
    BOOL(ZRTAPI* QueryInfo)(char* text, int* number1, int* number2);
    BOOL(ZRTAPI* Disconnect)();
    BOOL(ZRTAPI* Open)(HANDLE cancelEvent);                  // the data source keeps a duplicate
    BOOL(ZRTAPI* GetRecordLayout)(DSRecordLayout** layout);  // receives the object's own layout
    BOOL(ZRTAPI* SetRecordLayout)(const DSRecordLayout* otherSide);
    BOOL(ZRTAPI* Close)();
    BOOL(ZRTAPI* GetField)(DSField* field);            // copy of the current field, value pointer included
    BOOL(ZRTAPI* PutField)(const DSField* otherSide);  // the other side's current field with its value
    BOOL(ZRTAPI* NextField)();
    BOOL(ZRTAPI* EndOfData)();
    int(ZRTAPI* GetRecordCount)();  // records handled so far
};

ZR_ASSERT_SLOT(DataSourceFunctions, Connect, 0);
ZR_ASSERT_SLOT(DataSourceFunctions, QueryInfo, 1);
ZR_ASSERT_SLOT(DataSourceFunctions, Disconnect, 2);
ZR_ASSERT_SLOT(DataSourceFunctions, Open, 3);
ZR_ASSERT_SLOT(DataSourceFunctions, GetRecordLayout, 4);
ZR_ASSERT_SLOT(DataSourceFunctions, SetRecordLayout, 5);
ZR_ASSERT_SLOT(DataSourceFunctions, Close, 6);
ZR_ASSERT_SLOT(DataSourceFunctions, GetField, 7);
ZR_ASSERT_SLOT(DataSourceFunctions, PutField, 8);
ZR_ASSERT_SLOT(DataSourceFunctions, NextField, 9);
ZR_ASSERT_SLOT(DataSourceFunctions, EndOfData, 10);
ZR_ASSERT_SLOT(DataSourceFunctions, GetRecordCount, 11);
ZR_ASSERT_SLOT_COUNT(DataSourceFunctions, 12);

// ZRTCreateObject of a data-source library. Stores the address of its DataSourceFunctions in *functions (0 on
// failure). A nonzero replace destroys the library's existing data-source object first.
// A library defines it as: extern "C" BOOL ZRTAPI ZRTCreateObject(...), exported by that plain name.
typedef BOOL(ZRTAPI ZRTCreateDataSourceFn)(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                           const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                           DataSourceFunctions** functions, BOOL replace);
typedef ZRTCreateDataSourceFn* ZRTCreateDataSourceProc;
