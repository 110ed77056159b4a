#include "player/loader_win.h"

#include <vector>

#include "base/dll_functions_win.h"
#include "base/wide_win.h"
#include "base/win32_win.h"

namespace {

std::string executable_path() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return narrow(std::wstring_view(buffer.data(), length));
}

DWORD WINAPI destroy_on_own_thread(void* parameter) {
    const Core* core = static_cast<const Core*>(parameter);
    core->api.mpv_terminate_destroy(core->handle);
    delete core;
    return 0;
}

}  // namespace

std::string library_path(const std::string& exe) {
    const size_t separator = exe.find_last_of("\\/");
    if (separator == std::string::npos) return "libmpv-2.dll";
    return exe.substr(0, separator) + "\\libmpv-2.dll";
}

std::variant<MpvApi, LoadFailure> load_library() {
    const std::string path = library_path(executable_path());
    // The library is never unloaded: the handle lives as long as the process.
    const HMODULE library = LoadLibraryW(wide(path).c_str());
    if (!library) return LoadFailure{LoadStep::load_library, path};

    // The first missing entry point stops the lookup and is the one named.
    MpvApi api;
#define TARNWICK_RESOLVE(name) \
    if (!resolve_function(library, #name, api.name)) return LoadFailure{LoadStep::resolve, #name};
    TARNWICK_MPV_ENTRY_POINTS(TARNWICK_RESOLVE)
#undef TARNWICK_RESOLVE
    // Optional as a whole: one missing leaves none, so a half render API is never called.
    bool render_complete = true;
#define TARNWICK_RESOLVE_RENDER(name) \
    render_complete = resolve_function(library, #name, api.render.name) && render_complete;
    TARNWICK_MPV_RENDER_ENTRY_POINTS(TARNWICK_RESOLVE_RENDER)
#undef TARNWICK_RESOLVE_RENDER
    if (!render_complete) api.render = MpvRenderApi{};
    return api;
}

std::variant<Core, LoadFailure> create_core(const MpvApi& api) {
    Core core;
    core.api = api;
    core.handle = api.mpv_create();
    if (!core.handle) return LoadFailure{LoadStep::create, {}};
    return core;
}

std::variant<Core, LoadFailure> load_core() {
    auto loaded = load_library();
    if (const auto* failure = std::get_if<LoadFailure>(&loaded)) return *failure;
    return create_core(std::get<MpvApi>(loaded));
}

bool destroy_core(const Core& core, unsigned long wait_ms) {
    // The thread owns its copy: after a wait that gave up it still reads it.
    auto* owned = new Core(core);
    const HANDLE thread = CreateThread(nullptr, 0, destroy_on_own_thread, owned, 0, nullptr);
    if (!thread) {
        destroy_on_own_thread(owned);
        return true;
    }
    const ULONGLONG deadline = GetTickCount64() + wait_ms;
    bool ended = false;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        const DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
        if (woke != WAIT_OBJECT_0 + 1) break;  // the wait is over, or failed
        // Delivers the messages sent to this thread's windows and leaves the posted ones queued.
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread);
    return ended;
}
