# The 32-bit Windows program, what ships; tests run through the 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
find_program(ACORDINA_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
