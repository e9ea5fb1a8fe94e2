# Tests of Zrtdesk: its windows made in the test's own process and driven by messages from another thread, and a
# few runs of Zrtdesk.exe as a user would start it.
set(dir ${CMAKE_CURRENT_LIST_DIR})
zrt_add_test(desk_tests GUI TIMEOUT 900
  SOURCES ${dir}/DeskSession.cpp ${dir}/StartupTests.cpp ${dir}/DocumentTests.cpp ${dir}/RunTests.cpp ${dir}/OptionsTests.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Zrtdesk.rc
  LIBS zrt_desk zrt_testing comctl32 advapi32)
target_include_directories(desk_tests PRIVATE ${dir})
add_dependencies(desk_tests FakeZrtmgr ZrtmgrWithoutExport)
