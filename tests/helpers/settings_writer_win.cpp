// Saves settings.ini in a loop with the program's own save, for the kill test: step after step from
// the first argument on, setting the event named by the second argument after the first save. With a
// third argument "once" it saves one step and exits.
#include <cstdlib>
#include <string>

#include "app/settings/settings_win.h"
#include "base/win32_win.h"
#include "system/settings_series.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    uint64_t step = std::wcstoull(argv[1], nullptr, 10);
    save_settings(settings_step(step));
    if (argc > 3 && std::wstring(argv[3]) == L"once") return 0;
    if (const HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2])) SetEvent(started);
    for (;;) save_settings(settings_step(++step));
}
