#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "headless/canvas_fan.h"
#include "headless/host_trace.h"
#include "render/window_host.h"

// The window services without a window: the caption is kept, message boxes are answered OK,
// and everything is written to an optional trace. A screen image can be attached.
class HeadlessHost : public WindowHost {
  public:
    HeadlessHost(std::ostream* trace, std::string exe_name);

    // The image canvas receives every screen call; clear paints the drawing area black.
    void AttachScreenImage(Canvas& image, std::function<void()> clear);
    // Traced as the last line of a redraw that an exception ended.
    void TraceError(const std::string& message);

    std::string Caption() const override { return caption_; }
    // The informative text of the last message box.
    const std::string& LastInformativeText() const { return informative_; }
    void SetCaption(const std::string& caption) override;
    int MessageBox(const std::string& text, const std::string& caption, int flags,
                   const std::string& informative = {}) override;
    void RepaintDrawingArea() override;
    Canvas& ScreenCanvas() override { return screen_; }
    Canvas& PrinterCanvas() override { return printer_; }
    std::string ExeName() const override { return exe_name_; }

  private:
    std::unique_ptr<HostTrace> trace_;
    std::string exe_name_;
    std::string caption_ = kMainFormCaption;
    CanvasFan screen_;
    CanvasFan printer_;
    std::function<void()> clear_image_;
    std::string informative_;
};
