#include <sys/stat.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "model/drawing_store.h"
#include "model/line_reader.h"
#include "scene/drawing_loader.h"
#include "scene/load_command.h"
#include "test_support.h"

namespace {

using ::testing::ElementsAre;

class LineReaderTest : public CoreTest {
  protected:
    std::vector<std::string> Pieces(const std::string& bytes) {
        LineReader reader(WriteFile("lines.txt", bytes).string());
        EXPECT_TRUE(reader.IsOpen());
        std::vector<std::string> pieces;
        for (std::string piece; reader.ReadLine(piece);) {
            pieces.push_back(piece);
        }
        return pieces;
    }
};

TEST_F(LineReaderTest, ReadsPiecesAsTheTextStreamDoes) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> pieces;
    } cases[] = {
        {"line feeds", "a\nb\n", {"a\n", "b\n"}},
        {"carriage returns dropped", "a\r\nb\r\r\n\rc", {"a\n", "b\n", "c"}},
        {"last line without line feed", "a\nb", {"a\n", "b"}},
        {"empty file", "", {}},
        {"0x1A ends the input",
         "a\nb\x1A"
         "c\nd\n",
         {"a\n", "b"}},
        {"0x1A at the start",
         "\x1A"
         "a\n",
         {}},
        {"NUL ends a piece's content", std::string("ab\0cd\ne\n", 8), {"ab", "e\n"}},
        {"empty lines", "\n\n", {"\n", "\n"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pieces(c.bytes), c.pieces) << c.name;
    }
}

TEST_F(LineReaderTest, LongLinesComeInPiecesOf1023) {
    const std::vector<std::string> pieces = Pieces(std::string(1500, 'x') + "\n");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(1023, 'x'));
    EXPECT_EQ(pieces[1], std::string(477, 'x') + "\n");
    // The line feed counts toward the piece: 1023 characters and a line feed are two pieces.
    EXPECT_EQ(Pieces(std::string(1023, 'y') + "\n").size(), 2u);
    EXPECT_EQ(Pieces(std::string(1022, 'y') + "\n").size(), 1u);
}

