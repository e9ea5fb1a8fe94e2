# The stand-in's own tests: its workbook files, and its objects as a client of IDispatch sees them.
zrt_add_test(xlserver_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WorkbookFileTests.cpp ${CMAKE_CURRENT_LIST_DIR}/AutomationTests.cpp
  LIBS xlserver_book zrt_testing ole32 oleaut32)
add_dependencies(xlserver_tests XlServer)
set_tests_properties(xlserver_tests PROPERTIES RESOURCE_LOCK xlserver_registration)
