# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads); tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# GCC 12 reports false -Wrestrict overlaps inside std::string at -O3 (GCC bug 105651), and false
# -Wmaybe-uninitialized on the destructors of local arrays of structs holding vectors.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict -Wno-maybe-uninitialized")

# Static executables need no DLLs beside them under Wine or on a user's PC.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(TAVREL_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT TAVREL_WINE64)
    find_program(TAVREL_WINE64 NAMES wine64 wine)
endif()
if(TAVREL_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVREL_WINE64})
endif()
