#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <ostream>

#include "platform/canvas_fan.h"
#include "platform/host_trace.h"
#include "platform/print_job.h"
#include "platform/qpainter_canvas.h"
#include "platform/window_host.h"

class PaintBox;
class QFileDialog;
class QLineEdit;
class QPrintDialog;
class QPushButton;
class QScrollBar;
class ViewerDialogs;

// Distances of the paint box from the window's right edge (frame included) and from the bottom
// of its client area, measured once when the form is created.
extern int32_t MarginRight;
extern int32_t MarginBottom;

// Fits the drawing area, its scroll bars and the background to the window's size.
void LayoutControls();

// The viewer's one window. Its handlers forward to the drawing core, which reaches the window
// back through frmMain.
class TfrmMain : public QWidget, public WindowHost {
  public:
    // The window system's frame around the client area, in pixels: a 4-pixel border on each
    // side and a 19-pixel caption bar. The form's outer size is its client size plus these.
    static constexpr int kFrameWidth = 8;
    static constexpr int kFrameHeight = 27;

    explicit TfrmMain(ViewerDialogs& dialogs, QWidget* parent = nullptr);
    ~TfrmMain() override;

    PaintBox* pbScreen;
    QWidget* shBack;
    QPushButton* btnZoomPlus;
    QPushButton* btnZoomMinus;
    QLineEdit* txtZoom;
    QScrollBar* scrLeftRight;
    QScrollBar* scrTopDown;
    QPushButton* btnLoad;
    QPushButton* btnSave;
    QPushButton* btnSaveAs;
    QFileDialog* OpenDialog;
    QPrintDialog* prnDialog;
    QPushButton* btnPrint;

    void FormCreate(QObject* Sender);
    void Button1Click(QObject* Sender);
    void btnZoomPlusClick(QObject* Sender);
    void btnZoomMinusClick(QObject* Sender);
    void scrLeftRightChange(QObject* Sender);
    void scrTopDownChange(QObject* Sender);
    void btnLoadClick(QObject* Sender);
    void WinResize(QObject* Sender);
    void btnPrintClick(QObject* Sender);

    // The outer width, frame included, and the height of the client area.
    int Width() const { return width() + kFrameWidth; }
    int ClientHeight() const { return height(); }

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    int MessageBox(const std::string& text, const std::string& caption, int flags) override;
    void RepaintDrawingArea() override;
    Canvas& ScreenCanvas() override;
    Canvas& PrinterCanvas() override { return printer_fan_; }
    std::string ExeName() const override;

    // The picture of the drawing area as the last redraw left it.
    const QImage& ScreenImage();
    QPrinter& Printer() { return printer_; }
    // Writes every host event and draw call to out, as the export tool's trace does.
    void AttachTrace(std::ostream& out);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    using Handler = void (TfrmMain::*)(QObject*);

    void CreateComponents();
    void Dispatch(Handler handler, QObject* sender);
    void BindHandler(QObject* component, const char* handler);
    void StepZoom(bool zoom_in);
    void BeginScreenPainting();
    void EndScreenPainting();

    ViewerDialogs& dialogs_;
    bool margins_measured_ = false;
    std::string caption_;

    QImage screen_image_;
    QPainter screen_painter_;
    QPainterCanvas screen_canvas_;
    CanvasFan screen_fan_;

    QPrinter printer_;
    PrintJob print_job_;
    CanvasFan printer_fan_;

    std::unique_ptr<HostTrace> trace_;
    QString last_file_;
    QString last_filter_;
};
