#include "loader_win.h"

#include <vector>

#include "../main/language.h"
#include "../main/wide_win.h"
#include "../main/win32_win.h"

namespace {

constexpr Text kCannotLoad{"Cannot load ", "Impossible de charger "};
constexpr Text kFunctionMissing{"Function missing from libmpv: ", "Fonction absente de libmpv : "};
constexpr Text kCreateFailed{"mpv_create failed", "mpv_create a \xC3\xA9" "chou\xC3\xA9"};

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

std::variant<Core, std::string> load_core() {
    const std::string path = library_path(executable_path());
    // The library is never unloaded: the handle lives as long as the process.
    const HMODULE library = LoadLibraryW(wide(path).c_str());
    if (!library) return std::string(pick(kCannotLoad)) + path;

    Core core;
#define TARNWICK_RESOLVE(name) \
    if (!resolve(library, #name, core.api.name)) return std::string(pick(kFunctionMissing)) + #name;
    TARNWICK_MPV_ENTRY_POINTS(TARNWICK_RESOLVE)
#undef TARNWICK_RESOLVE

    core.handle = core.api.mpv_create();
    if (!core.handle) return std::string(pick(kCreateFailed));
    return core;
}
