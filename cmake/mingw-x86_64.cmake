# Cross build of the Windows plug-in with Debian's mingw-w64 (x86_64, posix
# threads: the editor's sleep goes through std::this_thread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GRAVELO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCommon.cmake)
