# The host benchmark: 100,000 records through the simulated hosts, both directions, through the real manager, host
# data sources and PC data source, with a counting bridge in front of the stand-in bridge.
if(TARGET Zrtas400 AND TARGET Zrts36 AND TARGET KVHLL32 AND TARGET Zrtmgr AND TARGET Zrtpcfile)
  set(dir ${CMAKE_CURRENT_LIST_DIR}/host)
  add_library(HllapiCounter SHARED ${dir}/HllapiCounter.cpp ${dir}/CallRecording.cpp ${dir}/HllapiCounter.def)
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
  target_link_libraries(bench_host PRIVATE zrt_testing)
  add_dependencies(bench_host HllapiCounter Zrtas400 Zrts36 KVHLL32 Zrtmgr Zrtpcfile)
endif()
