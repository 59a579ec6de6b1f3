#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include "app/paint_box.h"
#include "app/tfrm_main.h"
#include "macro/macro_library.h"
#include "model/drawing_store.h"
#include "render/float_to_str.h"
#include "render/primitive_renderer.h"
#include "render/view_transform.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

class WindowTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        TestDialogs().Reset();
        QLocale::setDefault(QLocale::c());
        MacroLibraryFile = (folder_ / "standard.mcr").string();
        window_ = std::make_unique<TfrmMain>(TestDialogs());
        window_->AttachTrace(trace_);
    }
    void TearDown() override {
        window_.reset();
        QLocale::setDefault(QLocale::system());
        CoreTest::TearDown();
    }
    void Show() {
        window_->show();
        QCoreApplication::processEvents();
    }
    void ResizeClient(int width, int height) {
        window_->resize(width, height);
        QCoreApplication::processEvents();
    }
    int Count(const std::vector<std::string>& lines, const std::string& line) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
    QRect Bounds(QWidget* widget) { return widget->geometry(); }

    std::unique_ptr<TfrmMain> window_;
};

TEST_F(WindowTest, StartUpLayoutFollowsTheWindowAndComesBack) {
    EXPECT_EQ(window_->Width(), 555);
    EXPECT_EQ(window_->windowTitle(), "frmMain");
    EXPECT_EQ(MarginRight, 26);
    EXPECT_EQ(MarginBottom, 364 - 345);
    Show();
    const auto design = [&] {
        EXPECT_EQ(Bounds(window_->pbScreen), QRect(8, 40, 521, 305));
        EXPECT_EQ(Bounds(window_->scrTopDown), QRect(529, 40, 16, 305));
        EXPECT_EQ(Bounds(window_->scrLeftRight), QRect(8, 345, 521, 16));
        EXPECT_EQ(Bounds(window_->shBack), QRect(8, 40, 521, 305));
        EXPECT_EQ(Bounds(window_->btnLoad), QRect(8, 8, 73, 25));
        EXPECT_EQ(Bounds(window_->txtZoom), QRect(336, 8, 41, 21));
    };
    design();
    EXPECT_THAT(TakeTrace(), Contains("screen Repaint"));  // the first resize, when shown

    const QSize client = window_->size();
    ResizeClient(client.width() + 100, client.height());
    EXPECT_EQ(Bounds(window_->pbScreen), QRect(8, 40, 621, 305));
    EXPECT_EQ(Bounds(window_->scrLeftRight), QRect(8, 345, 621, 16));
    EXPECT_EQ(Bounds(window_->scrTopDown), QRect(629, 40, 16, 305));
    EXPECT_EQ(Bounds(window_->shBack), QRect(8, 40, 621, 305));

    ResizeClient(client.width(), client.height() + 50);
    EXPECT_EQ(Bounds(window_->pbScreen), QRect(8, 40, 521, 355));
    EXPECT_EQ(Bounds(window_->scrTopDown), QRect(529, 40, 16, 355));
    EXPECT_EQ(Bounds(window_->scrLeftRight), QRect(8, 395, 521, 16));

    ResizeClient(client.width(), client.height());
    design();
    EXPECT_EQ(window_->ScreenImage().size(), QSize(521, 305));

    ResizeClient(10, 10);  // smaller than the margins: nothing to draw on, and no failure
    EXPECT_EQ(window_->pbScreen->width(), 0);
    EXPECT_TRUE(window_->ScreenImage().isNull());
}

TEST_F(WindowTest, ResizeClearsPrintingAndRedraws) {
    Show();
    TakeTrace();
    Printing = 1;
    ResizeClient(600, 400);
    EXPECT_EQ(Printing, 0);
    EXPECT_EQ(Count(TakeTrace(), "screen Repaint"), 1);
}

