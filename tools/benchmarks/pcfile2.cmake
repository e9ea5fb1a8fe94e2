# The PC-file benchmarks of the DIF, DBF, DOS random and worksheet formats: each writer and reader against one fwrite
# and fread of the same bytes.
set(dir ${CMAKE_CURRENT_LIST_DIR}/pcfile2)
add_executable(bench_pcfile2 ${dir}/RecordFormatBench.cpp ${CMAKE_CURRENT_LIST_DIR}/pcfile/BenchSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pcfile/ProgramTexts.rc)
target_include_directories(bench_pcfile2 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pcfile)
target_link_libraries(bench_pcfile2 PRIVATE zrt_testing)
add_dependencies(bench_pcfile2 Zrtpcfile)
