# 32-bit Windows build with mingw-w64 (posix thread model: GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(LV_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${LV_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LV_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LV_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LV_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No mingw DLL may be needed beside the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
