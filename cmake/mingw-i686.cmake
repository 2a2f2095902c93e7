# Cross build of the Windows plug-in with Debian's mingw-w64 (i686, posix
# threads: the editor's sleep goes through std::this_thread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(GRAVELO_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCommon.cmake)

# SSE2 arithmetic, not the x87 unit: doubles round exactly as on x86-64 (the
# audio then matches the other builds), and the DSP's 128-bit vector pairs
# keep their register ABI.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