TEST_F(WindowTest, ZoomButtonsStepShowAndRedraw) {
    Show();
    EXPECT_EQ(window_->txtZoom->text(), "1");
    window_->txtZoom->setText("10");  // the box is never read
    TakeTrace();
    const struct {
        QPushButton* TfrmMain::*button;
        const char* text;
        float printer_zoom;
    } steps[] = {
        {&TfrmMain::btnZoomPlus, "6", 30.0f},
        {&TfrmMain::btnZoomMinus, "4", 20.0f},
        {&TfrmMain::btnZoomMinus, "2.66666674613953", 13.333333969116211f},
        {&TfrmMain::btnZoomMinus, "1.77777779102325", 8.88888931274414f},
        {&TfrmMain::btnZoomPlus, "2.66666674613953", 13.333333969116211f},
    };
    for (const auto& step : steps) {
        QTest::mouseClick(window_.get()->*step.button, Qt::LeftButton);
        EXPECT_EQ(window_->txtZoom->text(), step.text);
        EXPECT_EQ(PrinterZoom, step.printer_zoom);
        EXPECT_EQ(Count(TakeTrace(), "screen Repaint"), 1);
    }
    EXPECT_EQ(ScrollX, 0);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::mouseClick(window_->btnZoomPlus, Qt::LeftButton);
    EXPECT_EQ(window_->txtZoom->text(), "4");
    QTest::mouseClick(window_->btnZoomMinus, Qt::LeftButton);
    EXPECT_EQ(window_->txtZoom->text(), "2,66666674613953");
}

TEST_F(WindowTest, ScrollBarsMoveThePictureOnChangesOnly) {
    WriteFile("line.obx", "LI 0 0 10 0\n");
    Show();
    TestDialogs().next_file = QString::fromStdString((folder_ / "line.obx").string());
    window_->btnLoadClick(nullptr);
    TakeTrace();

    window_->scrLeftRight->setValue(-1000);
    EXPECT_EQ(ScrollX, -1000);
    EXPECT_THAT(TakeFigures(), ElementsAre("screen MoveTo 4000 0", "screen LineTo 4040 0"));
    window_->scrLeftRight->triggerAction(QAbstractSlider::SliderSingleStepSub);  // at its end
    EXPECT_THAT(TakeTrace(), ElementsAre());

    window_->scrTopDown->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(ScrollY, 100);
    EXPECT_THAT(TakeFigures(), ElementsAre("screen MoveTo 4000 -400", "screen LineTo 4040 -400"));
    window_->scrTopDown->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(ScrollY, 101);
}

