# Every Windows binary of the build runs under Wine with a prefix inside the build tree.
set(ZRT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
find_program(ZRT_WINE wine REQUIRED)
set(ZRT_WINE_ENV
  WINEPREFIX=${ZRT_WINEPREFIX}
  WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml="
  WINEARCH=win64)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${ZRT_WINE_ENV} ${ZRT_WINE})
# tools/ scripts read the prefix from here.
file(WRITE ${CMAKE_BINARY_DIR}/wineprefix.path "${ZRT_WINEPREFIX}\n")
