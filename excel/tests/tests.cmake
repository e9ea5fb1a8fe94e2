# Tests of Zrtexcel against the stand-in automation server (registered in the tests' Wine prefix).
set(dir ${CMAKE_CURRENT_LIST_DIR})
add_library(excel_test_support STATIC ${dir}/ExcelTestSupport.cpp)
target_link_libraries(excel_test_support PUBLIC zrt_testing xlserver_book)
add_dependencies(excel_test_support Zrtexcel XlServer)

zrt_add_test(excel_tests
  SOURCES ${dir}/ExcelTransferTests.cpp ${dir}/ExcelFailureTests.cpp ${dir}/ExcelTests.rc
  LIBS excel_test_support ole32)
set_tests_properties(excel_tests PROPERTIES RESOURCE_LOCK xlserver_registration)

# Whole transfers through the real manager, the AS/400 data source and the stand-in bridge.
zrt_add_test(excel_host_transfer_tests
  SOURCES ${dir}/ExcelHostTransferTests.cpp ${dir}/ExcelTests.rc
  LIBS hllapi_host_bench TIMEOUT 600)
target_include_directories(excel_host_transfer_tests PRIVATE ${CMAKE_SOURCE_DIR}/hllapi/tests)
add_dependencies(excel_host_transfer_tests Zrtmgr Zrtas400 Zrtexcel XlServer)
set_tests_properties(excel_host_transfer_tests PROPERTIES RESOURCE_LOCK xlserver_registration)

# Workbooks written from host records, then read by independent readers: SheetJS (from tools/node_modules) and
# LibreOffice's headless converter.
zrt_add_test(excel_workbook_files SOURCES ${dir}/IndependentWorkbookFiles.cpp ${dir}/ExcelTests.rc
  LIBS excel_test_support)
set_tests_properties(excel_workbook_files PROPERTIES FIXTURES_SETUP excel_workbooks
  RESOURCE_LOCK xlserver_registration)
add_test(NAME excel_workbook_readers
  COMMAND bash ${dir}/check_workbook_readers.sh ${CMAKE_BINARY_DIR}/excel-workbooks ${CMAKE_SOURCE_DIR}/tools)
set_tests_properties(excel_workbook_readers PROPERTIES FIXTURES_REQUIRED excel_workbooks TIMEOUT 300)

zrt_add_test(excel_question_tests SOURCES ${dir}/ExcelQuestionTests.cpp ${dir}/ExcelTests.rc
  LIBS excel_test_support GUI)
set_tests_properties(excel_question_tests PROPERTIES RESOURCE_LOCK "desktop;xlserver_registration")
