#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "headless/canvas_filters.h"
#include "headless/headless_host.h"
#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "output_file.h"
#include "picture.h"
#include "qt_canvas/bounds_canvas.h"
#include "render/float_to_str.h"
#include "render/view_transform.h"
#include "render/zoom_step.h"
#include "render_options.h"
#include "scene/load_command.h"
#include "scene/scene_redraw.h"

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

int Fail(const std::string& message) {
    std::cerr << "ombrix-render: " << message << '\n';
    return 1;
}

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

std::string BaseName(const std::string& drawing) {
    std::string name = std::filesystem::path(drawing).stem().string();
    return name.empty() || drawing == "-" ? "stdin" : name;
}

class Renderer {
  public:
    Renderer(const RenderOptions& options, std::string exe)
        : options_(options), exe_(std::move(exe)) {}

    // One drawing to its picture (when target is not empty) and its trace; 0 or 1.
    int Render(const std::string& drawing, const std::string& target, std::ostream* trace) {
        ApplyView();
        const std::string path = drawing == "-" ? "/dev/stdin" : drawing;
        HeadlessHost host(trace, exe_);
        frmMain = &host;
        const auto done = [](int status) {
            frmMain = nullptr;
            return status;
        };
        if (trace != nullptr) {
            *trace << "view " << FloatToStr(Zoom, '.') << ' ' << FloatToStr(PrinterZoom, '.') << ' '
                   << ScrollX << ' ' << ScrollY << '\n';
        }
        const OutputFormat format = options_.format.value_or(OutputFormat::Png);
        std::unique_ptr<Picture> picture;
        std::unique_ptr<PaperCanvas> paper;
        BoundsCanvas bounds;
        if (!target.empty()) {
            if (options_.fit) {
                host.AttachScreenImage(bounds, [] {});
            } else {
                picture = std::make_unique<Picture>(format, options_.width, options_.height,
                                                    options_.paper);
                Attach(host, *picture, paper, 0, 0);
            }
        }
        try {
            const Result<LoadReport> loaded =
                LoadDrawingCommand(path, LineReader::Accept::RegularFilesAndPipes);
            if (!loaded) {
                return done(Fail("cannot open " + drawing + ": " + loaded.Reason()));
            }
            Warn(drawing, loaded.Value().notices);
            Warn(drawing, loaded.Value().warnings);
            if (!target.empty() && options_.fit) {
                picture = DrawFitted(format, bounds);
                if (!picture) {
                    return done(Fail(drawing + ": " + fit_error_));
                }
            }
        } catch (const std::exception& failure) {
            host.TraceError(failure.what());
            return done(Fail(drawing + ": " + failure.what()));
        }
        if (!picture) {
            return done(0);
        }
        const Result<QByteArray> bytes = picture->Finish();
        if (!bytes) {
            return done(Fail(drawing + ": " + bytes.Reason()));
        }
        const std::string_view data(bytes.Value().constData(),
                                    static_cast<std::size_t>(bytes.Value().size()));
        const Status written =
            target == "-" ? WriteStandardOutput(data) : WriteOutputFile(target, data);
        return done(written ? 0 : Fail(written.Reason()));
    }

  private:
    void ApplyView() {
        ResetViewerState();
        for (const char step : options_.zoom_steps) {
            StepZoom(step == '+' ? ZoomDirection::In : ZoomDirection::Out, '.');
        }
        if (options_.scale) {
            Zoom = *options_.scale;
            UpdatePrinterZoom();
        }
        ScrollX = options_.scroll_x;
        ScrollY = options_.scroll_y;
        Printing = options_.printing ? 1 : 0;
    }

    void Attach(HeadlessHost& host, Picture& picture, std::unique_ptr<PaperCanvas>& paper,
                int64_t dx, int64_t dy) {
        Canvas* canvas = &picture.DrawingCanvas();
        if (options_.paper) {
            paper = std::make_unique<PaperCanvas>(*canvas);
            canvas = paper.get();
        }
        if (dx != 0 || dy != 0) {
            shifted_ = std::make_unique<ShiftedCanvas>(*canvas, dx, dy);
            canvas = shifted_.get();
        }
        host.AttachScreenImage(*canvas, [&picture] { picture.Clear(); });
    }

