# Tests of the DIF, DBF, DOS random (DR1, DR2) and worksheet (WKQ, WKS, XLS) formats.
zrt_add_test(pcfile_record_formats_tests
  SOURCES
    ${pcfile_test_support}
    tests/RecordFormatSupport.cpp
    tests/DisplayNumberTests.cpp
    tests/DosRandomFormatTests.cpp
    tests/DbfFormatTests.cpp
    tests/DifFormatTests.cpp
    tests/SpreadsheetFormatTests.cpp
    tests/RecordFormatRoundTripTests.cpp
    tests/DamagedRecordFileTests.cpp
    tests/FileMutation.cpp
    DisplayNumber.cpp
    DosRandomField.cpp
    NumberText.cpp
  LIBS zrt_testing)
target_include_directories(pcfile_record_formats_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(pcfile_record_formats_tests Zrtpcfile)

# Every format of these tests written from the same host records, then read by independent readers: SheetJS (from
# tools/node_modules) and LibreOffice's headless converter.
zrt_add_test(pcfile_sheet_files SOURCES ${pcfile_test_support} tests/IndependentSheetFiles.cpp LIBS zrt_testing)
add_dependencies(pcfile_sheet_files Zrtpcfile)
set_tests_properties(pcfile_sheet_files PROPERTIES FIXTURES_SETUP pcfile_sheets)
add_test(NAME pcfile_sheet_readers
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_sheet_readers.sh ${CMAKE_BINARY_DIR}/pcfile-sheets
          ${CMAKE_SOURCE_DIR}/tools)
set_tests_properties(pcfile_sheet_readers PROPERTIES FIXTURES_REQUIRED pcfile_sheets TIMEOUT 300)
