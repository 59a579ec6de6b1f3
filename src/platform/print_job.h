#pragma once

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

#include "qt_canvas/qpainter_canvas.h"

class PrintJobError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One print job at a time on one printer, with the canvas that draws its single page. The
// canvas lives longer than the job and draws only while a job is open.
class PrintJob {
  public:
    PrintJob(QPrinter& printer, QPainterCanvas& canvas);

    // The printer canvas before anything is set: black pen, brush and text. The drawing sets
    // only the screen's colours, so filled figures come out filled on paper.
    static constexpr QPainterCanvas::Defaults kPrinterDefaults{kBlack, kBlack, kBlack, true};

    // Opens the job and its page; fails when a job is open already or the printer refuses.
    void BeginDoc();
    // Ends the page and sends the job; fails when no job is open.
    void EndDoc();
    // Drops an open job without printing it.
    void Abort();
    bool IsOpen() const { return painter_.isActive(); }

  private:
    QPrinter& printer_;
    QPainterCanvas& canvas_;
    QPainter painter_;
};
