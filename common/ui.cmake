# Shared user-interface services of both programs: messages and questions, the image-list control and the About box.
set(dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(zrt_common PRIVATE
  ${dir}/AboutDlg.cpp
  ${dir}/ImageListCtrl.cpp
  ${dir}/ModulesListCtrl.cpp
  ${dir}/ZRMessages.cpp)
target_link_libraries(zrt_common PUBLIC zrt_framework)

# A resource-only library with other texts under the same ids, standing for a language library.
add_library(ZrtUiTestLanguage SHARED ${dir}/tests/UiTestLanguage.rc ${dir}/tests/UiTestLanguage.cpp)
set_target_properties(ZrtUiTestLanguage PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

zrt_add_test(common_ui_tests
  SOURCES
    ${dir}/tests/AboutDlgTests.cpp
    ${dir}/tests/ImageListCtrlTests.cpp
    ${dir}/tests/MessagesTests.cpp
    ${dir}/tests/UiTests.rc
  LIBS zrt_testing
  GUI)
add_dependencies(common_ui_tests ZrtUiTestLanguage)
target_compile_definitions(common_ui_tests PRIVATE
  ZRT_UI_TEST_LANGUAGE="$<TARGET_FILE:ZrtUiTestLanguage>")
