// Calling convention and layout checks shared by every table and record that crosses a ZRT library boundary.
#pragma once

#include <windows.h>
#include <cstddef>

// Calling convention of every cross-library function: table entries and the ZRTCreateObject exports.
// x86_64 has one convention; the macro keeps the choice explicit.
#define ZRTAPI __stdcall

// Name of the one export of Zrtmgr and of every data-source library.
#define ZRT_CREATE_OBJECT_EXPORT "ZRTCreateObject"

// Entry `member` of the function table `Table` sits in slot `index`.
#define ZR_ASSERT_SLOT(Table, member, index) \
    static_assert(offsetof(Table, member) == (index) * sizeof(void*), #Table "::" #member " is not in slot " #index)

// `Table` holds exactly `count` pointer-sized words.
#define ZR_ASSERT_SLOT_COUNT(Table, count) \
    static_assert(sizeof(Table) == (count) * sizeof(void*), #Table " does not hold " #count " words")
