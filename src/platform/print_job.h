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

    // The printer canvas as a fresh printer has it: a black pen, a white brush and black text.
    static constexpr QPainterCanvas::Defaults kPrinterDefaults{kBlack, kWhite, kBlack, true};

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
