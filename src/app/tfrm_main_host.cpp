#include <QCoreApplication>
#include <QFile>

#include "app/paint_box.h"
#include "app/tfrm_main.h"
#include "platform/viewer_dialogs.h"
#include "qt_canvas/drawing_text.h"

// The services the drawing core asks of the window: its caption, message boxes, and the two
// canvases, with the image that keeps the drawing area's picture.

void TfrmMain::SetCaption(const std::string& caption) {
    caption_ = caption;
    setWindowTitle(DrawingText(caption));
    if (trace_) {
        trace_->Caption(caption);
    }
}

int TfrmMain::MessageBox(const std::string& text, const std::string& caption, int flags,
                         const std::string& informative) {
    if (trace_) {
        trace_->MessageBox(text, caption, flags);
    }
    return dialogs_.MessageBox(this, QString::fromLocal8Bit(text.c_str()),
                               QString::fromLocal8Bit(caption.c_str()), flags,
                               QString::fromLocal8Bit(informative.c_str()));
}

void TfrmMain::RepaintDrawingArea() {
    if (trace_) {
        trace_->Repaint();
    }
    EndScreenPainting();
    const QSize size = pbScreen->size();
    if (size.isEmpty()) {
        screen_image_ = QImage();
    } else if (screen_image_.size() != size) {
        screen_image_ = QImage(size, QImage::Format_RGB32);
    }
    if (!screen_image_.isNull()) {
        screen_image_.fill(Qt::black);
    }
}

void TfrmMain::BeginDrawing() {
    if (!screen_painter_.isActive() && !screen_image_.isNull()) {
        screen_painter_.begin(&screen_image_);
        screen_canvas_.Attach(&screen_painter_);
    }
}

void TfrmMain::EndDrawing() {
    EndScreenPainting();
    pbScreen->update();  // once per redraw: the paint box shows the finished picture
}

Canvas& TfrmMain::ScreenCanvas() {
    // The fan only when a trace listens too: every call saved counts in a redraw.
    if (trace_) {
        return screen_fan_;
    }
    return screen_canvas_;
}

Canvas& TfrmMain::PrinterCanvas() {
    if (trace_) {
        return printer_fan_;
    }
    return printer_canvas_;
}

std::string TfrmMain::ExeName() const {
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

const QImage& TfrmMain::ScreenImage() {
    EndScreenPainting();
    return screen_image_;
}

void TfrmMain::AttachTrace(std::ostream& out) {
    trace_ = std::make_unique<HostTrace>(out);
    screen_fan_.Add(trace_->Screen());
    printer_fan_.Add(trace_->Printer());
}

void TfrmMain::EndScreenPainting() {
    if (screen_painter_.isActive()) {
        screen_canvas_.Detach();
        screen_painter_.end();
    }
}
