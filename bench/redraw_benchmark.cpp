// The redraw, measured side by side in one process: the window as it draws, the core alone
// into a canvas that does nothing, the painting floor (the same device calls replayed straight
// onto a QPainter), and the export tool's image, at three zooms; then how the core scales.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_api.h"
#include "recording_canvas.h"

namespace {

struct ZoomCase {
    const char* label;
    const char* steps;
};
constexpr ZoomCase kZooms[] = {{"4", ""}, {"whole", "-----"}, {"in3", "+++"}};

std::filesystem::path Examples() {
    return OMBRIX_EXAMPLES;
}

std::filesystem::path Scratch() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "ombrix-bench";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// Written once: a file rewritten before every repetition would be read anew each time.
std::filesystem::path WriteScratch(const std::string& name, const std::string& text) {
    auto path = Scratch() / name;
    std::ifstream in(path, std::ios::binary);
    const std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (old != text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    return path;
}

BenchWorld& World() {
    static BenchWorld world;
    return world;
}

void Prepare(const ZoomCase& zoom, const std::filesystem::path& drawing,
             const std::filesystem::path& library) {
    SetView(zoom.steps);
    LoadQuietly(drawing.string(), library.string());
}

void StressAt(const ZoomCase& zoom) {
    Prepare(zoom, Examples() / "stress.obx", Examples() / "standard.mcr");
}

void WindowRedraw(benchmark::State& state, ZoomCase zoom) {
    StressAt(zoom);
    for (auto _ : state) {
        World().RedrawInWindow();
    }
}

void CoreRedraw(benchmark::State& state, ZoomCase zoom) {
    StressAt(zoom);
    for (auto _ : state) {
        World().RedrawIntoNothing();
    }
}

void FloorRedraw(benchmark::State& state, ZoomCase zoom) {
    StressAt(zoom);
    const std::vector<RecordingCanvas::Call> calls = World().Record();
    QImage image(521, 305, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        ReplayOnto(image, calls);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void ExportRedraw(benchmark::State& state, ZoomCase zoom) {
    StressAt(zoom);
    for (auto _ : state) {
        World().RedrawIntoExportImage();
    }
}

void ExportPngSave(benchmark::State& state) {
    StressAt(kZooms[0]);
    World().RedrawIntoExportImage();
    const QImage image = World().ExportImage().copy();  // as the tool saves it: painting ended
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(WritePng(image, buffer));
    }
}

std::string Figures(int count) {
    static const char* const kFigures[] = {"LI {x} {y} {x2} {y2}", "RV {x} {y} {x2} {y2}",
                                           "EP {x} {y} {x2} {y2}", "TE {x} {y} n"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string line = kFigures[i % 4];
        const int x = (i % 40) * 5, y = (i / 40) * 3;
        for (const auto& [key, value] :
             std::map<std::string, int>{{"{x}", x}, {"{y}", y}, {"{x2}", x + 3}, {"{y2}", y + 2}}) {
            for (std::size_t at; (at = line.find(key)) != std::string::npos;) {
                line.replace(at, key.size(), std::to_string(value));
            }
        }
        text += line + '\n';
    }
    return text;
}

std::string Placements(int count, int blocks) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "MC " + std::to_string(200 + (i % 40) * 20) + ' ' + std::to_string((i / 40) * 20) +
                ' ' + std::to_string(i % 4) + ' ' + std::to_string(i % 3) + ' ' +
                std::to_string(1 + i % blocks) + '\n';
    }
    return text;
}

void ScaledPrimitives(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Prepare(kZooms[0], WriteScratch("figures.obx", Figures(count)), Examples() / "standard.mcr");
    for (auto _ : state) {
        World().RedrawIntoNothing();
    }
}

void ScaledPlacements(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Prepare(kZooms[0], WriteScratch("placements.obx", Placements(count, 19)),
            Examples() / "standard.mcr");
    for (auto _ : state) {
        World().RedrawIntoNothing();
    }
}

// A library of 1000 blocks of five lines, with ten placements: what the library alone costs.
void LargeLibrary(benchmark::State& state) {
    std::string library = "A generated library.\n";
    for (int n = 0; n < 1000; ++n) {
        library += "[" + std::to_string(n) + "] block\n";
        library += "LI 92 100 95 100\nRV 95 98 105 102\nLI 105 100 108 100\n";
        library += "EV 97 97 103 103\nTE 96 90 B\n";
    }
    Prepare(kZooms[0], WriteScratch("ten.obx", Placements(10, 999)),
            WriteScratch("large.mcr", library));
    for (auto _ : state) {
        World().RedrawIntoNothing();
    }
}

// The viewer started as a user starts it, until its drawing area is first painted; counted from
// the start of the process, or from its main function.
void FirstFrame(benchmark::State& state, bool from_main) {
    const std::string viewer = (QCoreApplication::applicationDirPath() + "/ombrix").toStdString();
    for (auto _ : state) {
        const auto took = StartViewerUntilFirstFrame(viewer);
        if (!took) {
            state.SkipWithError("the viewer did not paint a first frame");
            return;
        }
        state.SetIterationTime((from_main ? took->from_main : took->from_exec).count());
    }
}

// Prints one row per benchmark, its median and spread over the interleaved repetitions, and
// keeps the medians for the summary lines that scripts read.
class SummaryReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate) {
                continue;
            }
            const std::string name = run.run_name.str();
            if (run.aggregate_name == "median") {
                medians_[name] = run.GetAdjustedRealTime();
            } else if (run.aggregate_name == "cv") {
                spreads_[name] = run.real_accumulated_time;  // a fraction, not a time
            }
        }
    }
    void PrintSummary() const {
        std::printf("%-32s %12s %8s\n", "benchmark", "median", "cv");
        for (const auto& [name, median] : medians_) {
            const auto spread = spreads_.find(name);
            std::printf("%-32s %9.1f us %7.1f%%\n", name.c_str(), median,
                        spread == spreads_.end() ? 0.0 : spread->second * 100.0);
        }
        std::printf("\n");
        for (const ZoomCase& zoom : kZooms) {
            const std::string label = zoom.label;
            const auto window = medians_.find("window/zoom=" + label);
            const auto floor = medians_.find("floor/zoom=" + label);
            if (window != medians_.end() && floor != medians_.end() && floor->second > 0) {
                std::printf("window/floor zoom=%s: %.2f\n", ZoomFactorAfter(zoom.steps).c_str(),
                            window->second / floor->second);
            }
        }
        if (const auto core = medians_.find("core/zoom=4"); core != medians_.end()) {
            std::printf("core-only redraw: %.0f us\n", core->second);
        }
        const auto exec = medians_.find("startup/first-frame-from-exec/iterations:3/manual_time");
        const auto main = medians_.find("startup/first-frame-from-main/iterations:3/manual_time");
        if (exec != medians_.end() && main != medians_.end()) {
            std::printf("first frame: %.1f ms after the process starts, %.1f ms after main\n",
                        exec->second / 1000.0, main->second / 1000.0);
        }
    }

  private:
    std::map<std::string, double> medians_;
    std::map<std::string, double> spreads_;
};

