# Tests of Zrtdesk: its windows made in the test's own process and driven by messages from another thread, and a
# few runs of Zrtdesk.exe as a user would start it.
set(dir ${CMAKE_CURRENT_LIST_DIR})
zrt_add_test(desk_tests GUI TIMEOUT 900
  SOURCES ${dir}/DeskSession.cpp ${dir}/StartupTests.cpp ${dir}/DocumentTests.cpp ${dir}/ModalTests.cpp ${dir}/RunTests.cpp
    ${dir}/OptionsTests.cpp ${dir}/ImportTests.cpp ${dir}/IconTests.cpp ${dir}/WizardNewTests.cpp
    ${dir}/ProfileListTests.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Zrtdesk.rc
  LIBS zrt_desk zrt_testing comctl32 advapi32)
target_include_directories(desk_tests PRIVATE ${dir})
add_dependencies(desk_tests FakeZrtmgr ZrtmgrWithoutExport)

# Zrtdesk.exe as a user starts it, with the system's own libraries and the stand-ins of the outside ones.
zrt_add_test(desk_launch_tests GUI TIMEOUT 600
  SOURCES ${dir}/LaunchTests.cpp ${dir}/WizardLaunchTests.cpp ${dir}/DeskInstallation.cpp
    ${CMAKE_SOURCE_DIR}/hllapi/tests/HostStore.cpp
  LIBS zrt_testing advapi32)
target_include_directories(desk_launch_tests PRIVATE ${dir} ${CMAKE_SOURCE_DIR}/hllapi/tests)
add_dependencies(desk_launch_tests Zrtdesk Zrtbatch)
foreach(target IN ITEMS Zrtmgr Zrtpcfile Zrtas400 Zrts36 KVHLL32 Zrthostview kvhll32_host_samples)
  if(TARGET ${target})
    add_dependencies(desk_launch_tests ${target})
  endif()
endforeach()
