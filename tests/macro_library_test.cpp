#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "headless/canvas_fan.h"
#include "macro/macro_library.h"
#include "model/drawing_store.h"
#include "scene/load_command.h"
#include "scene/scene_redraw.h"
#include "test_support.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MacroLibraryTest : public CoreTest {
  protected:
    std::vector<std::string> Expand(int32_t number, int32_t x = 0, int32_t y = 0,
                                    int32_t orientation = 0, int32_t mirror = 0) {
        TakeTrace();
        DrawMacro(x, y, orientation, mirror, number);
        return TakeFigures();
    }
};

TEST_F(MacroLibraryTest, HeaderNumbers) {
    const struct {
        const char* header;
        int32_t number;
    } cases[] = {
        {"[7]", 7}, {"[007]", 7}, {"[ 7]", 7},     {"[+7", 7},          {"[-5]", -5},
        {"[x]", 0}, {"[]", 0},    {"[1234]", 123}, {"  \t[9] name", 9}, {"[", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        WriteLibrary(std::string(c.header) + "\nLI 100 100 101 100\n");
        EXPECT_THAT(Expand(c.number), ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0"));
    }
    WriteLibrary("[1234]\nLI 100 100 101 100\n");
    EXPECT_THAT(Expand(1234), IsEmpty());
}

TEST_F(MacroLibraryTest, BodiesEndAtBracketOrBraceInTheFirstColumn) {
    WriteLibrary(
        "text before any block\n"
        "[3] first\n"
        "LI 100 100 101 100\r\n"
        "  [4] not an end here, but a header for the search\n"
        "  LI 100 100 200 200\n"
        "TE 100 100 Hi  \n"
        "{ end\n"
        "LI 0 0 9 9\n"
        "[3] duplicate\n"
        "RP 0 0 1 1\n"
        "[5]\n"
        "[6]\n"
        "RV 100 100 101 101");
    EXPECT_THAT(Expand(3),
                ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0", "screen TextOut 0 0 \"Hi\""));
    // Its body: a line led by blanks, which names no command, and the text.
    EXPECT_THAT(Expand(4), ElementsAre("screen TextOut 0 0 \"Hi\""));
    EXPECT_THAT(Expand(5), IsEmpty());
    EXPECT_THAT(Expand(6), ElementsAre("screen Rectangle 0 0 4 4"));  // last line, no line feed
    EXPECT_THAT(Expand(8), IsEmpty());
}

TEST_F(MacroLibraryTest, BodyLinesAreDrawnPlacedAndNeverExpandedAgain) {
    WriteLibrary("[7]\nLI 100 100 110 100\nSA 100 100\nMC 1 2 3 4 7\n");
    EXPECT_THAT(Expand(7, 500, 300, 1, 0),
                ElementsAre("screen MoveTo 2000 1200", "screen LineTo 2000 1240",
                            "screen Ellipse 1996 1196 2004 1204",
                            // the MC line: an empty text at the placed (0, 0)
                            "screen TextOut 2400 800 \"\""));
}

TEST_F(MacroLibraryTest, MissingLibraryDrawsNothingSilently) {
    EXPECT_THAT(Expand(7), IsEmpty());
    MacroLibraryFile = (folder_ / "elsewhere.mcr").string();
    WriteFile("elsewhere.mcr", "[7]\nLI 100 100 101 100\n");
    EXPECT_THAT(Expand(7), ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0"));
}

TEST_F(MacroLibraryTest, OneReadingPerRedrawAndEditsShowAtTheNext) {
    WriteLibrary("[1]\nLI 100 100 101 100\n");
    MacroCalls[0] = MacroCall{1, 0, 0, 0, 0};
    MacroCalls[1] = MacroCall{1, 1, 0, 0, 0};
    MacroCount = 2;
    {
        // An edit in the middle of a redraw does not split it into two versions of the library.
        const MacroLibraryScope scope;
        TakeTrace();
        DrawMacroCall(MacroCalls[0]);
        WriteLibrary("[1]\nRV 100 100 101 101\n");
        DrawMacroCall(MacroCalls[1]);
        EXPECT_THAT(TakeFigures(), ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0",
                                               "screen MoveTo 4 0", "screen LineTo 8 0"));
    }
    RedrawAll();
    EXPECT_THAT(TakeFigures(), ElementsAre("screen Rectangle 0 0 4 4", "screen Rectangle 4 0 8 4"));
    std::filesystem::remove(folder_ / "standard.mcr");
    RedrawAll();
    EXPECT_THAT(TakeFigures(), IsEmpty());
}

TEST_F(MacroLibraryTest, AReadingIsKeptWhileTheFileIsUnchanged) {
    namespace fs = std::filesystem;
    const fs::path library = folder_ / "standard.mcr";
    const auto settle = [&](fs::file_time_type when) { fs::last_write_time(library, when); };
    const fs::file_time_type long_ago = fs::file_time_type::clock::now() - std::chrono::hours(1);
    WriteLibrary("[1]\nLI 100 100 101 100\n");
    settle(long_ago);
    MacroCalls[0] = MacroCall{1, 0, 0, 0, 0};
    MacroCount = 1;
    RedrawAll();
    EXPECT_THAT(TakeFigures(), ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0"));

    // New bytes behind the same inode, size and time are not looked at: the kept reading draws.
    WriteLibrary("[1]\nRV 100 100 101 101\n");
    settle(long_ago);
    RedrawAll();
    EXPECT_THAT(TakeFigures(), ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0"));

    // Any other time is an edit, and so is another file put in its place with the same time.
    settle(long_ago + std::chrono::nanoseconds(1));
    RedrawAll();
    EXPECT_THAT(TakeFigures(), ElementsAre("screen Rectangle 0 0 4 4"));
    WriteFile("replacement", "[1]\nEV 100 100 101 101\n");
    fs::rename(folder_ / "replacement", library);
    settle(long_ago + std::chrono::nanoseconds(1));
    RedrawAll();
    EXPECT_THAT(TakeFigures(), ElementsAre("screen Ellipse 0 0 4 4"));

    // An edit in the same clock tick as the reading keeps size and time, yet shows.
    WriteLibrary("[1]\nRP 100 100 101 101\n");
    RedrawAll();
    WriteLibrary("[1]\nEP 100 100 101 101\n");
    RedrawAll();
    EXPECT_THAT(TakeFigures(), ElementsAre("screen Rectangle 0 0 4 4", "screen Ellipse 0 0 4 4"));
}

TEST_F(MacroLibraryTest, ReadingsAreBoundedInLinesBytesAndFigures) {
    // A body line is kept as the shape it draws, not as a drawing record.
    EXPECT_LE(sizeof(Shape), 64u);

    const MacroLibrary empty_lines =
        MacroLibrary::FromBytes(std::string(kMaxLibraryLines + 5, '\n'));
    EXPECT_EQ(empty_lines.Cut(),
              "the macro library is longer than 250000 lines or 16 MiB; only its first 250000 "
              "lines are used");
    const std::string wide_line = std::string(1000, ';') + "\n";
    std::string wide;
    for (std::size_t i = 0; i < 17'000; ++i) {
        wide += wide_line;
    }
    wide += "[1]\nLI 100 100 101 100\n";
    const MacroLibrary large = MacroLibrary::FromBytes(wide);
    EXPECT_THAT(large.Cut(), testing::HasSubstr("only its first 16760 lines are used"));
    EXPECT_TRUE(large.Body(1).empty());
    EXPECT_TRUE(MacroLibrary::FromBytes("[1]\nLI 1 1 1 1\n").Cut().empty());

    // One block of 1000 lines placed 1000 times: a redraw draws the first 250000 figures.
    std::string block = "[1]\n";
    for (int i = 0; i < 1000; ++i) {
        block += "LI 100 100 101 100\n";
    }
    WriteLibrary(block);
    std::string drawing;
    for (int i = 0; i < 1000; ++i) {
        drawing += "MC 0 0 0 0 1\n";
    }
    const std::filesystem::path file = WriteFile("many.obx", drawing);
    struct Counter : CanvasFan {
        void LineTo(int32_t, int32_t) override { ++lines; }
        std::size_t lines = 0;
    } counter;
    HeadlessHost quiet(nullptr, (folder_ / "ombrix").string());
    quiet.AttachScreenImage(counter, [] {});
    frmMain = &quiet;
    const auto loaded = LoadDrawingCommand(file.string());
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(counter.lines, kMaxExpandedFigures);
    EXPECT_THAT(loaded.Value().notices,
                ElementsAre("the placements expand to 1000000 figures; a redraw draws the first "
                            "250000"));
    EXPECT_EQ(quiet.LastInformativeText(),
              "the placements expand to 1000000 figures; a redraw draws the first 250000.");
    frmMain = host_.get();
}

TEST_F(MacroLibraryTest, OnlyARegularFileIsTheLibraryAndLoadSaysWhenItCannotBeRead) {
    const std::filesystem::path drawing = WriteFile("d.obx", "MC 0 0 0 0 1\n");
    for (const std::string& library : {std::string("/dev/zero"), (folder_ / "none.mcr").string()}) {
        SCOPED_TRACE(library);
        MacroLibraryFile = library;
        const auto loaded = LoadDrawingCommand(drawing.string());
        ASSERT_TRUE(loaded.Ok());
        ASSERT_EQ(loaded.Value().notices.size(), 1u);
        EXPECT_THAT(loaded.Value().notices[0],
                    testing::StartsWith("the macro library " + library + " cannot be read ("));
        EXPECT_THAT(host_->LastInformativeText(), testing::HasSubstr("placements draw nothing"));
    }
    // Without placements the library is not looked at.
    WriteFile("e.obx", "LI 0 0 1 1\n");
    ASSERT_TRUE(LoadDrawingCommand((folder_ / "e.obx").string()).Ok());
    EXPECT_EQ(host_->LastInformativeText(), "");
}

TEST_F(MacroLibraryTest, LongLibraryLinesArePieces) {
    // The second piece of a long line begins with '[' and is a header of its own.
    WriteLibrary("; " + std::string(1021, '-') + "[2]\nLI 100 100 101 100\n");
    EXPECT_THAT(Expand(2), ElementsAre("screen MoveTo 0 0", "screen LineTo 4 0"));
}

}  // namespace
