// An outside PC data source takes the host's record layout as it is: the same fields, each as wide as its value
// is in the host's record buffer, so that the bytes pass unchanged.
#pragma once

#include "DataSource.h"

// Rebuilds `own` from `other` with the byte widths of the other side's buffer. FALSE when the layout has no
// fields, a record of 65,536 bytes or more, or the memory cannot be had.
BOOL CopyLayoutByWidths(const DSRecordLayout& other, DSRecordLayout& own);

// Width in bytes of field i of a layout's record buffer.
unsigned FieldWidth(const DSRecordLayout& layout, int i);
