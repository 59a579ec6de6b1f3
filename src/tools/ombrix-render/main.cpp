#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

#include "headless/headless_host.h"
#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "output_file.h"
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
    Status Save(const std::string& file) {
        canvas.Detach();
        painter.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !WriteExactPng(image, buffer)) {
            return Failure{"cannot encode the image"};
        }
        return WriteOutputFile(
            file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }

    QImage image;
    QPainter painter;
    QPainterCanvas canvas;
};

// The same file under another name, or one that does not exist yet under the same path.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) {
        return true;
    }
    const auto canonical_a = std::filesystem::weakly_canonical(a, ec);
    const auto canonical_b = std::filesystem::weakly_canonical(b, ec);
    return !ec && canonical_a == canonical_b;
}

int Fail(const std::string& message) {
    std::cerr << "ombrix-render: " << message << '\n';
    return 1;
}

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
    StandardOutputBuffer output;
    std::ostream trace(&output);
    HeadlessHost host(options.trace ? &trace : nullptr, ExecutablePath(argv[0]));
    // The trace ends at the first failing run, error line included, and must reach its reader.
    const auto finish = [&](int status) {
        if (const Status written = output.Finish(); !written) {
            return Fail(written.Reason());
        }
        return status;
    };
    frmMain = &host;
    // "-" is standard input; a drawing may come through a pipe.
    const std::string drawing = options.drawing == "-" ? "/dev/stdin" : options.drawing;
    if (!options.png_file.empty()) {
        for (const std::string& input : {drawing, MacroLibraryPath()}) {
            if (SameFile(options.png_file, input)) {
                std::cerr << "ombrix-render: -o " << options.png_file
                          << " names an input of this run; nothing was written\n";
                return 2;
            }
        }
        // Drawn offscreen whatever platform the environment names: no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        application = std::make_unique<QGuiApplication>(argc, argv);
        screen = std::make_unique<ScreenImage>(options.width, options.height);
        host.AttachScreenImage(screen->canvas, [&screen] { screen->Clear(); });
    }

    if (options.trace) {
        trace << "view " << FloatToStr(Zoom, '.') << ' ' << FloatToStr(PrinterZoom, '.') << ' '
              << ScrollX << ' ' << ScrollY << '\n';
    }
    try {
        const Result<LoadReport> loaded =
            LoadDrawingCommand(drawing, LineReader::Accept::RegularFilesAndPipes);
        if (!loaded) {
            return finish(Fail("cannot open " + options.drawing + ": " + loaded.Reason()));
        }
        for (const std::string& notice : loaded.Value().notices) {
            std::cerr << "ombrix-render: warning: " << options.drawing << ": " << notice << '\n';
        }
    } catch (const std::exception& failure) {
        host.TraceError(failure.what());
        return finish(Fail(options.drawing + ": " + failure.what()));
    }
    if (finish(0) != 0) {
        return 1;
    }
    if (screen) {
        if (const Status saved = screen->Save(options.png_file); !saved) {
            return Fail(saved.Reason());
        }
    }
    return 0;
}
