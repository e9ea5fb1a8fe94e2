# Helpers for the manager's tests and for every test that drives the manager: the notification recorder, the
# scripted fake data source (one library, copied in under the names a test needs), its folder, and the test bed
# that creates Zrtmgr over the fake caller tables.
target_sources(zrt_testing PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/NotificationRecorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FakeSourceFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ManagerTestBed.cpp)

add_library(ZrtFakeSource SHARED
  ${CMAKE_CURRENT_LIST_DIR}/fakesource/FakeSource.def
  ${CMAKE_CURRENT_LIST_DIR}/fakesource/FakeSourceMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fakesource/FakeDataSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fakesource/FakeScenario.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fakesource/FakeCallLog.cpp)
target_link_libraries(ZrtFakeSource PRIVATE zrt_contracts zrt_handles)

add_library(ZrtFakeNoFactory SHARED ${CMAKE_CURRENT_LIST_DIR}/fakesource/NoFactory.cpp)
add_dependencies(zrt_testing ZrtFakeSource ZrtFakeNoFactory)
