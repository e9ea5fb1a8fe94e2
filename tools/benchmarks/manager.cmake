# The manager's benchmark: a whole transfer through Zrtmgr against the PC data source alone.
add_executable(bench_manager ${CMAKE_CURRENT_LIST_DIR}/manager/ManagerBench.cpp ${CMAKE_CURRENT_LIST_DIR}/manager/ProgramTexts.rc)
target_link_libraries(bench_manager PRIVATE zrt_testing zrt_handles)
add_dependencies(bench_manager Zrtmgr Zrtpcfile ZrtFakeSource)
