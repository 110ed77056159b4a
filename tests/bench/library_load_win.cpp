// How long loading a DLL takes in a fresh process: the whole LoadLibraryW, or with --map-only the
// mapping of its image alone (imports neither loaded nor initialised). Each run measures one load,
// as the program's start does; run it a few times for the spread.
//
//   library_load [--map-only] DLL
#include <cstdio>
#include <string>

#include "base/win32_win.h"

namespace {

double milliseconds_now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool map_only = argc == 3 && std::wstring(argv[1]) == L"--map-only";
    if (argc != 2 && !map_only) {
        std::fprintf(stderr, "usage: library_load [--map-only] DLL\n");
        return 2;
    }
    const wchar_t* path = argv[argc - 1];
    const double start = milliseconds_now();
    const HMODULE module = LoadLibraryExW(path, nullptr, map_only ? DONT_RESOLVE_DLL_REFERENCES : 0);
    const double elapsed = milliseconds_now() - start;
    if (!module) {
        std::fprintf(stderr, "library_load: cannot load the DLL (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("%s %.1f ms\n", map_only ? "mapped in" : "loaded in", elapsed);
    return 0;
}
