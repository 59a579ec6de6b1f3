#pragma once

#include <string>

class Canvas;

inline constexpr int kMessageBoxOk = 0;        // one OK button
inline constexpr int kMessageBoxOkCancel = 1;  // OK and Cancel
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

// The main window's caption before anything is loaded.
inline constexpr const char* kMainFormCaption = "frmMain";

// What the drawing core asks of the window it draws in. The viewer's main window provides it;
// the export tool and the tests provide it without a window.
class WindowHost {
  public:
    virtual ~WindowHost() = default;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Shows a modal message box and returns the answer (kAnswerOk or kAnswerCancel); a
    // non-empty informative text is shown below the text.
    virtual int MessageBox(const std::string& text, const std::string& caption, int flags,
                           const std::string& informative = {}) = 0;
    // Clears the drawing area to black before the scene is drawn again.
    virtual void RepaintDrawingArea() = 0;
    // A redraw's figures reach the screen canvas between these two calls; see DrawingScope.
    virtual void BeginDrawing() {}
    virtual void EndDrawing() {}
    virtual Canvas& ScreenCanvas() = 0;
    // Exists for the whole run; figures reach it only while a print job is open.
    virtual Canvas& PrinterCanvas() = 0;
    // Full file name of the running program; the macro library lies beside it.
    virtual std::string ExeName() const = 0;
};

extern WindowHost* frmMain;

// Opens the window's drawing for the figures of one redraw and closes it again, also when an
// error ends the redraw early.
class DrawingScope {
  public:
    explicit DrawingScope(WindowHost& host) : host_(host) { host_.BeginDrawing(); }
    ~DrawingScope() { host_.EndDrawing(); }
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

  private:
    WindowHost& host_;
};
