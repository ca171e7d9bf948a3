# 32-bit Windows build with mingw-w64: the shipped programs.
# The win32 thread model needs no threading runtime: the posix one links
# winpthread statically, which imports functions Windows 98 and NT 4 lack
# (GetTickCount64, AddVectoredExceptionHandler, ...). Its libstdc++ has no
# std::mutex or std::thread, which the programs do not use. The suffix is
# named because the unsuffixed compiler follows the system's alternatives.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(LV_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${LV_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${LV_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${LV_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LV_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No mingw DLL may be needed beside the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
