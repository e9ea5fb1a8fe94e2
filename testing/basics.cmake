# First shared test helpers: error-sink capture, temporary program folder, per-test registry key, the watcher that
# reads and answers dialog boxes, and what tests of a program started as a process need: the process, its windows
# read and driven from outside, pictures of them.
set(dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(zrt_testing PRIVATE
  ${dir}/ErrorSinkCapture.cpp
  ${dir}/MessageBoxWatcher.cpp
  ${dir}/ProgramProcess.cpp
  ${dir}/ProgramWindows.cpp
  ${dir}/WindowPicture.cpp
  ${dir}/ProfileFiles.cpp
  ${dir}/TempProgramFolder.cpp
  ${dir}/TestRegistryKey.cpp)
target_link_libraries(zrt_testing PUBLIC advapi32 user32 gdi32)
# The temporary program folders copy the version library and its code-table file from the build's program folder.
foreach(target IN ITEMS Zrtver Zrtver_without_GetCopyright Zrtver_without_GetANSItoEBCDICtable)
  if(TARGET ${target})
    add_dependencies(zrt_testing ${target})
  endif()
endforeach()

zrt_add_test(testing_basics_tests SOURCES ${dir}/tests/BasicsTests.cpp LIBS zrt_testing GUI)

# The helpers for programs started as a process, tried on Zrtbatch.exe with the system's libraries, and on a tree
# view and a list box held by a second process of the tests' own.
add_executable(zrt_window_holder ${dir}/windowholder/WindowHolder.cpp)
target_link_libraries(zrt_window_holder PRIVATE comctl32)
zrt_add_test(testing_program_windows_tests GUI
  SOURCES ${dir}/tests/ProgramWindowsTests.cpp
  LIBS zrt_testing)
add_dependencies(testing_program_windows_tests zrt_window_holder)
foreach(target IN ITEMS Zrtbatch Zrtmgr Zrtpcfile Zrtas400 KVHLL32 kvhll32_host_samples)
  if(TARGET ${target})
    add_dependencies(testing_program_windows_tests ${target})
  endif()
endforeach()
