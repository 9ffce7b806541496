// The program file carries its icon, the button glyphs and the manifest at the promised sizes.
#include <gtest/gtest.h>

#include <string>

#include "resources/ResourceIds.h"
#include "support/Driver.h"
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

class ProgramResources : public ::testing::Test {
  protected:
    void SetUp() override {
        program.reset(LoadLibraryExA((driver::ExeDir() + "\\Quorvin.exe").c_str(), nullptr,
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

    win::UniqueHmodule program;
    HMODULE module = nullptr;
};

TEST_F(ProgramResources, MainIconIsOne32x32ImageIn256Colours) {
    auto* group = static_cast<const GroupIconHeader*>(Resource(QUORVIN_MAINICON, RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 32);
    EXPECT_EQ(group->entries[0].height, 32);
    EXPECT_EQ(group->entries[0].bitCount, 8);
}

TEST_F(ProgramResources, AboutPictureHas16And32PixelTrueColourImages) {
    auto* group = static_cast<const GroupIconHeader*>(Resource(QUORVIN_ABOUTICON, RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(group->entries[i].width, i == 0 ? 16 : 32);
        EXPECT_EQ(group->entries[i].bitCount, 24);
    }
}

TEST_F(ProgramResources, GlyphsHaveTheirSizesAndDepths) {
    struct {
        const char* name;
        LONG size;
        WORD bits;
    } const glyphs[] = {
        {QUORVIN_GLYPH_SAVE, 16, 4},
        {QUORVIN_GLYPH_CLIPBOARD, 16, 8},
        {QUORVIN_GLYPH_ABOUT, 16, 8},
        {QUORVIN_GLYPH_EXIT, 12, 24},
    };
    for (const auto& g : glyphs) {
        BITMAPINFOHEADER h = Bitmap(g.name);
        EXPECT_EQ(h.biWidth, g.size) << g.name;
        EXPECT_EQ(h.biHeight, g.size) << g.name;
        EXPECT_EQ(h.biBitCount, g.bits) << g.name;
    }
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