    // The drawing once more, into a picture sized to what it drew.
    std::unique_ptr<Picture> DrawFitted(OutputFormat format, const BoundsCanvas& bounds) {
        const int margin = options_.margin;
        const BoundsCanvas::Box box = bounds.Extents().value_or(BoundsCanvas::Box{0, 0, 0, 0});
        const int64_t width = box.right - box.left + 2 * int64_t{margin};
        const int64_t height = box.bottom - box.top + 2 * int64_t{margin};
        if (width > kMaxPictureSide || height > kMaxPictureSide) {
            fit_error_ = "the whole drawing is " + std::to_string(width) + "x" +
                         std::to_string(height) + " pixels at this zoom, more than " +
                         std::to_string(kMaxPictureSide) + " on a side; zoom out or give --size";
            return nullptr;
        }
        auto picture = std::make_unique<Picture>(
            format, static_cast<int>(std::max<int64_t>(width, 1)),
            static_cast<int>(std::max<int64_t>(height, 1)), options_.paper);
        HeadlessHost host(nullptr, exe_);
        WindowHost* const loading = frmMain;
        frmMain = &host;
        std::unique_ptr<PaperCanvas> paper;
        Attach(host, *picture, paper, margin - box.left, margin - box.top);
        RedrawAll();
        frmMain = loading;
        return picture;
    }

    void Warn(const std::string& drawing, const std::vector<std::string>& lines) const {
        if (options_.quiet) {
            return;
        }
        for (const std::string& line : lines) {
            std::cerr << "ombrix-render: warning: " << drawing << ": " << line << '\n';
        }
    }

    const RenderOptions& options_;
    std::string exe_;
    std::unique_ptr<ShiftedCanvas> shifted_;
    std::string fit_error_;
};

int Run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Result<RenderOptions> parsed = ParseRenderOptions(args);
    if (!parsed) {
        std::cerr << "ombrix-render: " << parsed.Reason() << "; see --help\n";
        return 2;
    }
    const RenderOptions& options = parsed.Value();
    if (options.help || options.version) {
        std::cout << (options.help ? kRenderUsage : kRenderVersion) << (options.help ? "" : "\n");
        return 0;
    }
    MacroLibraryFile = options.library_file;
    const std::string exe = ExecutablePath(argv[0]);
    {
        HeadlessHost probe(nullptr, exe);
        frmMain = &probe;
        const std::string library = MacroLibraryPath();
        frmMain = nullptr;
        for (const std::string& drawing : options.drawings) {
            for (const std::string& input : {drawing, library}) {
                if (!options.output.empty() && options.output != "-" &&
                    SameFile(options.output, input)) {
                    std::cerr << "ombrix-render: -o " << options.output
                              << " names an input of this run; nothing was written\n";
                    return 2;
                }
            }
        }
    }
    std::unique_ptr<QGuiApplication> application;
    if (options.WritesPictures()) {
        // Drawn offscreen whatever platform the environment names: no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    Renderer renderer(options, exe);
    if (options.output_folder.empty()) {
        StandardOutputBuffer output;
        std::ostream trace(&output);
        const int status = renderer.Render(options.drawings.front(), options.output,
                                           options.trace ? &trace : nullptr);
        if (const Status written = output.Finish(); !written) {
            return Fail(written.Reason());
        }
        return status;
    }

    std::error_code ec;
    std::filesystem::create_directories(options.output_folder, ec);
    const std::string extension = ExtensionOf(options.format.value_or(OutputFormat::Png));
    const bool progress = ::isatty(STDERR_FILENO) == 1;
    int failed = 0;
    const std::size_t total = options.drawings.size();
    for (std::size_t i = 0; i < total; ++i) {
        const std::string& drawing = options.drawings[i];
        if (progress) {
            std::cerr << '[' << (i + 1) << '/' << total << "] " << drawing << '\n';
        }
        const std::string target =
            (std::filesystem::path(options.output_folder) / (BaseName(drawing) + "." + extension))
                .string();
        failed += renderer.Render(drawing, target, nullptr) != 0 ? 1 : 0;
    }
    if (failed > 0) {
        std::cerr << "ombrix-render: " << failed << " of " << total << " drawings failed\n";
    }
    return failed > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
