# The PC-file benchmarks: code-page translation and value conversion against a plain table loop and memcpy; each
# text format's writer and reader against one fwrite and fread of the same bytes.
set(dir ${CMAKE_CURRENT_LIST_DIR}/pcfile)
add_executable(bench_translate ${dir}/TranslateBench.cpp ${dir}/ProgramTexts.rc)
target_link_libraries(bench_translate PRIVATE zrt_testing)
add_executable(bench_pcfile ${dir}/PcFileBench.cpp ${dir}/BenchSupport.cpp ${dir}/ProgramTexts.rc)
target_link_libraries(bench_pcfile PRIVATE zrt_testing)
add_dependencies(bench_pcfile Zrtpcfile)
