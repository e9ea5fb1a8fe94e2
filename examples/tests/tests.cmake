# Tests of the demo: its profiles against the profile model, and the demo itself run end to end.
set(dir ${CMAKE_CURRENT_LIST_DIR})
zrt_add_test(examples_profiles_tests
  SOURCES ${dir}/DemoProfilesTests.cpp ${CMAKE_SOURCE_DIR}/common/profile/tests/ProfileBatchStrings.rc
  LIBS zrt_profile)
target_compile_definitions(examples_profiles_tests PRIVATE ZRT_EXAMPLES_DIR="${CMAKE_CURRENT_SOURCE_DIR}")

# The demo script under the Wine session of tools/test (WINEPREFIX and DISPLAY come from there); its windows must
# not meet another test's, and no test may take the automation server's registration away meanwhile.
add_test(NAME examples_demo
  COMMAND bash ${dir}/check_demo ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(examples_demo PROPERTIES TIMEOUT 120 RESOURCE_LOCK "desktop;xlserver_registration")
