# The long round of hostile input (tools/bench fuzz): every reader of outside input, 10,000 cases each, crashes and
# hangs counted by running the cases in worker processes.
if(TARGET zrt_hostile)
  add_executable(bench_fuzz ${CMAKE_CURRENT_LIST_DIR}/fuzz/HostileInputBench.cpp ${CMAKE_SOURCE_DIR}/common/profile/tests/ProfileDeskStrings.rc)
  target_link_libraries(bench_fuzz PRIVATE zrt_hostile zrt_handles)
endif()
