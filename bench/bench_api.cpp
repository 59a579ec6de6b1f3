#include "bench_api.h"

#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <optional>

#include "app/tfrm_main.h"
#include "headless/headless_host.h"
#include "macro/macro_library.h"
#include "platform/viewer_dialogs.h"
#include "qt_canvas/png_output.h"
#include "qt_canvas/qpainter_canvas.h"
#include "render/float_to_str.h"
#include "render/view_transform.h"
#include "render/zoom_step.h"
#include "scene/drawing_loader.h"
#include "scene/scene_redraw.h"

namespace {

class AnswerOk : public ViewerDialogs {
  public:
    std::optional<QString> ChooseFile(QFileDialog&) override { return std::nullopt; }
    bool ConfirmPrint(QPrintDialog&) override { return false; }
    int MessageBox(QWidget*, const QString&, const QString&, int, const QString&) override {
        return kAnswerOk;
    }
    void ShowError(QWidget*, const QString&, const QString&) override {}
};

}  // namespace

struct BenchWorld::Parts {
    AnswerOk dialogs;
    std::unique_ptr<TfrmMain> window;
    HeadlessHost nothing{nullptr, "ombrix"};
    HeadlessHost exporter{nullptr, "ombrix"};
    QImage image{521, 305, QImage::Format_RGB32};
    QPainter painter;
    QPainterCanvas canvas{QPainterCanvas::kScreenDefaults};
    HeadlessHost recorder_host{nullptr, "ombrix"};
    RecordingCanvas recorder;
};

BenchWorld::BenchWorld() = default;
BenchWorld::~BenchWorld() = default;

void BenchWorld::Start() {
    parts_ = std::make_unique<Parts>();
    parts_->window = std::make_unique<TfrmMain>(parts_->dialogs);
    parts_->window->show();
    parts_->painter.begin(&parts_->image);
    parts_->canvas.Attach(&parts_->painter);
    Parts* p = parts_.get();
    p->exporter.AttachScreenImage(p->canvas,
                                  [p] { p->painter.fillRect(p->image.rect(), Qt::black); });
    p->recorder_host.AttachScreenImage(p->recorder, [p] { p->recorder.Clear(); });
}

void BenchWorld::Stop() {
    frmMain = nullptr;
    parts_.reset();
}

void BenchWorld::RedrawInWindow() {
    frmMain = parts_->window.get();
    parts_->window->Button1Click(nullptr);
    parts_->window->ScreenImage();
}

void BenchWorld::RedrawIntoNothing() {
    frmMain = &parts_->nothing;
    RedrawAll();
}

void BenchWorld::RedrawIntoExportImage() {
    frmMain = &parts_->exporter;
    RedrawAll();
}

const QImage& BenchWorld::ExportImage() const {
    return parts_->image;
}

std::vector<RecordingCanvas::Call> BenchWorld::Record() {
    frmMain = &parts_->recorder_host;
    RedrawAll();
    return parts_->recorder.Calls();
}

void SetView(const std::string& steps) {
    Zoom = 4.0f;
    UpdatePrinterZoom();
    for (const char step : steps) {
        StepZoom(step == '+' ? ZoomDirection::In : ZoomDirection::Out, '.');
    }
    ScrollX = 0;
    ScrollY = 0;
}

std::string ZoomFactorAfter(const std::string& steps) {
    const float saved = Zoom;
    SetView(steps);
    std::string text = FloatToStr(static_cast<double>(Zoom), '.');
    Zoom = saved;
    UpdatePrinterZoom();
    return text;
}

void LoadQuietly(const std::string& drawing, const std::string& library) {
    MacroLibraryFile = library;
    (void)LoadDrawing(drawing);
}

bool WritePng(const QImage& image, QIODevice& device) {
    return WriteExactPng(image, device);
}

std::optional<FirstFrameTimes> StartViewerUntilFirstFrame(const std::string& viewer) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("OMBRIX_QUIT_AFTER_FIRST_FRAME", "1");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setReadChannel(QProcess::StandardError);
    const auto started = std::chrono::steady_clock::now();
    process.start(QString::fromStdString(viewer), {});
    QByteArray said;
    while (process.waitForReadyRead(5000)) {
        said += process.readAllStandardError();
        const qsizetype at = said.indexOf("first frame ");
        if (at >= 0 && said.indexOf('\n', at) > at) {
            const auto painted = std::chrono::steady_clock::now();
            process.waitForFinished(5000);
            const double ms = said.mid(at + 12).split(' ').value(0).toDouble();
            return FirstFrameTimes{painted - started, std::chrono::duration<double>(ms / 1000.0)};
        }
    }
    process.kill();
    process.waitForFinished(5000);
    return std::nullopt;
}
