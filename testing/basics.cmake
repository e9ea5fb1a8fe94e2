# First shared test helpers: error-sink capture, temporary program folder, per-test registry key and the watcher
# that reads and answers dialog boxes.
set(dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(zrt_testing PRIVATE
  ${dir}/ErrorSinkCapture.cpp
  ${dir}/MessageBoxWatcher.cpp
  ${dir}/ProfileFiles.cpp
  ${dir}/TempProgramFolder.cpp
  ${dir}/TestRegistryKey.cpp)
target_link_libraries(zrt_testing PUBLIC advapi32 user32)
# The temporary program folders copy the version library and its code-table file from the build's program folder.
foreach(target IN ITEMS Zrtver Zrtver_without_GetCopyright Zrtver_without_GetANSItoEBCDICtable)
  if(TARGET ${target})
    add_dependencies(zrt_testing ${target})
  endif()
endforeach()

zrt_add_test(testing_basics_tests SOURCES ${dir}/tests/BasicsTests.cpp LIBS zrt_testing GUI)
