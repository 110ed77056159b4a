// The COM base: QueryInterface answers from the object's table and nothing else, with one identity,
// and the last Release runs the object's own end.
#include "base/com_win.h"

#include <gtest/gtest.h>

#include <oleidl.h>

namespace {

// Answers IDropTarget always and IOleWindow only while `window_open`; counts its ends.
class Probe final : public ComObject<Probe, IDropTarget, IOleWindow> {
public:
    bool window_open = false;
    int ends = 0;

    static ComTable<Probe> com_interfaces() {
        static const ComInterface<Probe> table[] = {
            {&IID_IDropTarget, com_pointer<Probe, IDropTarget>},
            {&IID_IOleWindow, com_pointer<Probe, IOleWindow>, [](const Probe& p) { return p.window_open; }},
        };
        return com_table(table);
    }
    void last_release() { ++ends; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
};

TEST(ComObject, AnswersFromItsTableWithOneIdentity) {
    Probe probe;
    IUnknown* const identity = static_cast<IDropTarget*>(&probe);
    const struct {
        const IID* iid;
        bool window_open;
        void* expected;
    } cases[] = {
        {&IID_IUnknown, false, identity},
        {&IID_IDropTarget, false, identity},
        {&IID_IOleWindow, false, nullptr},
        {&IID_IOleWindow, true, static_cast<IOleWindow*>(&probe)},
        {&IID_IDataObject, true, nullptr},
    };
    for (const auto& c : cases) {
        probe.window_open = c.window_open;
        void* out = &probe;
        EXPECT_EQ(probe.QueryInterface(*c.iid, &out), c.expected ? S_OK : E_NOINTERFACE);
        EXPECT_EQ(out, c.expected);
        EXPECT_EQ(probe.references(), c.expected ? 2u : 1u);
        if (out) static_cast<IUnknown*>(out)->Release();
    }
    EXPECT_EQ(probe.ends, 0);
    static_cast<IDropTarget&>(probe).Release();
    EXPECT_EQ(probe.ends, 1);
}

}  // namespace
