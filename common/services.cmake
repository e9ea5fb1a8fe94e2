# Shared services: error reporting and the error list, global options, the registry key class, text and path
# utilities, and the wrapper of the version library.
set(dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(zrt_common PRIVATE
  ${dir}/CodeTableFile.cpp
  ${dir}/ErrorList.cpp
  ${dir}/ErrorListDialog.cpp
  ${dir}/ErrorRecordBlock.cpp
  ${dir}/FileDialog.cpp
  ${dir}/KeyState.cpp
  ${dir}/PathUtilities.cpp
  ${dir}/RegistryKey.cpp
  ${dir}/RegistryTree.cpp
  ${dir}/ReportError.cpp
  ${dir}/TextChecks.cpp
  ${dir}/VersionLibrary.cpp
  ${dir}/ZRErrorHandling.cpp
  ${dir}/ZROptions.cpp
  ${dir}/ZRProgram.cpp)
target_link_libraries(zrt_common PUBLIC user32 gdi32 comdlg32 advapi32)

zrt_add_test(common_services_tests
  SOURCES
    ${dir}/tests/CodeTableFileTests.cpp
    ${dir}/tests/ErrorListTests.cpp
    ${dir}/tests/OptionsTests.cpp
    ${dir}/tests/RegistryKeyTests.cpp
    ${dir}/tests/ReportErrorTests.cpp
    ${dir}/tests/TextAndPathTests.cpp
    ${dir}/tests/TranslateTests.cpp
    ${dir}/tests/VersionLibraryTests.cpp
    ${dir}/tests/ServicesTests.rc
  LIBS zrt_testing)
zrt_add_test(common_services_gui_tests
  SOURCES
    ${dir}/tests/ErrorListDialogTests.cpp
    ${dir}/tests/WindowUtilitiesTests.cpp
    ${dir}/tests/ServicesTests.rc
  LIBS zrt_testing
  GUI)
# A time zone far from UTC, so that a record stamped in UTC instead of local time shows.
set_tests_properties(common_services_tests PROPERTIES ENVIRONMENT "TZ=Asia/Kolkata")
