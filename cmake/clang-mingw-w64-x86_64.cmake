# The Windows program built with Debian's clang instead of GCC, against the same mingw-w64 headers and
# libraries, so that code only GCC accepts is caught on this machine before a Visual Studio user
# finds it. clang 14 does not find mingw's libstdc++ on its own: it is told GCC's C++ headers and the
# library folder of the posix thread model, the one cmake/mingw-w64-x86_64.cmake builds with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# GCC's folder of the posix thread model, e.g. /usr/lib/gcc/x86_64-w64-mingw32/12-posix, asked of GCC
# itself so that a newer mingw-w64 package needs no edit here.
execute_process(COMMAND x86_64-w64-mingw32-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE tarnwick_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(tarnwick_gcc_dir "${tarnwick_libgcc}" DIRECTORY)
set(tarnwick_cxx_headers "${tarnwick_gcc_dir}/include/c++")
if(NOT EXISTS "${tarnwick_cxx_headers}/x86_64-w64-mingw32/bits/c++config.h")
  message(FATAL_ERROR "No libstdc++ headers of mingw-w64's GCC in ${tarnwick_cxx_headers}")
endif()

# Compile only: clang's own search list for this target holds no C++ library headers.
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES "${tarnwick_cxx_headers}" "${tarnwick_cxx_headers}/x86_64-w64-mingw32"
                                           "${tarnwick_cxx_headers}/backward")
# -pthread puts winpthreads inside the static link's group, after libstdc++ and libgcc_eh that need it.
# ld then says "duplicate section ... has different size" for a few of the standard library's type
# names and type infos: GCC pads them to 16 bytes and clang does not; the bytes are the same and ld
# keeps one copy.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -pthread -L${tarnwick_gcc_dir}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -pthread -L${tarnwick_gcc_dir}")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
