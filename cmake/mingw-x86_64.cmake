# The same build for 64-bit Windows. The saver ships as the 32-bit build; this one lets the test
# suite run under Wine on a machine whose kernel cannot run 32-bit programs (scripts/configure).
set(MINGW_TARGET x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
