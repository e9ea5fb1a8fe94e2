# The host benchmark: 100,000 records through the simulated hosts, both directions, through the real manager, host
# data sources and PC data source, with a counting bridge in front of the stand-in bridge.
if(TARGET Zrtas400 AND TARGET Zrts36 AND TARGET KVHLL32 AND TARGET Zrtmgr AND TARGET Zrtpcfile)
  set(dir ${CMAKE_CURRENT_LIST_DIR}/host)
  add_library(HllapiCounter SHARED ${dir}/HllapiCounter.cpp ${dir}/CallRecording.cpp ${dir}/HllapiCounter.def)
  target_link_libraries(HllapiCounter PRIVATE zrt_handles)
  add_executable(bench_host
    ${dir}/HostTransferBench.cpp
    ${dir}/BenchReport.cpp
    ${dir}/BenchStore.cpp
    ${dir}/BenchTransfer.cpp
    ${dir}/CountingBridge.cpp
    ${dir}/CsvValues.cpp
    ${dir}/ProcessClock.cpp
    ${dir}/ProtocolCalls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/manager/ProgramTexts.rc)
  target_link_libraries(bench_host PRIVATE zrt_testing zrt_handles)
  add_dependencies(bench_host HllapiCounter Zrtas400 Zrts36 KVHLL32 Zrtmgr Zrtpcfile)
endif()

# The link benchmark: the four transfers with the host answering 20 ms after each Enter, through the real manager;
# Zrtbatch's memory and the time from its last record to Success for 1,000,000 records against 10,000.
if(TARGET bench_host AND TARGET Zrtbatch)
  set(dir ${CMAKE_CURRENT_LIST_DIR}/host)
  add_executable(bench_link
    ${dir}/LinkBench.cpp
    ${dir}/BenchStore.cpp
    ${dir}/BenchTransfer.cpp
    ${dir}/CountingBridge.cpp
    ${dir}/ProcessClock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/manager/ProgramTexts.rc)
  target_link_libraries(bench_link PRIVATE zrt_testing zrt_handles psapi)
  add_dependencies(bench_link HllapiCounter Zrtas400 Zrts36 KVHLL32 Zrtmgr Zrtpcfile Zrtbatch)
endif()
