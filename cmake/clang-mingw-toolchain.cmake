# Cross-build for Windows with Debian's clang and lld over the mingw-w64 headers,
# libraries and GCC's libstdc++ (posix thread model): a second compiler's opinion of
# the same sources. TINTLET_ARCH picks the target, i686 by default.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT TINTLET_ARCH)
  set(TINTLET_ARCH i686)
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TINTLET_ARCH)
set(CMAKE_SYSTEM_PROCESSOR ${TINTLET_ARCH})
set(_triple ${TINTLET_ARCH}-w64-mingw32)
set(_sysroot /usr/${_triple})
# GCC's version folder, e.g. 12-posix: its C++ headers and static runtimes.
file(GLOB _gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${_triple}/*-posix)
if(NOT _gcc_dirs)
  message(FATAL_ERROR "No /usr/lib/gcc/${_triple}/*-posix: clang needs GCC's C++ library (scripts/setup.sh installs it)")
endif()
list(GET _gcc_dirs 0 _gcc)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${_triple})
set(CMAKE_CXX_COMPILER_TARGET ${_triple})
set(CMAKE_SYSROOT ${_sysroot})
set(CMAKE_RC_COMPILER ${_triple}-windres)
# Under the sysroot clang finds the C headers but not GCC's C++ headers.
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${_gcc}/include/c++ ${_gcc}/include/c++/${_triple} ${_gcc}/include/c++/backward)
# clang's MinGW driver links like GCC's, except that winpthreads (which libgcc's
# thread-local emulation and std::thread need) is only added by GCC's posix specs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${_gcc} -lpthread")
set(CMAKE_FIND_ROOT_PATH ${_sysroot})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec i686)
