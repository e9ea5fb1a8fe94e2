# Hostile input for every reader of outside input (PC files, profiles, profile lists, description files, host
# replies): the cases, a quick round for CI here, and the long round in tools/bench fuzz.
if(TARGET hllapi_host_bench AND TARGET zrt_descrfile)
  set(dir ${CMAKE_CURRENT_LIST_DIR}/fuzz)
  add_library(zrt_hostile STATIC
    ${dir}/HostileInput.cpp
    ${dir}/Mutation.cpp
    ${dir}/PcFileHostile.cpp
    ${dir}/ProfileHostile.cpp
    ${dir}/ListAndDescrHostile.cpp
    ${dir}/HostHostile.cpp
    ${CMAKE_SOURCE_DIR}/pcfile/NumberText.cpp
    ${CMAKE_SOURCE_DIR}/common/profile/tests/ProfileTestSupport.cpp)
  target_include_directories(zrt_hostile PUBLIC ${dir}
    PRIVATE ${CMAKE_SOURCE_DIR}/pcfile ${CMAKE_SOURCE_DIR}/common/profile/tests ${CMAKE_SOURCE_DIR}/hllapi/tests)
  target_link_libraries(zrt_hostile PUBLIC zrt_testing PRIVATE hllapi_host_bench zrt_descrfile)
  add_dependencies(zrt_hostile Zrtpcfile)
  # The profile messages take their texts from the program's own string table.
  zrt_add_test(testing_hostile_input
    SOURCES ${dir}/HostileInputTests.cpp ${CMAKE_SOURCE_DIR}/common/profile/tests/ProfileDeskStrings.rc
    LIBS zrt_hostile TIMEOUT 900)
endif()
