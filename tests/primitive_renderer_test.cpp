#include <cstring>
#include <string>
#include <vector>

#include "model/drawing_store.h"
#include "model/line_parser.h"
#include "model/text.h"
#include "render/primitive_renderer.h"
#include "render/view_transform.h"
#include "scene/scene_redraw.h"
#include "test_support.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

Primitive Record(std::string line) {
    Primitive p;
    return ParsePrimitiveLine(p, ClassifyCommand(LeftStr(line, 2)), line);
}

class PrimitiveRendererTest : public CoreTest {
  protected:
    std::vector<std::string> Draw(const std::string& line) {
        TakeTrace();
        DrawPrimitive(Record(line));
        return TakeTrace();
    }
};

TEST_F(PrimitiveRendererTest, EveryFigureOnScreenAndPrinter) {
    // After the two brush resets; the printer draws at five times the screen scale and keeps
    // its own text colour.
    const struct {
        const char* line;
        std::vector<std::string> screen;
        std::vector<std::string> printer;
    } cases[] = {
        {"LI 1 2 3 4", {"MoveTo 4 8", "LineTo 12 16"}, {"MoveTo 20 40", "LineTo 60 80"}},
        {"SA 10 10", {"Ellipse 36 36 44 44"}, {"Ellipse 180 180 220 220"}},
        {"EV 1 2 3 4",
         {"BrushStyle clear", "Ellipse 4 8 12 16"},
         {"BrushStyle clear", "Ellipse 20 40 60 80"}},
        {"EP 3 4 1 2", {"Ellipse 12 16 4 8"}, {"Ellipse 60 80 20 40"}},
        {"RV 1 2 3 4",
         {"BrushStyle clear", "Rectangle 4 8 12 16"},
         {"BrushStyle clear", "Rectangle 20 40 60 80"}},
        {"RP -1 -2 3 4", {"Rectangle -4 -8 12 16"}, {"Rectangle -20 -40 60 80"}},
        {"PV 1 2 3 4 5 6 7 8",
         {"BrushStyle clear", "Polygon 4 8 12 16 20 24"},
         {"BrushStyle clear", "Polygon 20 40 60 80 100 120"}},
        {"PP 1 2 3 4 5 6 7 8", {"Polygon 4 8 12 16 20 24"}, {"Polygon 20 40 60 80 100 120"}},
        {"BE 1 2 3 4 5 6 7 8",
         {"PolyBezier 4 8 12 16 20 24 28 32"},
         {"PolyBezier 20 40 60 80 100 120 140 160"}},
        {"TE 1 2 Hi \"you\"",
         {"FontColor white", "BrushStyle clear", "FontHeight 20", "TextOut 4 8 \"Hi \\\"you\\\"\""},
         {"BrushStyle clear", "FontHeight 100", "TextOut 20 40 \"Hi \\\"you\\\"\""}},
        {"TY 1 2 9 9 9 9 9 9 Label",
         {"FontColor white", "BrushStyle clear", "FontHeight 20", "TextOut 4 8 \"Label\""},
         {"BrushStyle clear", "FontHeight 100", "TextOut 20 40 \"Label\""}},
        {"TE 0 0",
         {"FontColor white", "BrushStyle clear", "FontHeight 20", "TextOut 0 0 \"\""},
         {"BrushStyle clear", "FontHeight 100", "TextOut 0 0 \"\""}},
        {"li 1 2 3 4", {}, {}},
        {"L", {}, {}},
        {"", {}, {}},
        {"XX 1 2 3 4", {}, {}},
    };
    for (const bool printing : {false, true}) {
        Printing = printing ? 1 : 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.line) + (printing ? " printing" : ""));
            std::vector<std::string> expected = {"screen BrushStyle solid",
                                                 "printer BrushStyle solid"};
            for (const std::string& call : c.screen) {
                expected.push_back("screen " + call);
            }
            if (printing) {
                for (const std::string& call : c.printer) {
                    expected.push_back("printer " + call);
                }
            }
            EXPECT_EQ(Draw(c.line), expected);
        }
    }
}

TEST_F(PrimitiveRendererTest, DotsAndFontsFollowTruncation) {
    Zoom = 2.6666667461395263671875f;
    UpdatePrinterZoom();
    Printing = 1;
    EXPECT_THAT(Draw("SA 0 0"),
                ElementsAre("screen BrushStyle solid", "printer BrushStyle solid",
                            "screen Ellipse -2 -2 2 2", "printer Ellipse -13 -13 13 13"));
    const std::vector<std::string> text = Draw("TE 3 -3 t");
    EXPECT_THAT(text, ElementsAre("screen BrushStyle solid", "printer BrushStyle solid",
                                  "screen FontColor white", "screen BrushStyle clear",
                                  "screen FontHeight 13", "screen TextOut 8 -8 \"t\"",
                                  "printer BrushStyle clear", "printer FontHeight 66",
                                  "printer TextOut 40 -40 \"t\""));

    // Below a zoom of 0.2 the font height is 0: the default size, while figures keep shrinking.
    Zoom = 0.19f;
    UpdatePrinterZoom();
    EXPECT_THAT(Draw("TE 100 100 small"), testing::Contains("screen FontHeight 0"));
    EXPECT_THAT(Draw("TE 100 100 small"), testing::Contains("printer FontHeight 4"));
}

TEST_F(PrimitiveRendererTest, MappingFailureEndsTheFigureWhereItHappens) {
    Zoom = 0x1p40f;
    TakeTrace();
    EXPECT_THROW(DrawPrimitive(Record("LI 0 0 16777216 0")), DrawingRangeError);
    EXPECT_THAT(TakeTrace(), ElementsAre("screen BrushStyle solid", "printer BrushStyle solid",
                                         "screen MoveTo 0 0"));
}

TEST_F(PrimitiveRendererTest, RedrawClearsThenDrawsPrimitivesBeforePlacements) {
    WriteLibrary("[1]\nLI 100 100 101 100\n");
    std::string lines[] = {"RV 0 0 1 1", "RP 0 0 1 1"};
    for (std::string& line : lines) {
        ParsePrimitiveLine(Primitives[PrimitiveCount++], ClassifyCommand(LeftStr(line, 2)), line);
    }
    MacroCalls[0] = MacroCall{1, 5, 5, 0, 0};
    MacroCount = 1;
    TakeTrace();
    RedrawAll();
    EXPECT_THAT(
        TakeTrace(),
        ElementsAreArray(
            {"screen Repaint", "screen PenColor white", "screen PenStyle solid",
             "screen BrushColor white", "printer PenStyle solid",
             // the store's reset, then the renderer's own
             "screen BrushStyle solid", "printer BrushStyle solid", "screen BrushStyle solid",
             "printer BrushStyle solid", "screen BrushStyle clear", "screen Rectangle 0 0 4 4",
             "screen BrushStyle solid", "printer BrushStyle solid", "screen BrushStyle solid",
             "printer BrushStyle solid", "screen Rectangle 0 0 4 4", "screen BrushStyle solid",
             "printer BrushStyle solid", "screen BrushStyle solid", "printer BrushStyle solid",
             "screen MoveTo 20 20", "screen LineTo 24 20"}));
}

}  // namespace
