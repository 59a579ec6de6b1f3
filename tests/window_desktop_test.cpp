#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "app/paint_box.h"
#include "app/tfrm_main.h"
#include "app/viewer_command_line.h"
#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "qt_canvas/drawing_text.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace {

using ::testing::Contains;

class WindowDesktopTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        TestDialogs().Reset();
        MacroLibraryFile = (folder_ / "standard.mcr").string();
        window_ = std::make_unique<TfrmMain>(TestDialogs());
        window_->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        window_.reset();
        CoreTest::TearDown();
    }
    QString Drawing(const std::string& name, const std::string& bytes) {
        return QString::fromStdString(WriteFile(name, bytes).string());
    }
    void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent wheel(QPointF(50, 50), window_->pbScreen->mapToGlobal(QPointF(50, 50)),
                          QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(window_->pbScreen, &wheel);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), window_->pbScreen->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window_->pbScreen, &event);
    }

    std::unique_ptr<TfrmMain> window_;
};

TEST(ViewerCommandLine, ReadsADrawingAndALibrary) {
    std::string problem;
    const auto line = ParseViewerCommandLine({"ombrix", "--library", "x.mcr", "a.obx"}, problem);
    ASSERT_TRUE(line) << problem;
    EXPECT_EQ(line->drawing, "a.obx");
    EXPECT_EQ(line->library, "x.mcr");
    EXPECT_TRUE(ParseViewerCommandLine({"ombrix", "--version"}, problem)->version);
    EXPECT_FALSE(ParseViewerCommandLine({"ombrix", "a.obx", "b.obx"}, problem));
    EXPECT_EQ(problem, "one drawing at a time");
    EXPECT_FALSE(ParseViewerCommandLine({"ombrix", "--frob"}, problem));
}

TEST(DrawingText, Utf8WhereValidWindows1252Otherwise) {
    const struct {
        std::string bytes;
        QString shown;
    } cases[] = {
        {"plain", "plain"},
        {"Gr\xc3\xbc\xc3\x9f"
         "e",
         QString::fromUtf8("Grüße")},
        {"caf\xe9 \x80", QString::fromUtf8("café €")},
        {"\x93quoted\x94", QString::fromUtf8("“quoted”")},
        {std::string(253, 'a') + "\xc3\xa9", QString(253, 'a') + QString::fromUtf8("é")},
        // A character the 255-byte limit cut in two is dropped.
        {std::string(254, 'a') + "\xc3", QString(254, 'a')},
        {std::string(253, 'a') + "\xe2\x82", QString(253, 'a')},
        // A shorter text with such an end is no cut UTF-8 but Windows-1252.
        {"caf\xc3", QString::fromUtf8("cafÃ")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrawingText(c.bytes), c.shown) << c.bytes;
    }
}

