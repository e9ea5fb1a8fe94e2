# Tests of the SQL profile kinds: strict reading, writing, items and statements in-process, and whole transfers
# through Zrtmgr into the outside SQL data sources.
set(dir ${CMAKE_CURRENT_LIST_DIR})
zrt_add_test(batch_sql_tests
  SOURCES
    ${dir}/SqlTestSupport.cpp
    ${dir}/SqlReadingTests.cpp
    ${dir}/SqlWritingTests.cpp
    ${dir}/SqlItemTests.cpp
    ${dir}/SqlStatementTests.cpp
    ${dir}/SqlStrings.rc
  LIBS zrt_batch_sql zrt_testing)

zrt_add_test(batch_sql_transfer_tests
  SOURCES ${dir}/SqlTestSupport.cpp ${dir}/SqlTransferTests.cpp ${dir}/SqlStrings.rc
  LIBS zrt_batch_sql zrt_testing)
add_dependencies(batch_sql_transfer_tests Zrtmgr Zrtpcfile Zrtappc Zrttcp)
