#include <gtest/gtest.h>

#include "render_options.h"

namespace {

TEST(RenderOptions, ReadsEveryOption) {
    const auto options = ParseRenderOptions(
        {"a.obx", "--trace", "-o", "a.png", "--zoom", "+-+", "--scroll", "-1000,1000", "--size",
         "80x60", "--printing", "--library", "x.mcr", "--fit", "--margin=3", "--paper", "--quiet"});
    ASSERT_TRUE(options.Ok()) << options.Reason();
    const RenderOptions& o = options.Value();
    EXPECT_EQ(o.drawings, std::vector<std::string>{"a.obx"});
    EXPECT_TRUE(o.trace);
    EXPECT_EQ(o.output, "a.png");
    EXPECT_EQ(o.format, OutputFormat::Png);
    EXPECT_EQ(o.zoom_steps, "+-+");
    EXPECT_EQ(o.scroll_x, -1000);
    EXPECT_EQ(o.scroll_y, 1000);
    EXPECT_EQ(o.width, 80);
    EXPECT_EQ(o.height, 60);
    EXPECT_TRUE(o.printing);
    EXPECT_EQ(o.library_file, "x.mcr");
    EXPECT_TRUE(o.fit);
    EXPECT_EQ(o.margin, 3);
    EXPECT_TRUE(o.paper);
    EXPECT_TRUE(o.quiet);

    const auto defaults = ParseRenderOptions({"--trace", "b.obx"});
    ASSERT_TRUE(defaults.Ok());
    EXPECT_EQ(defaults.Value().width, 521);
    EXPECT_EQ(defaults.Value().height, 305);
    EXPECT_EQ(defaults.Value().margin, 8);
    EXPECT_FALSE(defaults.Value().scale);
}

TEST(RenderOptions, CombinesTheUsualWays) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> drawings;
        std::string output;
        OutputFormat format;
    } cases[] = {
        {{"--size=200x100", "a.obx", "-o", "a.svg"}, {"a.obx"}, "a.svg", OutputFormat::Svg},
        {{"a.obx", "--output", "A.PDF"}, {"a.obx"}, "A.PDF", OutputFormat::Pdf},
        {{"-", "-o", "-", "--format", "pdf"}, {"-"}, "-", OutputFormat::Pdf},
        {{"-o", "x.png", "--", "-odd.obx"}, {"-odd.obx"}, "x.png", OutputFormat::Png},
        {{"a.obx", "b.obx", "-O", "out", "--format=svg"},
         {"a.obx", "b.obx"},
         "",
         OutputFormat::Svg},
        {{"a.obx", "-o", "picture", "--format", "png"}, {"a.obx"}, "picture", OutputFormat::Png},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        const auto options = ParseRenderOptions(c.args);
        ASSERT_TRUE(options.Ok()) << options.Reason();
        EXPECT_EQ(options.Value().drawings, c.drawings);
        EXPECT_EQ(options.Value().output, c.output);
        EXPECT_EQ(options.Value().format.value_or(OutputFormat::Png), c.format);
    }
    const auto scaled = ParseRenderOptions({"a.obx", "--trace", "--scale", "2.5"});
    ASSERT_TRUE(scaled.Ok());
    EXPECT_EQ(scaled.Value().scale, 2.5f);
    EXPECT_TRUE(ParseRenderOptions({"--version"}).Value().version);
    EXPECT_TRUE(ParseRenderOptions({"--help", "--frobnicate"}).Ok() == false);
    EXPECT_TRUE(ParseRenderOptions({"-h"}).Value().help);
}

TEST(RenderOptions, RefusesBadUsageWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{}, "no drawing given"},
        {{"a.obx"}, "give --trace, -o FILE, -O FOLDER, or --trace with one of them"},
        {{"a.obx", "--trace", "--zoom", "+x"}, "--zoom takes a string of + and -, not '+x'"},
        {{"a.obx", "--trace", "--scroll", "1001,0"},
         "--scroll takes X,Y with each from -1000 to 1000, not '1001,0'"},
        {{"a.obx", "--trace", "--scroll", "5"},
         "--scroll takes X,Y with each from -1000 to 1000, not '5'"},
        {{"a.obx", "--trace", "--size", "0x10"},
         "--size takes WxH, each from 1 to 16384 pixels, not '0x10'"},
        {{"a.obx", "--trace", "-o"}, "Missing value after '-o'."},
        {{"a.obx", "--trace", "--frobnicate"}, "Unknown option 'frobnicate'."},
        {{"a.obx", "b.obx", "--trace"}, "several drawings need -O FOLDER"},
        {{"a.obx", "-o", "a.gif"},
         "cannot tell the format of 'a.gif': name it .png, .svg or .pdf, or give --format"},
        {{"a.obx", "-o", "a.png", "--format", "jpeg"},
         "--format takes png, svg or pdf, not 'jpeg'"},
        {{"a.obx", "--trace", "-o", "-"}, "--trace and -o - would both write to standard output"},
        {{"a.obx", "-o", "a.png", "-O", "out"}, "give -o or -O, not both"},
        {{"a.obx", "-O", "out", "--trace"}, "--trace goes with one drawing, not with -O"},
        {{"a.obx", "--trace", "--scale", "-1"}, "--scale takes a positive number, not '-1'"},
        {{"a.obx", "--trace", "--scale", "inf"}, "--scale takes a positive number, not 'inf'"},
        {{"a.obx", "--trace", "--scale", "2", "--zoom", "+"}, "give --zoom or --scale, not both"},
        {{"a.obx", "--trace", "--margin", "-3"},
         "--margin takes a number of pixels from 0 to 4096, not '-3'"},
    };
    for (const auto& c : cases) {
        const auto options = ParseRenderOptions(c.args);
        ASSERT_FALSE(options.Ok()) << c.error;
        EXPECT_EQ(options.Reason(), c.error);
    }
}

}  // namespace
