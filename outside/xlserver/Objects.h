// The objects of the stand-in and the members each implements (dispatch id, kind, arguments):
//   Application  Workbooks 572 get; Quit 302 method
//   Workbooks    Open 682 method (file name); Add 181 method; Close 277 method
//   Workbook     ActiveSheet 307 get; SaveAs 284 method (file name); Save 283 method
//   Worksheet    Cells 238 get; UsedRange 412 get
//   Range        Clear 111 method; Count 118 get; Column 240 get; Columns 241 get; Item 170 get (row, column);
//                EntireRow 247 get; Value 6 get and put
#pragma once

#include "Automation.h"

// A new Application with no workbook open; the caller holds its one reference.
CAutomationObject* NewApplication();
