#pragma once

#include <QIODevice>
#include <QImage>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "recording_canvas.h"

// The viewer's redraw paths, reached the way the window and the export tool reach them.
class BenchWorld {
  public:
    BenchWorld();
    ~BenchWorld();
    void Start();
    void Stop();

    void RedrawInWindow();
    void RedrawIntoNothing();
    void RedrawIntoExportImage();
    const QImage& ExportImage() const;
    // The device calls of one redraw at the current view.
    std::vector<RecordingCanvas::Call> Record();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Zoom 4 and then the given "+" and "-" steps, scroll 0,0.
void SetView(const std::string& steps);
// The zoom factor those steps give, as the zoom box shows it.
std::string ZoomFactorAfter(const std::string& steps);
// Fills the drawing store from the file, with this macro library, drawing nothing anywhere.
void LoadQuietly(const std::string& drawing, const std::string& library);
// The PNG as the export tool writes it.
bool WritePng(const QImage& image, QIODevice& device);

// How long the viewer, started on the offscreen platform, took to paint its first frame: from
// the start of the process, and from the start of its main function (after Qt's libraries are
// loaded).
struct FirstFrameTimes {
    std::chrono::duration<double> from_exec;
    std::chrono::duration<double> from_main;
};
std::optional<FirstFrameTimes> StartViewerUntilFirstFrame(const std::string& viewer);
