# The manager's tests drive Zrtmgr.dll through its table, with the scripted fake data source in a folder per test.
set(dir ${CMAKE_CURRENT_LIST_DIR})
zrt_add_test(manager_tests
  SOURCES
    ${dir}/ImportPatch.cpp
    ${dir}/ManagerTestSupport.cpp
    ${dir}/ManagerFactoryTests.cpp
    ${dir}/ManagerLoadTests.cpp
    ${dir}/ManagerTransferTests.cpp
    ${dir}/ManagerBrowseTests.cpp
    ${dir}/ManagerPcFileTests.cpp
    ${dir}/ProgramTexts.rc
  LIBS zrt_testing)
add_dependencies(manager_tests Zrtmgr Zrtpcfile ZrtFakeSource ZrtFakeNoFactory)
