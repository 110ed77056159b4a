// The GDI owners: each gives back exactly what it took, into the DC it took it from.
#include "base/gdi_win.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace {

static_assert(!std::is_copy_constructible_v<OwnedBrush> && !std::is_copy_assignable_v<OwnedBrush>);
static_assert(std::is_nothrow_move_constructible_v<OwnedBrush>);
static_assert(!std::is_copy_constructible_v<SelectGuard> && !std::is_move_constructible_v<SelectGuard>);
static_assert(!std::is_copy_constructible_v<MemoryCanvas> && !std::is_move_constructible_v<MemoryCanvas>);
static_assert(!std::is_copy_constructible_v<PaintScope>);

TEST(Gdi, OwnedObjectIsDeletedOnceByItsLastOwner) {
    HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
    {
        OwnedBrush first(raw);
        OwnedBrush second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
        OwnedBrush third;
        third = std::move(second);
        EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(GetObjectType(raw), 0u);

    HBRUSH replaced = CreateSolidBrush(RGB(4, 5, 6));
    OwnedBrush owner(replaced);
    owner.reset(CreateSolidBrush(RGB(7, 8, 9)));
    EXPECT_EQ(GetObjectType(replaced), 0u);
}

TEST(Gdi, SelectGuardRestoresIntoTheSameDc) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    const OwnedFont font(CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    {
        const SelectGuard guard(dc, font.get());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font.get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    {
        const SelectGuard nothing(dc, nullptr);  // a missing font selects nothing and restores nothing
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    }
    DeleteDC(dc);
}

TEST(Gdi, MemoryCanvasIsAtLeastOnePixelAndCleansUp) {
    const HDC screen = GetDC(nullptr);
    HDC inner = nullptr;
    HGDIOBJ bitmap = nullptr;
    {
        const MemoryCanvas canvas(screen, 0, 0);
        ASSERT_TRUE(canvas.ok());
        inner = canvas.dc();
        bitmap = GetCurrentObject(inner, OBJ_BITMAP);
        BITMAP info{};
        ASSERT_TRUE(GetObjectW(bitmap, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, 1);
        EXPECT_EQ(info.bmHeight, 1);
    }
    EXPECT_EQ(GetObjectType(inner), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);

    const MemoryCanvas canvas(screen, 30, 20);
    fill_solid(canvas.dc(), RECT{0, 0, 30, 20}, RGB(10, 20, 30));
    fill_round_rect(canvas.dc(), RECT{5, 5, 26, 16}, 4, RGB(200, 100, 50));
    fill_ellipse(canvas.dc(), RECT{0, 0, 3, 3}, RGB(1, 1, 1));
    EXPECT_EQ(GetPixel(canvas.dc(), 15, 10), RGB(200, 100, 50));
    EXPECT_EQ(GetPixel(canvas.dc(), 28, 18), RGB(10, 20, 30));
    const MemoryCanvas target(screen, 30, 20);
    canvas.copy_to(target.dc(), 30, 20);
    EXPECT_EQ(GetPixel(target.dc(), 15, 10), RGB(200, 100, 50));
    // The helpers leave the DC's own brush and pen selected.
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    ReleaseDC(nullptr, screen);
}

TEST(Gdi, KeptCanvasIsMadeAgainOnlyWhenTheSizeChanges) {
    const HDC screen = GetDC(nullptr);
    KeptCanvas kept;
    struct Step {
        int width, height;
        bool new_bitmap;
    };
    HGDIOBJ previous = nullptr;
    for (const Step step : {Step{30, 20, true}, Step{30, 20, false}, Step{40, 20, true}, Step{40, 24, true},
                            Step{40, 24, false}}) {
        SCOPED_TRACE(std::to_string(step.width) + "x" + std::to_string(step.height));
        const MemoryCanvas* canvas = kept.sized(screen, step.width, step.height);
        ASSERT_NE(canvas, nullptr);
        const HGDIOBJ bitmap = GetCurrentObject(canvas->dc(), OBJ_BITMAP);
        BITMAP info{};
        ASSERT_TRUE(GetObjectW(bitmap, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, step.width);
        EXPECT_EQ(info.bmHeight, step.height);
        EXPECT_EQ(bitmap != previous, step.new_bitmap);
        if (step.new_bitmap && previous) {
            EXPECT_EQ(GetObjectType(previous), 0u);  // the old one is gone
        }
        previous = bitmap;
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace
