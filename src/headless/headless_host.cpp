#include "headless/headless_host.h"

HeadlessHost::HeadlessHost(std::ostream* trace, std::string exe_name)
    : exe_name_(std::move(exe_name)) {
    if (trace != nullptr) {
        trace_ = std::make_unique<HostTrace>(*trace);
        screen_.Add(trace_->Screen());
        printer_.Add(trace_->Printer());
    }
}

void HeadlessHost::AttachScreenImage(Canvas& image, std::function<void()> clear) {
    screen_.Add(image);
    clear_image_ = std::move(clear);
}

void HeadlessHost::TraceError(const std::string& message) {
    if (trace_) {
        trace_->Error(message);
    }
}

void HeadlessHost::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (trace_) {
        trace_->Caption(caption);
    }
}

int HeadlessHost::MessageBox(const std::string& text, const std::string& caption, int flags,
                             const std::string& informative) {
    informative_ = informative;
    if (trace_) {
        trace_->MessageBox(text, caption, flags);
    }
    return kAnswerOk;
}

void HeadlessHost::RepaintDrawingArea() {
    if (trace_) {
        trace_->Repaint();
    }
    if (clear_image_) {
        clear_image_();
    }
}
