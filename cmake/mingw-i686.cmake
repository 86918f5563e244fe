# Cross-compiles for 32-bit Windows with Debian's MinGW-w64 (posix threads: GoogleTest needs std::mutex).
# mingw-x86_64.cmake sets MINGW_TARGET first to build the same sources for 64-bit Windows.
if(NOT MINGW_TARGET)
  set(MINGW_TARGET i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_TARGET})
set(CMAKE_C_COMPILER ${MINGW_TARGET}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TARGET}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TARGET}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TARGET}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
