#include <gtest/gtest.h>

#include "render_options.h"

namespace {

TEST(RenderOptions, ReadsEveryOption) {
    std::string error;
    const auto options =
        ParseRenderOptions({"a.obx", "--trace", "-o", "a.png", "--zoom", "+-+", "--scroll",
                            "-1000,1000", "--size", "80x60", "--printing", "--library", "x.mcr"},
                           error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->drawing, "a.obx");
    EXPECT_TRUE(options->trace);
    EXPECT_EQ(options->png_file, "a.png");
    EXPECT_EQ(options->zoom_steps, "+-+");
    EXPECT_EQ(options->scroll_x, -1000);
    EXPECT_EQ(options->scroll_y, 1000);
    EXPECT_EQ(options->width, 80);
    EXPECT_EQ(options->height, 60);
    EXPECT_TRUE(options->printing);
    EXPECT_EQ(options->library_file, "x.mcr");

    const auto defaults = ParseRenderOptions({"--trace", "b.obx"}, error);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->width, 521);
    EXPECT_EQ(defaults->height, 305);
}

TEST(RenderOptions, RefusesBadUsageWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{}, "no drawing given"},
        {{"a.obx"}, "give --trace, -o FILE.png or both"},
        {{"a.obx", "--trace", "--zoom", "+x"}, "--zoom takes a string of + and -, not '+x'"},
        {{"a.obx", "--trace", "--scroll", "1001,0"},
         "--scroll takes X,Y with each from -1000 to 1000, not '1001,0'"},
        {{"a.obx", "--trace", "--scroll", "5"},
         "--scroll takes X,Y with each from -1000 to 1000, not '5'"},
        {{"a.obx", "--trace", "--size", "0x10"},
         "--size takes WxH, each from 1 to 16384 pixels, not '0x10'"},
        {{"a.obx", "--trace", "-o"}, "-o needs a value"},
        {{"a.obx", "--trace", "--frobnicate"}, "unknown option --frobnicate"},
        {{"a.obx", "b.obx", "--trace"}, "only one drawing can be rendered at a time"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseRenderOptions(c.args, error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
