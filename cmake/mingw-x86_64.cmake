# The same sources for 64-bit Windows: only for running the tests where the machine's kernel
# runs no 32-bit programs, and so no 32-bit Wine. What ships is the 32-bit program.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
find_program(ACORDINA_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
