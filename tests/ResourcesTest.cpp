// The program file carries its icons, the button glyphs at every scale and the manifest at the
// promised sizes, and the system loads each icon size from its own image.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"
#include "tests/support/Driver.h"
#include "ui/Controls.h"
#include "win/GdiGuards.h"
#include "win/UniqueHandle.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

constexpr int kIconSides[] = {16, 20, 24, 32, 40, 48, 64, 256};
const char* const kIcons[] = {QUORVIN_MAINICON, QUORVIN_ABOUTICON};

BOOL CALLBACK CountResource(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<std::size_t*>(count);
    return TRUE;
}

// The pixels an icon leaves when drawn at its side on black.
std::vector<DWORD> Drawn(HICON icon, int side) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    win::UniqueHbitmap canvas(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!icon || !canvas) return {};
    win::SelectedObject selected(dc.get(), canvas.get());
    if (!DrawIconEx(dc.get(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL)) return {};
    auto* pixels = static_cast<const DWORD*>(bits);
    return std::vector<DWORD>(pixels, pixels + side * side);
}

class ProgramResources : public ::testing::Test {
  protected:
    void SetUp() override {
        program.reset(LoadLibraryExA((support::ExeDir() + "\\Quorvin.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        module = program.get();
        ASSERT_NE(module, nullptr);
    }

    const void* Resource(const char* name, LPCSTR type, DWORD* size = nullptr) const {
        HRSRC info = FindResourceA(module, name, type);
        if (!info) return nullptr;
        if (size) *size = SizeofResource(module, info);
        return LockResource(LoadResource(module, info));
    }

    // Width, height and depth of a bitmap resource, read from its header.
    BITMAPINFOHEADER Bitmap(const char* name) const {
        auto* header = static_cast<const BITMAPINFOHEADER*>(Resource(name, RT_BITMAP));
        return header ? *header : BITMAPINFOHEADER{};
    }

    // An icon's images by side; a side of 256 is stored as 0.
    std::map<int, GroupIconEntry> IconGroup(const char* name) const {
        std::map<int, GroupIconEntry> images;
        auto* group = static_cast<const GroupIconHeader*>(Resource(name, RT_GROUP_ICON));
        for (int i = 0; group && i < group->count; ++i)
            images[group->entries[i].width ? group->entries[i].width : 256] = group->entries[i];
        return images;
    }

    // One icon image as its own icon, unscaled.
    win::UniqueHicon IconImage(WORD id, int side) const {
        DWORD size = 0;
        auto* data = static_cast<const BYTE*>(Resource(MAKEINTRESOURCEA(id), RT_ICON, &size));
        if (!data) return {};
        return win::UniqueHicon(CreateIconFromResourceEx(const_cast<BYTE*>(data), size, TRUE,
                                                         0x00030000, side, side, 0));
    }

    win::UniqueHmodule program;
    HMODULE module = nullptr;
};

TEST_F(ProgramResources, IconsHaveEverySideAPngAt256AndTheir96DpiImages) {
    for (const char* name : kIcons) {
        auto images = IconGroup(name);
        EXPECT_EQ(images.size(), std::size(kIconSides)) << name;
        for (int side : kIconSides) EXPECT_EQ(images.count(side), 1u) << name << " " << side;
        DWORD size = 0;
        auto* png = Resource(MAKEINTRESOURCEA(images[256].id), RT_ICON, &size);
        ASSERT_GE(size, 8u) << name;
        EXPECT_EQ(std::memcmp(png, "\x89PNG\r\n\x1a\n", 8), 0) << name;
    }
    // What 96 DPI shows: the main icon's 32 x 32 in 256 colours, the About box's in true colour.
    EXPECT_EQ(IconGroup(QUORVIN_MAINICON)[32].bitCount, 8);
    auto about = IconGroup(QUORVIN_ABOUTICON);
    EXPECT_EQ(about[16].bitCount, 24);
    EXPECT_EQ(about[32].bitCount, 24);
}

TEST_F(ProgramResources, EachIconSideLoadsItsOwnImage) {
    win::UniqueHmodule comctl(LoadLibraryA("comctl32.dll"));
    using LoadScaledDown = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    auto loadScaledDown = reinterpret_cast<LoadScaledDown>(
        reinterpret_cast<void*>(GetProcAddress(comctl.get(), "LoadIconWithScaleDown")));
    ASSERT_NE(loadScaledDown, nullptr);
    for (const char* name : kIcons) {
        const std::wstring wideName(name, name + std::strlen(name));
        auto images = IconGroup(name);
        for (int side : kIconSides) {
            const auto own = Drawn(IconImage(images[side].id, side).get(), side);
            ASSERT_FALSE(own.empty()) << name << " " << side;
            win::UniqueHicon loaded(
                static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, side, side, 0)));
            EXPECT_EQ(Drawn(loaded.get(), side), own) << name << " " << side;
            win::UniqueHicon scaled;
            EXPECT_EQ(loadScaledDown(module, wideName.c_str(), side, side, scaled.put()), S_OK);
            EXPECT_EQ(Drawn(scaled.get(), side), own) << name << " " << side;
        }
    }
}

TEST_F(ProgramResources, GlyphsHaveTheirSidesAtEveryScaleAndKeepTheirDepths) {
    struct {
        const char* name;
        int side;
        WORD bits;
    } const glyphs[] = {
        {QUORVIN_GLYPH_SAVE, 16, 4},
        {QUORVIN_GLYPH_CLIPBOARD, 16, 8},
        {QUORVIN_GLYPH_ABOUT, 16, 8},
        {QUORVIN_GLYPH_EXIT, 12, 24},
    };
    win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    for (const auto& g : glyphs) {
        for (int scale : ui::kGlyphScales) {
            const std::string name = ui::GlyphResourceName(g.name, scale);
            const BITMAPINFOHEADER h = Bitmap(name.c_str());
            EXPECT_EQ(h.biWidth, MulDiv(g.side, scale, 100)) << name;
            EXPECT_EQ(h.biHeight, MulDiv(g.side, scale, 100)) << name;
            EXPECT_EQ(h.biBitCount, g.bits) << name;
            // Loaded as the buttons load it, with the corner left undrawn in magenta.
            win::UniqueHbitmap bitmap(static_cast<HBITMAP>(
                LoadImageA(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
            ASSERT_TRUE(bitmap) << name;
            win::SelectedObject selected(dc.get(), bitmap.get());
            EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(255, 0, 255)) << name;
        }
    }
    // And no bitmap besides: the resource script draws on the same list of scales.
    std::size_t bitmaps = 0;
    EnumResourceNamesA(module, RT_BITMAP, &CountResource, reinterpret_cast<LONG_PTR>(&bitmaps));
    EXPECT_EQ(bitmaps, std::size(glyphs) * std::size(ui::kGlyphScales));
}

TEST_F(ProgramResources, ManifestAsksForCommonControls6) {
    DWORD size = 0;
    auto* text =
        static_cast<const char*>(Resource(CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST, &size));
    ASSERT_NE(text, nullptr);
    std::string manifest(text, size);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace
