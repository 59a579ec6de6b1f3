#include "platform/print_job.h"

PrintJob::PrintJob(QPrinter& printer, QPainterCanvas& canvas)
    : printer_(printer), canvas_(canvas) {}

void PrintJob::BeginDoc() {
    if (painter_.isActive()) {
        throw PrintJobError("A print job is already open.");
    }
    if (!painter_.begin(&printer_)) {
        throw PrintJobError("The printer could not start the print job.");
    }
    canvas_.Attach(&painter_);
}

void PrintJob::EndDoc() {
    if (!painter_.isActive()) {
        throw PrintJobError("No print job is open.");
    }
    canvas_.Detach();
    if (!painter_.end()) {
        throw PrintJobError("The print job could not be finished.");
    }
}

void PrintJob::Abort() {
    canvas_.Detach();
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}
