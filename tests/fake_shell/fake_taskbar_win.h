// The taskbar object (ITaskbarList3) as a recording fake, for the fake shell DLL that the system
// tests register in place of Wine's and for the Windows tests that hand it to the program
// directly. Each call the program makes with something to check becomes one record of fields:
//   HrInit
//   SetProgressState  flags            SetProgressValue  completed  total
//   ThumbBarAddButtons|ThumbBarUpdateButtons  id  flags  tooltip  icon   (one record per button)
//       icon: WxH:S:M, S the sum of the alpha channel and M its moment across (so two icons can be
//       told apart), or none
// What becomes of a record, and of the object when its last reference goes, is the owner's choice.
#pragma once

#include "base/com_win.h"

#include <shobjidl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace fake_shell {

inline std::string utf8(const wchar_t* text) {
    if (!text) return "(null)";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string out(static_cast<size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

inline std::string icon_signature(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return "none";
    std::string signature = "none";
    BITMAP bitmap{};
    if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = bitmap.bmWidth;
        format.bmiHeader.biHeight = -bitmap.bmHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * static_cast<size_t>(bitmap.bmHeight));
        const HDC dc = GetDC(nullptr);
        GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        // The alpha's sum and its first moment across: mirror images differ in the second.
        uint64_t sum = 0;
        uint64_t moment = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            sum += pixels[i] >> 24;
            moment += (pixels[i] >> 24) * (i % static_cast<size_t>(bitmap.bmWidth));
        }
        signature = std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight) + ":" + std::to_string(sum) +
                    ":" + std::to_string(moment);
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return signature;
}

class FakeTaskbar : public ComObject<FakeTaskbar, ITaskbarList3> {
public:
    using Fields = std::vector<std::string>;

    static ComTable<FakeTaskbar> com_interfaces() {
        static const ComInterface<FakeTaskbar> table[] = {
            {&IID_ITaskbarList3, com_pointer<FakeTaskbar, ITaskbarList3>},
            {&IID_ITaskbarList2, com_pointer<FakeTaskbar, ITaskbarList3>},
            {&IID_ITaskbarList, com_pointer<FakeTaskbar, ITaskbarList3>},
        };
        return com_table(table);
    }
    void last_release() { released(); }

    HRESULT STDMETHODCALLTYPE HrInit() override {
        record({"HrInit"});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AddTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeleteTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ActivateTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE MarkFullscreenWindow(HWND, WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetProgressValue(HWND, ULONGLONG completed, ULONGLONG total) override {
        record({"SetProgressValue", std::to_string(completed), std::to_string(total)});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetProgressState(HWND, TBPFLAG flags) override {
        record({"SetProgressState", std::to_string(static_cast<int>(flags))});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RegisterTab(HWND, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UnregisterTab(HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTabOrder(HWND, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTabActive(HWND, HWND, DWORD) override { return S_OK; }
    // As the shell's: a window's toolbar is added once (a second add is refused, unrecorded) and then
    // only updated.
    HRESULT STDMETHODCALLTYPE ThumbBarAddButtons(HWND window, UINT count, LPTHUMBBUTTON buttons) override {
        if (std::find(toolbars_.begin(), toolbars_.end(), window) != toolbars_.end()) return E_INVALIDARG;
        const HRESULT result = record_buttons("ThumbBarAddButtons", count, buttons);
        if (SUCCEEDED(result)) toolbars_.push_back(window);
        return result;
    }
    HRESULT STDMETHODCALLTYPE ThumbBarUpdateButtons(HWND, UINT count, LPTHUMBBUTTON buttons) override {
        return record_buttons("ThumbBarUpdateButtons", count, buttons);
    }
    HRESULT STDMETHODCALLTYPE ThumbBarSetImageList(HWND, HIMAGELIST) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetOverlayIcon(HWND, HICON, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetThumbnailClip(HWND, RECT*) override { return S_OK; }

protected:
    virtual void record(const Fields& fields) = 0;
    // The last reference went; an object on the heap deletes itself here.
    virtual void released() = 0;

private:
    std::vector<HWND> toolbars_;  // the windows whose toolbar was added

    // Windows takes at most seven buttons.
    HRESULT record_buttons(const char* name, UINT count, LPTHUMBBUTTON buttons) {
        if (count == 0 || count > 7 || !buttons) return E_INVALIDARG;
        for (UINT i = 0; i < count; ++i)
            record({name, std::to_string(buttons[i].iId), std::to_string(static_cast<int>(buttons[i].dwFlags)),
                    utf8(buttons[i].szTip), icon_signature(buttons[i].hIcon)});
        return S_OK;
    }
};

}  // namespace fake_shell
