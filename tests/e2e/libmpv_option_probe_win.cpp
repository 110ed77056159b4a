// Asks a libmpv-2.dll whether it takes one option: creates a handle, calls mpv_set_option_string
// and prints the status it returns (0 when the option and value exist in this build). The
// end-to-end test uses it to see that the DLL has the renderer the program asks for on Windows.
//
// Usage: libmpv_option_probe.exe DLL NAME VALUE   (exit code 0 when the question was asked)
#include <windows.h>

#include <mpv/client.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminator counted by size
    return out;
}

template <typename Function>
Function entry(HMODULE dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputs("usage: libmpv_option_probe DLL NAME VALUE\n", stderr);
        return 2;
    }
    const HMODULE dll = LoadLibraryW(argv[1]);
    if (!dll) {
        std::fprintf(stderr, "cannot load the DLL (error %lu)\n", GetLastError());
        return 1;
    }
    const auto create = entry<decltype(&mpv_create)>(dll, "mpv_create");
    const auto set_option = entry<decltype(&mpv_set_option_string)>(dll, "mpv_set_option_string");
    const auto destroy = entry<decltype(&mpv_terminate_destroy)>(dll, "mpv_terminate_destroy");
    if (!create || !set_option || !destroy) {
        std::fputs("the DLL lacks mpv_create, mpv_set_option_string or mpv_terminate_destroy\n", stderr);
        return 1;
    }
    mpv_handle* handle = create();
    if (!handle) {
        std::fputs("mpv_create returned null\n", stderr);
        return 1;
    }
    const int status = set_option(handle, utf8(argv[2]).c_str(), utf8(argv[3]).c_str());
    destroy(handle);
    std::printf("%d\n", status);
    return 0;
}
