#include "app/tfrm_main.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "app/form_definition.h"
#include "app/paint_box.h"
#include "model/viewer_state.h"
#include "platform/viewer_dialogs.h"
#include "render/view_transform.h"
#include "render/zoom_step.h"
#include "scene/load_command.h"
#include "scene/scene_redraw.h"

namespace {

constexpr const char* kOpenFilter =
    "Ombrix Files (*.obx)|*.obx|Macro files (*.mcd)|*.mcd|ALl files (*.*)|*.*";

// Each setter changes one bound and keeps the other three, as the layout expects. A size below
// zero, from a window smaller than its margins, shows as nothing.
void SetLeft(QWidget* w, int left) {
    w->move(left, w->y());
}
void SetTop(QWidget* w, int top) {
    w->move(w->x(), top);
}
void SetWidth(QWidget* w, int width) {
    w->resize(std::max(width, 0), w->height());
}
void SetHeight(QWidget* w, int height) {
    w->resize(w->width(), std::max(height, 0));
}

// "Description|pattern|..." as Qt's file dialog names its filters.
QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.contains("(" + pattern + ")") ? description
                                                              : description + " (" + pattern + ")");
    }
    return filters;
}

char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

TfrmMain& Form() {
    return *static_cast<TfrmMain*>(frmMain);
}

}  // namespace

void LayoutControls() {
    TfrmMain& form = Form();
    SetWidth(form.pbScreen, form.Width() - form.pbScreen->x() - MarginRight);
    SetHeight(form.pbScreen, form.ClientHeight() - form.pbScreen->y() - MarginBottom);
    SetLeft(form.scrTopDown, form.Width() - MarginRight);
    SetHeight(form.scrTopDown, form.pbScreen->height());
    SetTop(form.scrLeftRight, form.ClientHeight() - MarginBottom);
    SetWidth(form.scrLeftRight, form.pbScreen->width());
    SetTop(form.shBack, form.pbScreen->y());
    SetLeft(form.shBack, form.pbScreen->x());
    SetWidth(form.shBack, form.pbScreen->width());
    SetHeight(form.shBack, form.pbScreen->height());
}