TEST_F(WindowDesktopTest, AFileFromTheCommandLineOrADropLoadsAsLoadDoes) {
    WriteLibrary("[1]\nRP 95 95 105 105\n");
    const QString path = Drawing("a.obx", "[Title]\nLI 0 0 10 10\nMC 20 20 0 0 1\n");
    window_->OpenChosenFile(path);
    EXPECT_EQ(window_->Caption(), "Ombrix: " + path.toStdString() + " - [Title]");
    ASSERT_EQ(TestDialogs().boxes.size(), 1u);
    EXPECT_EQ(TestDialogs().boxes[0].text, "Done.");
    EXPECT_EQ(PrimitiveCount, 1);
    // The open dialog then starts with that file.
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(TestDialogs().open_dialogs.size(), 1u);
    EXPECT_THAT(TestDialogs().open_dialogs[0].selected_files, Contains(path));

    const QString dropped = Drawing("b.obx", "LI 0 0 1 1\nLI 0 0 2 2\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dropped)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window_.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window_.get(), &drop);
    EXPECT_EQ(window_->Caption(), "Ombrix: " + dropped.toStdString());
    EXPECT_EQ(PrimitiveCount, 2);
    EXPECT_EQ(TestDialogs().boxes.back().text, "Done.");

    // Placements without a readable library: "Done." says which file it looked for.
    MacroLibraryFile = (folder_ / "nowhere.mcr").string();
    window_->OpenChosenFile(path);
    EXPECT_EQ(TestDialogs().boxes.back().informative.toStdString(),
              "the macro library " + MacroLibraryFile +
                  " cannot be read (No such file or directory); its placements draw nothing.");
    // A folder is no drawing: nothing changes, the box says why.
    window_->OpenChosenFile(QString::fromStdString(folder_.string()));
    EXPECT_EQ(TestDialogs().boxes.back().text, "Error in loading...");
    EXPECT_EQ(TestDialogs().boxes.back().informative, "it is a folder, not a file");
    EXPECT_EQ(window_->Caption(), "Ombrix: " + path.toStdString() + " - [Title]");
}

TEST_F(WindowDesktopTest, KeysReachTheButtonsHandlers) {
    const struct {
        QKeyCombination keys;
        float zoom;
    } cases[] = {
        {Qt::ControlModifier | Qt::Key_Plus, 6.0f},
        {Qt::ControlModifier | Qt::Key_Equal, 6.0f},
        {Qt::ControlModifier | Qt::Key_Minus, 2.6666667461395263671875f},
    };
    for (const auto& c : cases) {
        Zoom = 4.0f;
        QTest::keyClick(window_.get(), c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(Zoom, c.zoom);
        EXPECT_EQ(window_->txtZoom->text().toFloat(), c.zoom);
    }
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(TestDialogs().print_dialogs, 1);
    // Right on the horizontal bar goes right.
    window_->scrLeftRight->setFocus();
    QTest::keyClick(window_->scrLeftRight, Qt::Key_Right);
    EXPECT_EQ(ScrollX, 1);
    QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(WindowDesktopTest, WheelAndDragMoveTheBars) {
    Wheel(-120, Qt::NoModifier);  // one notch towards the user: down
    EXPECT_EQ(ScrollY, 3);
    EXPECT_EQ(window_->scrTopDown->value(), 3);
    Wheel(240, Qt::ShiftModifier);
    EXPECT_EQ(ScrollX, -6);
    Wheel(60, Qt::ControlModifier);  // half a notch: nothing yet
    EXPECT_EQ(Zoom, 4.0f);
    Wheel(60, Qt::ControlModifier);
    EXPECT_EQ(Zoom, 6.0f);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(Zoom, 4.0f);

    // The picture follows the pointer: 40 pixels right at zoom 4 is 10 units to the left.
    Mouse(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPoint(140, 80), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(140, 80), Qt::NoButton);
    EXPECT_EQ(ScrollX, -16);
    EXPECT_EQ(ScrollY, 8);
    EXPECT_EQ(window_->scrLeftRight->value(), -16);
}

TEST_F(WindowDesktopTest, AFileThatChangesIsReadAgainWithoutABox) {
    const QString path = Drawing("live.obx", "LI 0 0 1 1\n");
    window_->OpenChosenFile(path);
    ASSERT_EQ(TestDialogs().boxes.size(), 1u);
    const auto wait_for = [](int count) {
        return QTest::qWaitFor([count] { return PrimitiveCount == count; }, 3000);
    };
    // Edited in place.
    WriteFile("live.obx", "LI 0 0 1 1\nLI 0 0 2 2\n");
    EXPECT_TRUE(wait_for(2));
    // Saved by replacing: a new file renamed over the old one.
    WriteFile("live.new", "LI 0 0 1 1\nLI 0 0 2 2\nLI 0 0 3 3\n");
    std::filesystem::rename(folder_ / "live.new", folder_ / "live.obx");
    EXPECT_TRUE(wait_for(3));
    // Gone for a while: the drawing stays, and the watch goes on.
    std::filesystem::remove(folder_ / "live.obx");
    QTest::qWait(300);
    EXPECT_EQ(PrimitiveCount, 3);
    WriteFile("live.obx", "LI 0 0 1 1\n");
    EXPECT_TRUE(wait_for(1));
    EXPECT_EQ(TestDialogs().boxes.size(), 1u);
    // F5 reads it again as Load does, box and all.
    QTest::keyClick(window_.get(), Qt::Key_F5);
    EXPECT_EQ(TestDialogs().boxes.size(), 2u);
}

}  // namespace
