# Profile model: profile files, request parts and the caller tables.
target_sources(zrt_common PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ZRIniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRKeywords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZROwnedText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfileContext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfileEntries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfileGroups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfileHllAPI.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfileListFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRRequestPart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRPcRequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRHostRequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRHostRequestAs400.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRHostRequestS36.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZRProfileCallbacks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZROptionCallbacks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZREnvironmentCallbacks.cpp
)

zrt_add_test(common_profile_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileFileTests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/RequestPartTests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ImportTests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/CallerTablesTests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileListFileTests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileDeskStrings.rc
  LIBS zrt_testing)
# The same messages from a program with Zrtbatch's string table.
zrt_add_test(common_profile_batch_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileBatchTests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileBatchStrings.rc
  LIBS zrt_testing)
