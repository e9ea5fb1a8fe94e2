# The stand-in automation server's registration and trace, for the tests of the Excel data source and the server.
target_sources(zrt_testing PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AutomationServer.cpp)
if(TARGET XlServer)
  add_dependencies(zrt_testing XlServer)
endif()
