# The data-source driver: loads a data-source library by name and drives it through its table as the manager does,
# against an in-memory host side, with transfers written as data.
set(dir ${CMAKE_CURRENT_LIST_DIR}/dsdriver)
target_sources(zrt_testing PRIVATE
  ${dir}/DataSourceDriver.cpp
  ${dir}/HostRecords.cpp
  ${dir}/LockedFile.cpp
  ${dir}/TransferCase.cpp
  ${dir}/TransferRunner.cpp)
target_include_directories(zrt_testing PUBLIC ${dir})
target_link_libraries(zrt_testing PUBLIC zrt_datasource)

# Holds a file open without sharing until told to let go: a second process for the tests of locked files.
add_executable(zrt_file_holder ${dir}/FileHolder.cpp)
target_link_libraries(zrt_file_holder PRIVATE zrt_handles)
add_dependencies(zrt_testing zrt_file_holder)
