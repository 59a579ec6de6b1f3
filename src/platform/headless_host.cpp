#include "platform/headless_host.h"

HeadlessHost::HeadlessHost(std::ostream* trace, std::string exe_name)
    : trace_(trace), exe_name_(std::move(exe_name)) {
    if (trace_ != nullptr) {
        screen_trace_ = std::make_unique<TraceCanvas>(*trace_, "screen");
        printer_trace_ = std::make_unique<TraceCanvas>(*trace_, "printer");
        screen_.Add(*screen_trace_);
        printer_.Add(*printer_trace_);
    }
}

void HeadlessHost::AttachScreenImage(Canvas& image, std::function<void()> clear) {
    screen_.Add(image);
    clear_image_ = std::move(clear);
}

void HeadlessHost::TraceError(const std::string& message) {
    if (trace_ != nullptr) {
        *trace_ << "error " << TraceString(message) << '\n';
    }
}

void HeadlessHost::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (trace_ != nullptr) {
        *trace_ << "host Caption " << TraceString(caption) << '\n';
    }
}

int HeadlessHost::MessageBox(const std::string& text, const std::string& caption, int flags) {
    if (trace_ != nullptr) {
        *trace_ << "host MessageBox " << TraceString(text) << ' ' << TraceString(caption) << ' '
                << flags << '\n';
    }
    return kAnswerOk;
}

void HeadlessHost::RepaintDrawingArea() {
    if (trace_ != nullptr) {
        *trace_ << "screen Repaint\n";
    }
    if (clear_image_) {
        clear_image_();
    }
}
