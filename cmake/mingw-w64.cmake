# Cross build for 64-bit Windows with Debian's MinGW-w64 (POSIX thread model, so std::thread and
# std::mutex work). Everything is linked statically, so the test programs run under Wine without the
# compiler's DLLs beside them; mingw-w64-shared.cmake links the compiler's runtime as DLLs instead.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(EAW_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${EAW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EAW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${EAW_MINGW_TRIPLE}-windres)
set(CMAKE_AR /usr/bin/${EAW_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${EAW_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# Roots given on the command line (the cross-built Qt and libraries) are searched besides the compiler's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${EAW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT EAW_MINGW_SHARED)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