TEST_F(WindowTest, LoadCancelSucceedFailAndRemember) {
    Show();
    ScriptedDialogs& dialogs = TestDialogs();
    window_->btnLoadClick(nullptr);  // cancelled: nothing changes
    EXPECT_EQ(window_->Caption(), "frmMain");
    ASSERT_EQ(dialogs.open_dialogs.size(), 1u);
    const ScriptedDialogs::OpenDialogSeen& first = dialogs.open_dialogs[0];
    EXPECT_EQ(first.title, "Open ombrix file");
    EXPECT_EQ(first.default_suffix, "obx");
    EXPECT_EQ(first.name_filters,
              QStringList({"Ombrix Files (*.obx)", "Macro files (*.mcd)", "ALl files (*.*)"}));
    EXPECT_EQ(first.selected_filter, "Ombrix Files (*.obx)");
    EXPECT_EQ(first.file_mode, QFileDialog::ExistingFile);

    const std::string path = WriteFile("amp.mcd", "[Amplifier]\nLI 1 1 2 2\n").string();
    dialogs.next_file = QString::fromStdString(path);
    dialogs.next_filter = "Macro files (*.mcd)";
    TakeTrace();
    window_->btnLoadClick(nullptr);
    EXPECT_EQ(window_->Caption(), "Ombrix: " + path + " - [Amplifier]");
    EXPECT_EQ(window_->windowTitle().toStdString(), window_->Caption());
    EXPECT_EQ(PrimitiveCount, 1);
    const std::vector<std::string> trace = TakeTrace();
    EXPECT_EQ(trace.front(), "host Caption \"Ombrix: " + path + "\"");
    EXPECT_EQ(trace.back(), "host MessageBox \"Done.\" \" Load done\" 0");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Done.");

    // The file disappears between the dialog and the loading.
    dialogs.next_file = QString::fromStdString((folder_ / "gone.obx").string());
    dialogs.answer = kAnswerCancel;  // Cancel in the error box does what OK does
    const QImage before = window_->ScreenImage().copy();
    window_->btnLoadClick(nullptr);
    // Nothing changes: drawing, caption and picture stay; the box gives the reason.
    EXPECT_EQ(window_->Caption(), "Ombrix: " + path + " - [Amplifier]");
    EXPECT_EQ(window_->windowTitle().toStdString(), window_->Caption());
    EXPECT_EQ(PrimitiveCount, 1);
    EXPECT_TRUE(window_->ScreenImage() == before);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "Error in loading...");
    EXPECT_EQ(dialogs.boxes[1].caption, " Error");
    EXPECT_EQ(dialogs.boxes[1].flags, 1);
    EXPECT_EQ(dialogs.boxes[1].informative, "No such file or directory");
    EXPECT_THAT(TakeTrace(), Not(Contains("screen Repaint")));  // the old picture stays

    // The next use opens with the last file and filter.
    ASSERT_EQ(dialogs.open_dialogs.size(), 3u);
    EXPECT_EQ(dialogs.open_dialogs[2].selected_filter, "Macro files (*.mcd)");
    EXPECT_THAT(dialogs.open_dialogs[2].selected_files, Contains(QString::fromStdString(path)));

    // A file whose reading fails midway is a failed load too, with the reason.
    dialogs.next_file = QStringLiteral("/proc/self/mem");
    window_->btnLoadClick(nullptr);
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[2].text, "Error in loading...");
    EXPECT_EQ(dialogs.boxes[2].informative, "Input/output error");
}

TEST_F(WindowTest, PrintCancelSucceedAndRecoverFromAFailedJob) {
    Show();
    ScriptedDialogs& dialogs = TestDialogs();
    QPrinter& printer = window_->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string pdf = (folder_ / "page.pdf").string();
    printer.setOutputFileName(QString::fromStdString(pdf));

    TakeTrace();
    window_->btnPrintClick(nullptr);  // cancelled
    EXPECT_EQ(dialogs.print_dialogs, 1);
    EXPECT_EQ(Printing, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));

    dialogs.confirm_print = true;
    window_->btnPrintClick(nullptr);  // an empty store: one empty page
    EXPECT_EQ(Printing, 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf)));
    EXPECT_THAT(TakeFigures(), ElementsAre());

    WriteLibrary("[2]\nRP 100 100 101 101\n");
    const std::string drawing = WriteFile("d.obx", "LI 1 2 3 4\nMC 10 10 0 0 2\n").string();
    dialogs.next_file = QString::fromStdString(drawing);
    window_->btnLoadClick(nullptr);
    TakeTrace();
    QFile::remove(QString::fromStdString(pdf));
    window_->btnPrintClick(nullptr);
    EXPECT_EQ(Printing, 0);
    EXPECT_THAT(TakeFigures(),
                ElementsAre("screen MoveTo 4 8", "screen LineTo 12 16", "printer MoveTo 20 40",
                            "printer LineTo 60 80", "screen Rectangle 40 40 44 44",
                            "printer Rectangle 200 200 220 220"));
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);

    // A job that cannot start is dropped: Printing is cleared, and the next Print works.
    printer.setOutputFileName(QString::fromStdString((folder_ / "no" / "such" / "x.pdf").string()));
    EXPECT_THROW(window_->btnPrintClick(nullptr), PrintJobError);
    EXPECT_EQ(Printing, 0);
    printer.setOutputFileName(QString::fromStdString(pdf));
    EXPECT_NO_THROW(window_->btnPrintClick(nullptr));

    // A drawing that fails in the middle of the job ends it too.
    Zoom = 0x1p70f;
    UpdatePrinterZoom();
    EXPECT_THROW(window_->btnPrintClick(nullptr), DrawingRangeError);
    EXPECT_EQ(Printing, 0);
    Zoom = 4.0f;
    UpdatePrinterZoom();
    EXPECT_NO_THROW(window_->btnPrintClick(nullptr));
}

