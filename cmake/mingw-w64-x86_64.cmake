# Cross build for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64).
# The -posix compilers carry std::thread and std::mutex; the program links everything statically,
# so the screen saver needs no DLL beyond those Windows itself ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HQ_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HQ_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HQ_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${HQ_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HQ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

