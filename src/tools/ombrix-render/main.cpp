#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "headless/headless_host.h"
#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "qt_canvas/png_output.h"
#include "qt_canvas/qpainter_canvas.h"
#include "render/float_to_str.h"
#include "render/zoom_step.h"
#include "render_options.h"
#include "scene/load_command.h"

namespace {

std::string ExecutablePath(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(argv0) : self.string();
}

// Qt's note about a missing runtime folder says nothing to a user of this tool.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) {
        return;
    }
    std::cerr << "ombrix-render: " << message.toStdString() << '\n';
}

void ApplyView(const RenderOptions& options) {
    for (const char step : options.zoom_steps) {
        StepZoom(step == '+' ? ZoomDirection::In : ZoomDirection::Out, '.');
    }
    ScrollX = options.scroll_x;
    ScrollY = options.scroll_y;
    Printing = options.printing ? 1 : 0;
    MacroLibraryFile = options.library_file;
}

// The drawing area as an image, painted like the viewer's screen.
struct ScreenImage {
    ScreenImage(int width, int height)
        : image(width, height, QImage::Format_RGB32), canvas(QPainterCanvas::kScreenDefaults) {
        image.fill(Qt::black);
        painter.begin(&image);
        canvas.Attach(&painter);
    }
    void Clear() { painter.fillRect(image.rect(), Qt::black); }
    bool Save(const std::string& file) {
        canvas.Detach();
        painter.end();
        QFile out(QString::fromStdString(file));
        return out.open(QIODevice::WriteOnly) && WriteExactPng(image, out);
    }

    QImage image;
    QPainter painter;
    QPainterCanvas canvas;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<RenderOptions> parsed = ParseRenderOptions(args, error);
    if (!parsed) {
        std::cerr << "ombrix-render: " << error << "\n\n" << kRenderUsage;
        return 2;
    }
    const RenderOptions& options = *parsed;
    if (options.help) {
        std::cout << kRenderUsage;
        return 0;
    }

    ApplyView(options);
    std::unique_ptr<QGuiApplication> application;
    std::unique_ptr<ScreenImage> screen;
    HeadlessHost host(options.trace ? &std::cout : nullptr, ExecutablePath(argv[0]));
    if (!options.png_file.empty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(QuietQtMessages);
        application = std::make_unique<QGuiApplication>(argc, argv);
        screen = std::make_unique<ScreenImage>(options.width, options.height);
        host.AttachScreenImage(screen->canvas, [&screen] { screen->Clear(); });
    }
    frmMain = &host;

    if (options.trace) {
        std::cout << "view " << FloatToStr(Zoom, '.') << ' ' << FloatToStr(PrinterZoom, '.') << ' '
                  << ScrollX << ' ' << ScrollY << '\n';
    }
    try {
        const Status loaded = LoadDrawingCommand(options.drawing);
        if (!loaded) {
            std::cerr << "ombrix-render: cannot open " << options.drawing << ": " << loaded.Reason()
                      << '\n';
            return 1;
        }
    } catch (const std::exception& failure) {
        host.TraceError(failure.what());
        std::cerr << "ombrix-render: " << options.drawing << ": " << failure.what() << '\n';
        return 1;
    }
    if (screen && !screen->Save(options.png_file)) {
        std::cerr << "ombrix-render: cannot write the image " << options.png_file << '\n';
        return 1;
    }
    return 0;
}