TfrmMain::TfrmMain(ViewerDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      screen_canvas_(QPainterCanvas::kScreenDefaults),
      printer_canvas_(PrintJob::kPrinterDefaults) {
    frmMain = this;
    screen_fan_.Add(screen_canvas_);
    printer_fan_.Add(printer_canvas_);
    CreateComponents();
    FormCreate(this);
    AddDesktopHabits();
}

TfrmMain::~TfrmMain() {
    EndScreenPainting();
    if (print_job_) {
        print_job_->Abort();
    }
    if (frmMain == this) {
        frmMain = nullptr;
    }
}

void TfrmMain::CreateComponents() {
    QWidget* tab_chain[9] = {};
    for (const ComponentDefinition& c : kFormDefinition) {
        const QString caption = QString::fromLatin1(c.caption);
        QWidget* widget = nullptr;
        switch (c.kind) {
            case ComponentKind::Form:
                setObjectName(c.name);
                caption_ = c.caption;
                setWindowTitle(caption);
                setFont(QPainterCanvas::BaseFont());
                move(c.left, c.top);
                resize(c.width - kFrameWidth, c.height - kFrameHeight);
                continue;
            case ComponentKind::PaintBox:
                widget = pbScreen =
                    new PaintBox(this, [this]() -> const QImage& { return ScreenImage(); });
                break;
            case ComponentKind::Shape: {
                widget = shBack = new QWidget(this);
                QPalette palette = shBack->palette();
                palette.setColor(QPalette::Window, Qt::black);
                shBack->setPalette(palette);
                shBack->setAutoFillBackground(true);
                break;
            }
            case ComponentKind::Button:
            case ComponentKind::BitButton: {
                auto* button = new QPushButton(caption, this);
                button->setIcon(GlyphIcon(c.glyph));
                button->setIconSize(QSize(16, 16));
                widget = button;
                static constexpr std::pair<std::string_view, QPushButton * TfrmMain::*> kButtons[] =
                    {
                        {"btnZoomPlus", &TfrmMain::btnZoomPlus},
                        {"btnZoomMinus", &TfrmMain::btnZoomMinus},
                        {"btnLoad", &TfrmMain::btnLoad},
                        {"btnSave", &TfrmMain::btnSave},
                        {"btnSaveAs", &TfrmMain::btnSaveAs},
                        {"btnPrint", &TfrmMain::btnPrint},
                    };
                for (const auto& [name, field] : kButtons) {
                    if (name == c.name) {
                        this->*field = button;
                    }
                }
                break;
            }
            case ComponentKind::Edit:
                widget = txtZoom = new QLineEdit(caption, this);
                break;
            case ComponentKind::HorizontalBar:
            case ComponentKind::VerticalBar: {
                auto* bar = new QScrollBar(
                    c.kind == ComponentKind::HorizontalBar ? Qt::Horizontal : Qt::Vertical, this);
                bar->setRange(kScrollMin, kScrollMax);
                bar->setSingleStep(kScrollSmallChange);
                bar->setPageStep(kScrollLargeChange);
                bar->setValue(0);
                (c.kind == ComponentKind::HorizontalBar ? scrLeftRight : scrTopDown) = bar;
                widget = bar;
                break;
            }
            case ComponentKind::OpenDialog:
            case ComponentKind::PrintDialog:
                continue;  // made at their first use
        }
        widget->setObjectName(c.name);
        widget->setGeometry(c.left, c.top, c.width, c.height);
        if (c.tab_order >= 0) {
            tab_chain[c.tab_order] = widget;
            widget->setFocusPolicy(Qt::StrongFocus);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        BindHandler(widget, c.on_click);
    }
    shBack->lower();
    for (std::size_t i = 1; i < std::size(tab_chain); ++i) {
        setTabOrder(tab_chain[i - 1], tab_chain[i]);
    }
}

void TfrmMain::BindHandler(QObject* component, Handler handler) {
    if (handler == nullptr) {
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(component)) {
        connect(button, &QPushButton::clicked, this,
                [this, button, handler] { Dispatch(handler, button); });
    } else if (auto* bar = qobject_cast<QScrollBar*>(component)) {
        // valueChanged fires on a change of position only, never for an arrow at its end.
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar, handler] { Dispatch(handler, bar); });
    }
}

QFileDialog& TfrmMain::OpenDialogComponent() {
    if (OpenDialog == nullptr) {
        OpenDialog = new QFileDialog(this);
        OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
        OpenDialog->setOption(QFileDialog::DontUseNativeDialog);
    }
    return *OpenDialog;
}

QPrinter& TfrmMain::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setCopyCount(kPrintCopies);
    }
    return *printer_;
}

QPrintDialog& TfrmMain::PrintDialogComponent() {
    if (prnDialog == nullptr) {
        prnDialog = new QPrintDialog(&Printer(), this);
        prnDialog->setObjectName(QStringLiteral("prnDialog"));
        // Printing to a PDF file is the only printer many Linux desktops have.
        prnDialog->setOptions(QAbstractPrintDialog::PrintToFile);
    }
    return *prnDialog;
}

void TfrmMain::SuggestPdfName() {
    // Printing to a file suggests the drawing's own name beside it, unless the user chose one.
    QPrinter& printer = Printer();
    const QString chosen = printer.outputFileName();
    if (current_file_.isEmpty() || (!chosen.isEmpty() && chosen != suggested_pdf_)) {
        return;
    }
    if (printer.outputFormat() != QPrinter::PdfFormat && !printer.printerName().isEmpty()) {
        return;
    }
    const QFileInfo drawing(current_file_);
    suggested_pdf_ = drawing.absolutePath() + "/" + drawing.completeBaseName() + ".pdf";
    printer.setOutputFileName(suggested_pdf_);
}

