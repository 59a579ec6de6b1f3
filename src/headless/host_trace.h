#pragma once

#include <ostream>
#include <string>

#include "headless/trace_canvas.h"

// The trace of a window: its host lines and the canvases of its two surfaces.
class HostTrace {
  public:
    explicit HostTrace(std::ostream& out)
        : out_(out), screen_(out, "screen"), printer_(out, "printer") {}

    void Caption(const std::string& caption) {
        out_ << "host Caption " << TraceString(caption) << '\n';
    }
    void MessageBox(const std::string& text, const std::string& caption, int flags) {
        out_ << "host MessageBox " << TraceString(text) << ' ' << TraceString(caption) << ' '
             << flags << '\n';
    }
    void Repaint() { out_ << "screen Repaint\n"; }
    void Error(const std::string& message) { out_ << "error " << TraceString(message) << '\n'; }

    Canvas& Screen() { return screen_; }
    Canvas& Printer() { return printer_; }

  private:
    std::ostream& out_;
    TraceCanvas screen_;
    TraceCanvas printer_;
};
