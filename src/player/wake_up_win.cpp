#include "player/wake_up_win.h"

std::atomic<bool> g_wake_up_pending{false};

void wake_up(void* data) {
    if (!g_wake_up_pending.exchange(true)) PostMessageW(static_cast<HWND>(data), kMsgCoreWakeUp, 0, 0);
}