template <typename... Args>
benchmark::internal::Benchmark* Register(const std::string& name, Args&&... args) {
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    World().Start();

    for (const ZoomCase& zoom : kZooms) {
        const std::string at = std::string("/zoom=") + zoom.label;
        Register("window" + at, WindowRedraw, zoom);
        Register("core" + at, CoreRedraw, zoom);
        Register("floor" + at, FloorRedraw, zoom);
        Register("export" + at, ExportRedraw, zoom);
    }
    Register("export/png-save", ExportPngSave);
    Register("core/primitives", ScaledPrimitives)->Arg(10)->Arg(100)->Arg(1000);
    Register("core/placements", ScaledPlacements)->Arg(10)->Arg(100)->Arg(1000);
    Register("core/library-1000-blocks", LargeLibrary);
    Register("startup/first-frame-from-exec", FirstFrame, false)->UseManualTime()->Iterations(3);
    Register("startup/first-frame-from-main", FirstFrame, true)->UseManualTime()->Iterations(3);

    // Interleaved repetitions by default, so a noisy neighbour spreads over every row alike.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string report = "--benchmark_report_aggregates_only=true";
    std::string min_time = "--benchmark_min_time=0.05";
    args.insert(args.begin() + 1,
                {repetitions.data(), interleave.data(), report.data(), min_time.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    World().Stop();
    return 0;
}
