#pragma once

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

#include "platform/qpainter_canvas.h"

class PrintJobError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One print job at a time on one printer, with the canvas that draws its single page. The
// canvas exists for the whole run and draws only while a job is open.
class PrintJob {
  public:
    explicit PrintJob(QPrinter& printer);

    // Opens the job and its page; fails when a job is open already or the printer refuses.
    void BeginDoc();
    // Ends the page and sends the job; fails when no job is open.
    void EndDoc();
    // Drops an open job without printing it.
    void Abort();
    bool IsOpen() const { return painter_.isActive(); }

    QPainterCanvas& Canvas() { return canvas_; }

  private:
    QPrinter& printer_;
    QPainter painter_;
    QPainterCanvas canvas_;
};