TEST_F(WindowTest, ErrorsFromHandlersReachTheErrorBoxAndTheProgramGoesOn) {
    WriteFile("line.obx", "LI 0 0 10 0\n");
    Show();
    TestDialogs().next_file = QString::fromStdString((folder_ / "line.obx").string());
    window_->btnLoadClick(nullptr);
    Zoom = 0x1p62f;
    QTest::mouseClick(window_->btnZoomPlus, Qt::LeftButton);
    ASSERT_EQ(TestDialogs().errors.size(), 1u);
    EXPECT_EQ(TestDialogs().errors[0].caption, QString(kApplicationTitle));
    EXPECT_EQ(TestDialogs().errors[0].text,
              "The drawing cannot be drawn at this zoom: a coordinate is out of range.");
    EXPECT_EQ(Zoom, 0x1p62f * 1.5f);  // the step itself stands

    // Zooming back out draws again.
    QTest::mouseClick(window_->btnZoomMinus, Qt::LeftButton);
    for (int i = 0; i < 120; ++i) {
        QTest::mouseClick(window_->btnZoomMinus, Qt::LeftButton);
    }
    const std::size_t errors = TestDialogs().errors.size();
    TakeTrace();
    QTest::mouseClick(window_->btnZoomMinus, Qt::LeftButton);
    EXPECT_EQ(TestDialogs().errors.size(), errors);
    EXPECT_THAT(TakeTrace(), Contains("screen LineTo 0 0"));
}

TEST_F(WindowTest, EveryComponentReachesItsOwnHandler) {
    Show();
    ScriptedDialogs& dialogs = TestDialogs();
    // What each handler leaves behind: the zoom, the scroll offsets, which dialog was asked.
    struct Seen {
        float zoom;
        int32_t scroll_x, scroll_y;
        std::size_t open_dialogs;
        int print_dialogs;
        bool operator==(const Seen&) const = default;
    };
    const auto seen = [&] {
        return Seen{Zoom, ScrollX, ScrollY, dialogs.open_dialogs.size(), dialogs.print_dialogs};
    };
    const auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };
    const auto step = [](QWidget* bar) {
        static_cast<QScrollBar*>(bar)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    };
    const struct {
        const char* component;
        QWidget* widget;
        std::function<void(QWidget*)> act;
        Seen after;  // from the start-up state
    } cases[] = {
        {"btnZoomPlus", window_->btnZoomPlus, click, {6.0f, 0, 0, 0, 0}},
        {"btnZoomMinus", window_->btnZoomMinus, click, {2.6666667461395263671875f, 0, 0, 0, 0}},
        {"scrLeftRight", window_->scrLeftRight, step, {4.0f, 1, 0, 0, 0}},
        {"scrTopDown", window_->scrTopDown, step, {4.0f, 0, 1, 0, 0}},
        {"btnLoad", window_->btnLoad, click, {4.0f, 0, 0, 1, 0}},
        {"btnPrint", window_->btnPrint, click, {4.0f, 0, 0, 0, 1}},
        {"btnSave", window_->btnSave, click, {4.0f, 0, 0, 0, 0}},
        {"btnSaveAs", window_->btnSaveAs, click, {4.0f, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.component);
        ResetViewerState();
        window_->scrLeftRight->setValue(0);
        window_->scrTopDown->setValue(0);
        dialogs.Reset();
        c.act(c.widget);
        EXPECT_TRUE(seen() == c.after);
    }
}

