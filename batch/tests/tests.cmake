# Tests of Zrtbatch: the command line and run list in-process, the program itself driven through its windows.
set(dir ${CMAKE_CURRENT_LIST_DIR})
zrt_add_test(batch_command_line_tests SOURCES ${dir}/CommandLineTests.cpp LIBS zrt_batch zrt_testing)

# Scripted stand-ins for Zrtmgr.dll: <program folder>/variants/fake-zrtmgr/ and .../zrtmgr-without-export/.
add_library(FakeZrtmgr SHARED ${dir}/fakemgr/FakeZrtmgr.cpp ${dir}/fakemgr/FakeZrtmgr.def)
target_link_libraries(FakeZrtmgr PRIVATE zrt_contracts zrt_handles)
set_target_properties(FakeZrtmgr PROPERTIES OUTPUT_NAME Zrtmgr
  RUNTIME_OUTPUT_DIRECTORY ${ZRT_PROGRAM_DIR}/variants/fake-zrtmgr
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/fake-zrtmgr)
add_library(ZrtmgrWithoutExport SHARED ${dir}/fakemgr/NoExport.cpp ${dir}/fakemgr/NoExport.def)
set_target_properties(ZrtmgrWithoutExport PROPERTIES OUTPUT_NAME Zrtmgr
  RUNTIME_OUTPUT_DIRECTORY ${ZRT_PROGRAM_DIR}/variants/zrtmgr-without-export
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/zrtmgr-without-export)

# A language library of Zrtbatch for the version library's language "": <program folder>/variants/zrtbatch-language/.
add_library(ZrtbatchTestLanguage SHARED ${dir}/language/Language.rc ${dir}/language/Language.cpp)
target_include_directories(ZrtbatchTestLanguage PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
set_target_properties(ZrtbatchTestLanguage PROPERTIES OUTPUT_NAME Zrtbatch
  RUNTIME_OUTPUT_DIRECTORY ${ZRT_PROGRAM_DIR}/variants/zrtbatch-language
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/zrtbatch-language)

set(batch_driver ${dir}/BatchDriver.cpp)
zrt_add_test(batch_startup_tests GUI TIMEOUT 600
  SOURCES ${dir}/StartupTests.cpp ${batch_driver}
  LIBS zrt_testing comctl32)
zrt_add_test(batch_run_tests GUI TIMEOUT 900
  SOURCES ${dir}/RunLoopTests.cpp ${batch_driver}
  LIBS zrt_testing comctl32)
zrt_add_test(batch_log_tests GUI TIMEOUT 600
  SOURCES ${dir}/LogTests.cpp ${batch_driver}
  LIBS zrt_testing comctl32)
# The end-to-end tests copy the sample host store as the host data sources' tests do.
zrt_add_test(batch_end_to_end_tests GUI TIMEOUT 600
  SOURCES ${dir}/EndToEndTests.cpp ${batch_driver} ${CMAKE_SOURCE_DIR}/hllapi/tests/HostStore.cpp
  LIBS zrt_testing comctl32 advapi32)
target_include_directories(batch_end_to_end_tests PRIVATE ${CMAKE_SOURCE_DIR}/hllapi/tests)
foreach(test IN ITEMS batch_startup_tests batch_run_tests batch_log_tests batch_end_to_end_tests)
  target_include_directories(${test} PRIVATE ${dir})
  add_dependencies(${test} Zrtbatch FakeZrtmgr ZrtmgrWithoutExport ZrtbatchTestLanguage)
endforeach()
foreach(target IN ITEMS Zrtmgr Zrtpcfile Zrtas400 Zrts36 KVHLL32 kvhll32_host_samples Zrtappc Zrttcp)
  if(TARGET ${target})
    add_dependencies(batch_end_to_end_tests ${target})
  endif()
endforeach()
