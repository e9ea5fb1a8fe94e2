# Tests of the host data sources. Two builds of a scripted fake bridge (KVHLL32.DLL, one without KVRGetStatus) go
# to folders of their own below the program folder, so that they never stand in for the real stand-in bridge.
set(dir ${CMAKE_CURRENT_LIST_DIR})
foreach(variant IN ITEMS fakebridge fakebridge-nostatus)
  if(variant STREQUAL "fakebridge")
    set(def ${dir}/fakebridge/FakeBridge.def)
  else()
    set(def ${dir}/fakebridge/FakeBridgeNoStatus.def)
  endif()
  add_library(hllapi_${variant} SHARED ${dir}/fakebridge/FakeBridge.cpp ${def})
  target_link_libraries(hllapi_${variant} PRIVATE zrt_handles)
  set_target_properties(hllapi_${variant} PROPERTIES OUTPUT_NAME KVHLL32
    RUNTIME_OUTPUT_DIRECTORY ${ZRT_PROGRAM_DIR}/${variant}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib/${variant})
endforeach()

zrt_add_test(hllapi_descr_tests
  SOURCES ${dir}/DescrFileTests.cpp ${dir}/HostFieldsTests.cpp
  LIBS zrt_hllapi zrt_testing)

zrt_add_test(hllapi_session_tests
  SOURCES ${dir}/SessionTests.cpp ${dir}/HostReplyTests.cpp ${dir}/HostTests.rc
  LIBS zrt_hllapi zrt_testing)
target_include_directories(hllapi_session_tests PRIVATE ${dir}/fakebridge)
add_dependencies(hllapi_session_tests hllapi_fakebridge hllapi_fakebridge-nostatus Zrtas400 Zrts36)

# The host data sources against the stand-in bridge and its simulated hosts (sample store copied per test).
add_library(hllapi_host_bench STATIC ${dir}/HostBench.cpp ${dir}/HostStore.cpp)
target_link_libraries(hllapi_host_bench PUBLIC zrt_testing zrt_datasource GTest::gtest)
foreach(target IN ITEMS KVHLL32 kvhll32_host_samples)
  if(TARGET ${target})
    add_dependencies(hllapi_host_bench ${target})
  endif()
endforeach()
add_dependencies(hllapi_host_bench Zrtas400 Zrts36)

zrt_add_test(hllapi_as400_tests SOURCES ${dir}/As400Tests.cpp ${dir}/HostTests.rc LIBS hllapi_host_bench TIMEOUT 600)
zrt_add_test(hllapi_s36_tests SOURCES ${dir}/S36Tests.cpp ${dir}/HostTests.rc LIBS hllapi_host_bench TIMEOUT 600)

# Whole transfers through the real manager and PC data sources.
zrt_add_test(hllapi_transfer_tests SOURCES ${dir}/TransferTests.cpp ${dir}/HostTests.rc LIBS hllapi_host_bench
  TIMEOUT 900)
foreach(target IN ITEMS Zrtmgr Zrtpcfile Zrtrawfile Zrtfieldspec)
  if(TARGET ${target})
    add_dependencies(hllapi_transfer_tests ${target})
  endif()
endforeach()

# Transfers and bridge loads repeated in one process, as a long profile list runs them.
zrt_add_test(hllapi_repeated_load_tests SOURCES ${dir}/RepeatedLoadTests.cpp ${dir}/HostTests.rc
  LIBS hllapi_host_bench)
foreach(target IN ITEMS Zrtmgr Zrtpcfile)
  if(TARGET ${target})
    add_dependencies(hllapi_repeated_load_tests ${target})
  endif()
endforeach()