TEST_F(LineReaderTest, ReadsOnlyWhatCanBeReadToAnEnd) {
    const std::string fifo = (folder_ / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    using Accept = LineReader::Accept;
    const struct {
        std::string path;
        Accept accept;
        const char* error;  // empty: it opens
    } cases[] = {
        {fifo, Accept::RegularFiles, "it is a pipe, not a file"},  // and no wait for a writer
        {"/dev/zero", Accept::RegularFiles, "it is a device, not a file"},
        {"/dev/zero", Accept::RegularFilesAndPipes, "it is a device, not a file"},
        {folder_.string(), Accept::RegularFilesAndPipes, "it is a folder, not a file"},
        {(folder_ / "missing").string(), Accept::RegularFiles, "No such file or directory"},
        {WriteFile("plain.obx", "LI\n").string(), Accept::RegularFiles, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const LineReader reader(c.path, c.accept);
        EXPECT_EQ(reader.IsOpen(), std::string(c.error).empty());
        EXPECT_EQ(reader.Error(), c.error);
    }

    // A pipe that may be read is read as its writer fills it.
    std::thread writer([&] { std::ofstream(fifo) << "a\nb"; });
    LineReader piped(fifo, Accept::RegularFilesAndPipes);
    std::vector<std::string> pieces;
    for (std::string piece; piped.ReadLine(piece);) {
        pieces.push_back(piece);
    }
    writer.join();
    EXPECT_THAT(pieces, ElementsAre("a\n", "b"));
    EXPECT_FALSE(piped.Failed());

    // A read that fails part way is a failure, not the end of the file.
    LineReader memory("/proc/self/mem");
    ASSERT_TRUE(memory.IsOpen());
    std::string piece;
    EXPECT_FALSE(memory.ReadLine(piece));
    EXPECT_TRUE(memory.Failed());
    EXPECT_EQ(memory.Error(), "Input/output error");
}

class DrawingLoaderTest : public CoreTest {
  protected:
    // The load as the window's Load command runs it, on a file named as the user chose it.
    bool Load(const std::string& bytes) {
        WriteFile("drawing.obx", bytes);
        std::filesystem::current_path(folder_);
        TakeTrace();
        return LoadDrawingCommand("drawing.obx").Ok();
    }
    std::vector<std::string> Codes() {
        std::vector<std::string> codes;
        for (int32_t i = 0; i < PrimitiveCount; ++i) {
            codes.emplace_back(Primitives[i].code);
        }
        return codes;
    }
};

TEST_F(DrawingLoaderTest, SortsLinesIntoCaptionsPlacementsAndPrimitives) {
    ASSERT_TRUE(
        Load("[First]\r\n   LI 1 2 3 4\r\n\r\nMC 5 6 1 2 7\r\nSA 3 3\r\n  [Last one]  \r\n"
             "; note\r\nRP 1 1 2 2"));
    EXPECT_THAT(Codes(), ElementsAre("LI", "", "SA", "; ", "RP"));
    EXPECT_EQ(Primitives[0].x1, 1);
    EXPECT_EQ(Primitives[0].y2, 4);
    EXPECT_EQ(Primitives[4].y2, 2);
    ASSERT_EQ(MacroCount, 1);
    EXPECT_EQ(MacroCalls[0].number, 7);
    EXPECT_EQ(MacroCalls[0].mirror, 2);
    // Caption lines do not add up: each starts again from the caption the load began with.
    EXPECT_EQ(host_->Caption(), "Ombrix: drawing.obx - [Last one]");

    const std::vector<std::string> trace = TakeTrace();
    EXPECT_EQ(trace[0], "host Caption \"Ombrix: drawing.obx\"");
    EXPECT_EQ(trace[1], "host Caption \"Ombrix: drawing.obx - [First]\"");
    EXPECT_EQ(trace[3], "screen Repaint");
    EXPECT_EQ(trace.back(), "host MessageBox \"Done.\" \" Load done\" 0");
}

TEST_F(DrawingLoaderTest, EdgesOfTheFile) {
    ASSERT_TRUE(Load(""));
    EXPECT_EQ(PrimitiveCount, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre("host Caption \"Ombrix: drawing.obx\"", "screen Repaint",
                                         "screen PenColor white", "screen PenStyle solid",
                                         "screen BrushColor white", "printer PenStyle solid",
                                         "host MessageBox \"Done.\" \" Load done\" 0"));

    ASSERT_TRUE(Load("[\n[only captions]\n"));
    EXPECT_EQ(PrimitiveCount, 0);
    EXPECT_EQ(host_->Caption(), "Ombrix: drawing.obx - [only captions]");

    ASSERT_TRUE(Load("LI 1 2 3 4\x1ALI 5 6 7 8\n"));
    EXPECT_EQ(PrimitiveCount, 1);

    ASSERT_TRUE(Load(std::string("LI 1 2\0 3 4\nRV 1 2 3 4\n", 23)));
    ASSERT_EQ(PrimitiveCount, 2);
    EXPECT_EQ(Primitives[0].x2, 0);

    ASSERT_TRUE(Load("TE 1 2 " + std::string(1493, 'a') + "\n"));
    EXPECT_THAT(Codes(), ElementsAre("TE", "aa"));
    EXPECT_EQ(std::string(Primitives[0].text), std::string(255, 'a'));
}

TEST_F(DrawingLoaderTest, StopsAtTheThousandthPrimitive) {
    std::string lines;
    for (int i = 0; i < 999; ++i) {
        lines += "LI 0 0 1 1\n";
    }
    ASSERT_TRUE(Load(lines + "MC 1 1 0 0 1\nMC 1 1 0 0 2\nMC 1 1 0 0 3\nMC 1 1 0 0 4\nMC 1\n"));
    EXPECT_EQ(PrimitiveCount, 999);
    EXPECT_EQ(MacroCount, 5);

    ASSERT_TRUE(Load(lines + "RV 1 1 2 2\nMC 1 1 0 0 1\n[Never read]\n"));
    EXPECT_EQ(PrimitiveCount, 1000);
    EXPECT_EQ(MacroCount, 0);
    EXPECT_EQ(host_->Caption(), "Ombrix: drawing.obx");
}

TEST_F(DrawingLoaderTest, PlacementsBeyondTheTableAreIgnored) {
    std::string lines;
    for (int i = 0; i < 1005; ++i) {
        lines += "MC " + std::to_string(i) + " 0 0 0 1\n";
    }
    ASSERT_TRUE(Load(lines + "LI 1 2 3 4\n"));
    EXPECT_EQ(MacroCount, 1000);
    EXPECT_EQ(MacroCalls[999].x, 999);
    EXPECT_EQ(PrimitiveCount, 1);
}

TEST_F(DrawingLoaderTest, FileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(Load("LI 1 2 3 4\nRV 1 2 3 4\nMC 1 2 3 4 5\n"));
    ASSERT_TRUE(Load("LI 9 9 9 9\n"));  // a second load replaces the first completely
    EXPECT_EQ(PrimitiveCount, 1);
    EXPECT_EQ(MacroCount, 0);

    TakeTrace();
    const auto missing = LoadDrawingCommand("missing.obx");
    ASSERT_FALSE(missing.Ok());
    EXPECT_EQ(missing.Reason(), "No such file or directory");
    // The drawing, its caption and its picture stay: the box alone says what happened.
    EXPECT_EQ(PrimitiveCount, 1);
    EXPECT_EQ(Primitives[0].x1, 9);
    EXPECT_EQ(host_->Caption(), "Ombrix: drawing.obx");
    EXPECT_THAT(TakeTrace(), ElementsAre("host MessageBox \"Error in loading...\" \" Error\" 1"));
    EXPECT_EQ(host_->LastInformativeText(), "No such file or directory");

    const Result<LoadedDrawing> folder = LoadDrawing(folder_.string());
    ASSERT_FALSE(folder.Ok());
    EXPECT_EQ(folder.Reason(), "it is a folder, not a file");

    // A read that fails midway loads nothing and says why.
    ASSERT_TRUE(Load("LI 1 2 3 4\nRV 0 0 1 1\n"));
    const Result<LoadedDrawing> broken = LoadDrawing("/proc/self/mem");
    ASSERT_FALSE(broken.Ok());
    EXPECT_EQ(broken.Reason(), "Input/output error");
    EXPECT_EQ(PrimitiveCount, 2);
}

}  // namespace
