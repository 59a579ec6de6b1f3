#pragma once

#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>

#include "headless/canvas_fan.h"
#include "headless/host_trace.h"
#include "model/viewer_state.h"
#include "platform/print_job.h"
#include "qt_canvas/qpainter_canvas.h"
#include "render/window_host.h"

class PaintBox;
class QDragEnterEvent;
class QDropEvent;
class QFileSystemWatcher;
class QMouseEvent;
class QTimer;
class QWheelEvent;
class QFileDialog;
class QLineEdit;
class QPrintDialog;
class QPushButton;
class QScrollBar;
class ViewerDialogs;

// Fits the drawing area, its scroll bars and the background to the window's size.
void LayoutControls();

// The viewer's one window. Its handlers forward to the drawing core, which reaches the window
// back through frmMain.
class TfrmMain : public QWidget, public WindowHost {
  public:
    using Handler = void (TfrmMain::*)(QObject*);

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
    // Created when first used, so that the window shows without waiting for them.
    QFileDialog* OpenDialog = nullptr;
    QPrintDialog* prnDialog = nullptr;
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
    int MessageBox(const std::string& text, const std::string& caption, int flags,
                   const std::string& informative = {}) override;
    void RepaintDrawingArea() override;
    void BeginDrawing() override;
    void EndDrawing() override;
    Canvas& ScreenCanvas() override;
    Canvas& PrinterCanvas() override;
    std::string ExeName() const override;

    // Opens a file as Load does once its dialog has chosen it: the command line, a drop and the
    // dialog all come here.
    void OpenChosenFile(const QString& path);
    // Loads the current file again as Load does (F5).
    void Reload();
    // The file on show, or empty.
    const QString& CurrentFile() const { return current_file_; }

    // The picture of the drawing area as the last redraw left it.
    const QImage& ScreenImage();
    // The high-resolution printer, made at its first use.
    QPrinter& Printer();
    // Writes every host event and draw call to out, as the export tool's trace does.
    void AttachTrace(std::ostream& out);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateComponents();
    void Dispatch(Handler handler, QObject* sender);
    void Run(const std::function<void()>& action);
    void AddDesktopHabits();
    void WatchFile(const QString& path);
    void ReadAgainIfChanged();
    bool WheelOverDrawing(QWheelEvent* event);
    bool DragOverDrawing(QMouseEvent* event);
    void BindHandler(QObject* component, Handler handler);
    void StepZoom(bool zoom_in);
    QFileDialog& OpenDialogComponent();
    QPrintDialog& PrintDialogComponent();
    PrintJob& Job();
    void SuggestPdfName();
    void EndScreenPainting();

    ViewerDialogs& dialogs_;
    bool margins_measured_ = false;
    std::string caption_;

    QImage screen_image_;
    QPainter screen_painter_;
    QPainterCanvas screen_canvas_;
    CanvasFan screen_fan_;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrintJob> print_job_;
    QPainterCanvas printer_canvas_;
    CanvasFan printer_fan_;

    std::unique_ptr<HostTrace> trace_;
    QString last_file_;
    QString last_filter_;

    QString current_file_;
    QString suggested_pdf_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* settle_ = nullptr;
    struct Seen {
        qint64 size = -1;
        QDateTime modified;
        quint64 inode = 0;
        bool operator==(const Seen&) const = default;
    } seen_;
    static Seen SeenOf(const QString& path);
    int wheel_zoom_ = 0;  // eighths of a degree not yet turned into a zoom step
    int wheel_scroll_ = 0;
    bool dragging_ = false;
    QPoint drag_start_;
    int drag_bar_x_ = 0;
    int drag_bar_y_ = 0;
};
