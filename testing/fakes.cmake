# Fake caller tables over an in-memory profile, for the tests of the data sources and the manager.
target_sources(zrt_testing PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FakeCallerTables.cpp)

zrt_add_test(testing_fakes_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/FakeCallerTablesTests.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/FakesTests.rc
  LIBS zrt_testing)
