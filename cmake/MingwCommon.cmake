# Shared part of the mingw-w64 toolchain files; GRAVELO_MINGW_TRIPLE names
# the target (i686-w64-mingw32 or x86_64-w64-mingw32).
find_program(CMAKE_C_COMPILER NAMES ${GRAVELO_MINGW_TRIPLE}-gcc-posix ${GRAVELO_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${GRAVELO_MINGW_TRIPLE}-g++-posix ${GRAVELO_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${GRAVELO_MINGW_TRIPLE}-windres REQUIRED)
find_program(GRAVELO_OBJDUMP NAMES ${GRAVELO_MINGW_TRIPLE}-objdump)
find_program(GRAVELO_NM NAMES ${GRAVELO_MINGW_TRIPLE}-nm)

set(CMAKE_FIND_ROOT_PATH /usr/${GRAVELO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything the compiler brings (libgcc, libstdc++, winpthread) is linked
# in, so the DLL and the test host need only Windows' own libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
