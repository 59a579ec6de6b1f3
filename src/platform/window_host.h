#pragma once

#include <string>

class Canvas;

inline constexpr int kMessageBoxOk = 0;        // one OK button
inline constexpr int kMessageBoxOkCancel = 1;  // OK and Cancel
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

// What the drawing core asks of the window it draws in. The viewer's main window provides it;
// the export tool and the tests provide it without a window.
class WindowHost {
  public:
    virtual ~WindowHost() = default;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Shows a modal message box and returns the answer (kAnswerOk or kAnswerCancel).
    virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
    // Clears the drawing area to black before the scene is drawn again.
    virtual void RepaintDrawingArea() = 0;
    virtual Canvas& ScreenCanvas() = 0;
    // Exists for the whole run; figures reach it only while a print job is open.
    virtual Canvas& PrinterCanvas() = 0;
    // Full file name of the running program; the macro library lies beside it.
    virtual std::string ExeName() const = 0;
};

extern WindowHost* frmMain;
