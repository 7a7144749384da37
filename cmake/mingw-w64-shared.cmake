# The Windows cross build of Qt and of the programs that load it: one C++ runtime (libstdc++-6.dll and
# its companions, shipped beside the programs) shared by the programs and the Qt DLLs, so objects and
# exceptions may cross between them.
set(EAW_MINGW_SHARED ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