TEST_F(WindowTest, AStormOfEventsEndsWhereTheLastOnesAsk) {
    const std::string good = WriteFile("good.obx",
                                       "[Storm]\nLI 0 0 50 30\nEP 5 5 20 20\n"
                                       "TE 10 10 storm\nMC 30 30 1 2 1\n")
                                 .string();
    WriteLibrary("[1]\nRP 95 95 105 105\nLI 90 100 110 100\n");
    const std::string missing = (folder_ / "missing.obx").string();
    const std::string choices[] = {good, missing, "/proc/self/mem", folder_.string(), good};
    Show();
    ScriptedDialogs& dialogs = TestDialogs();
    std::mt19937 random(7);
    std::string last_load;
    std::string last_loaded;
    int loads = 0;
    int zoom_steps = 0;
    for (int event = 0; event < 3000; ++event) {
        switch (random() % 6) {
            case 0:
            case 1: {
                // Zoom, kept within reach so most redraws draw.
                const bool in = zoom_steps < 12 && (zoom_steps < -12 || random() % 2 == 0);
                QTest::mouseClick(in ? window_->btnZoomPlus : window_->btnZoomMinus,
                                  Qt::LeftButton);
                zoom_steps += in ? 1 : -1;
                break;
            }
            case 2:
                (random() % 2 == 0 ? window_->scrLeftRight : window_->scrTopDown)
                    ->setValue(static_cast<int>(random() % 2001) - 1000);
                break;
            case 3:
                window_->resize(200 + static_cast<int>(random() % 700),
                                150 + static_cast<int>(random() % 500));
                QCoreApplication::processEvents();
                break;
            case 4:
                if (random() % 8 == 0) {
                    last_load = choices[random() % std::size(choices)];
                    dialogs.next_file = QString::fromStdString(last_load);
                    QTest::mouseClick(window_->btnLoad, Qt::LeftButton);
                    ++loads;
                    last_loaded = last_load == good ? good : last_loaded;
                }
                break;
            default:
                QCoreApplication::processEvents();
                break;
        }
    }
    QCoreApplication::processEvents();

    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(dialogs.boxes.size(), static_cast<std::size_t>(loads));
    EXPECT_EQ(ScrollX, window_->scrLeftRight->value());
    EXPECT_EQ(ScrollY, window_->scrTopDown->value());
    EXPECT_EQ(window_->txtZoom->text().toStdString(), FloatToStr(Zoom, '.'));
    ASSERT_FALSE(last_loaded.empty());
    // A failed load changes nothing: the last good one stands.
    EXPECT_EQ(window_->Caption(), "Ombrix: " + last_loaded + " - [Storm]");
    EXPECT_EQ(PrimitiveCount, 3);
    EXPECT_EQ(window_->pbScreen->width(), window_->Width() - 8 - MarginRight);
    EXPECT_EQ(window_->pbScreen->height(), window_->ClientHeight() - 40 - MarginBottom);
    // The picture is the one the final state draws.
    const QImage shown = window_->ScreenImage().copy();
    window_->Button1Click(nullptr);
    EXPECT_TRUE(window_->ScreenImage() == shown);
}

#ifdef OMBRIX_RENDER_TOOL
TEST_F(WindowTest, ShowsTheSamePixelsAsTheExportTool) {
    const std::string examples = OMBRIX_EXAMPLES;
    MacroLibraryFile = examples + "/standard.mcr";
    Show();
    TestDialogs().next_file = QString::fromStdString(examples + "/symbols.obx");
    window_->btnLoadClick(nullptr);
    for (const char* button : {"+", "+", "+", "-"}) {
        QTest::mouseClick(*button == '+' ? window_->btnZoomPlus : window_->btnZoomMinus,
                          Qt::LeftButton);
    }
    window_->scrLeftRight->setValue(37);
    window_->scrTopDown->setValue(-12);

    const std::string png = (folder_ / "tool.png").string();
    QProcess tool;
    tool.start(OMBRIX_RENDER_TOOL,
               {QString::fromStdString(examples + "/symbols.obx"), "-o",
                QString::fromStdString(png), "--zoom", "+++-", "--scroll", "37,-12", "--library",
                QString::fromStdString(examples + "/standard.mcr")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QImage expected =
        QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    const QImage shown = window_->ScreenImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), QSize(521, 305));
    EXPECT_TRUE(shown == expected);
}
#endif

}  // namespace
