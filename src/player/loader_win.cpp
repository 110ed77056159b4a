#include "player/loader_win.h"

#include <vector>

#include "base/wide_win.h"
#include "base/win32_win.h"

namespace {

std::string executable_path() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return narrow(std::wstring_view(buffer.data(), length));
}

// Resolves one entry point by name into the matching member of the table.
template <typename Fn>
bool resolve(HMODULE library, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return slot != nullptr;
}

}  // namespace

std::string library_path(const std::string& exe) {
    const size_t separator = exe.find_last_of("\\/");
    if (separator == std::string::npos) return "libmpv-2.dll";
    return exe.substr(0, separator) + "\\libmpv-2.dll";
}

std::variant<Core, LoadFailure> load_core() {
    const std::string path = library_path(executable_path());
    // The library is never unloaded: the handle lives as long as the process.
    const HMODULE library = LoadLibraryW(wide(path).c_str());
    if (!library) return LoadFailure{LoadStep::load_library, path};

    Core core;
#define TARNWICK_RESOLVE(name) \
    if (!resolve(library, #name, core.api.name)) return LoadFailure{LoadStep::resolve, #name};
    TARNWICK_MPV_ENTRY_POINTS(TARNWICK_RESOLVE)
#undef TARNWICK_RESOLVE

    core.handle = core.api.mpv_create();
    if (!core.handle) return LoadFailure{LoadStep::create, {}};
    return core;
}