PrintJob& TfrmMain::Job() {
    if (!print_job_) {
        print_job_ = std::make_unique<PrintJob>(Printer(), printer_canvas_);
    }
    return *print_job_;
}

void TfrmMain::Dispatch(Handler handler, QObject* sender) {
    Run([this, handler, sender] { (this->*handler)(sender); });
}

void TfrmMain::Run(const std::function<void()>& action) {
    // Errors must not unwind through Qt's event delivery, which is not built for it: they are
    // shown here, in the standard error box, and the program goes on.
    try {
        action();
    } catch (const std::exception& error) {
        ShowStandardError(dialogs_, this, error);
    }
}

void TfrmMain::FormCreate(QObject*) {
    MarginRight = Width() - pbScreen->x() - pbScreen->width();
    MarginBottom = ClientHeight() - pbScreen->y() - pbScreen->height();
    margins_measured_ = true;
    LayoutControls();
}

// No component of the form is bound to this handler; the form defines it, so it stays.
void TfrmMain::Button1Click(QObject*) {
    RedrawAll();
}

void TfrmMain::StepZoom(bool zoom_in) {
    if (const auto text =
            ::StepZoom(zoom_in ? ZoomDirection::In : ZoomDirection::Out, DecimalSeparator())) {
        txtZoom->setText(QString::fromStdString(*text));
        txtZoom->setCursorPosition(0);  // a long number shows its first digits
    }
    RedrawAll();
}

void TfrmMain::btnZoomPlusClick(QObject*) {
    StepZoom(true);
}
void TfrmMain::btnZoomMinusClick(QObject*) {
    StepZoom(false);
}

void TfrmMain::scrLeftRightChange(QObject*) {
    ScrollX = scrLeftRight->value();
    RedrawAll();
}

void TfrmMain::scrTopDownChange(QObject*) {
    ScrollY = scrTopDown->value();
    RedrawAll();
}

void TfrmMain::btnLoadClick(QObject*) {
    // The dialog keeps the last file and filter; the settings are written anew at every use.
    OpenDialogComponent();
    OpenDialog->setDefaultSuffix(QStringLiteral("obx"));
    OpenDialog->setNameFilters(NameFilters(QString::fromLatin1(kOpenFilter)));
    OpenDialog->setWindowTitle(QStringLiteral("Open ombrix file"));
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    if (!last_filter_.isEmpty()) {
        OpenDialog->selectNameFilter(last_filter_);
    }
    if (!last_file_.isEmpty()) {
        OpenDialog->selectFile(last_file_);
    }
    const std::optional<QString> chosen = dialogs_.ChooseFile(*OpenDialog);
    if (!chosen) {
        return;
    }
    last_filter_ = OpenDialog->selectedNameFilter();
    OpenChosenFile(*chosen);
}

void TfrmMain::OpenChosenFile(const QString& path) {
    last_file_ = path;
    if (LoadDrawingCommand(QFile::encodeName(path).toStdString()).Ok()) {
        WatchFile(path);
    }
}

void TfrmMain::WinResize(QObject*) {
    Printing = 0;
    LayoutControls();
    RedrawAll();
}

void TfrmMain::btnPrintClick(QObject*) {
    SuggestPdfName();
    if (!dialogs_.ConfirmPrint(PrintDialogComponent())) {
        return;
    }
    PrintJob& job = Job();
    Printing = 1;
    try {
        job.BeginDoc();
        RedrawAll();
        job.EndDoc();
    } catch (...) {
        // A failed job is dropped, so the next Print starts afresh.
        job.Abort();
        Printing = 0;
        throw;
    }
    Printing = 0;
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Only once both margins are measured: a layout between the two would spoil the second.
    if (margins_measured_) {
        Dispatch(&TfrmMain::WinResize, this);
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Minimizing and restoring from a minimized window change no size that Qt reports.
    if (event->type() == QEvent::WindowStateChange && margins_measured_) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((change->oldState() ^ windowState()) & Qt::WindowMinimized) {
            Dispatch(&TfrmMain::WinResize, this);
        }
    }
}
