#include "app/tfrm_main.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
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
#include "model/drawing_loader.h"
#include "platform/viewer_dialogs.h"
#include "render/primitive_renderer.h"
#include "render/scene_redraw.h"
#include "render/view_transform.h"
#include "render/zoom_step.h"

int32_t MarginRight = 0;
int32_t MarginBottom = 0;

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
      printer_(QPrinter::HighResolution),
      print_job_(printer_) {
    frmMain = this;
    screen_fan_.Add(screen_canvas_);
    printer_fan_.Add(print_job_.Canvas());
    CreateComponents();
    FormCreate(this);
}

TfrmMain::~TfrmMain() {
    EndScreenPainting();
    print_job_.Abort();
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
                OpenDialog = new QFileDialog(this);
                OpenDialog->setObjectName(c.name);
                OpenDialog->setOption(QFileDialog::DontUseNativeDialog);
                continue;
            case ComponentKind::PrintDialog:
                printer_.setCopyCount(kPrintCopies);
                prnDialog = new QPrintDialog(&printer_, this);
                prnDialog->setObjectName(c.name);
                // Printing to a PDF file is the only printer many Linux desktops have.
                prnDialog->setOptions(QAbstractPrintDialog::PrintToFile);
                continue;
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

void TfrmMain::BindHandler(QObject* component, const char* handler) {
    if (handler == nullptr) {
        return;
    }
    static constexpr std::pair<std::string_view, Handler> kHandlers[] = {
        {"btnZoomPlusClick", &TfrmMain::btnZoomPlusClick},
        {"btnZoomMinusClick", &TfrmMain::btnZoomMinusClick},
        {"scrLeftRightChange", &TfrmMain::scrLeftRightChange},
        {"scrTopDownChange", &TfrmMain::scrTopDownChange},
        {"btnLoadClick", &TfrmMain::btnLoadClick},
        {"btnPrintClick", &TfrmMain::btnPrintClick},
    };
    for (const auto& [name, member] : kHandlers) {
        if (name != handler) {
            continue;
        }
        if (auto* button = qobject_cast<QPushButton*>(component)) {
            connect(button, &QPushButton::clicked, this,
                    [this, button, member] { Dispatch(member, button); });
        } else if (auto* bar = qobject_cast<QScrollBar*>(component)) {
            // valueChanged fires on a change of position only, never for an arrow at its end.
            connect(bar, &QScrollBar::valueChanged, this,
                    [this, bar, member] { Dispatch(member, bar); });
        }
    }
}

void TfrmMain::Dispatch(Handler handler, QObject* sender) {
    // Errors must not unwind through Qt's event delivery, which is not built for it: they are
    // shown here, in the standard error box, and the program goes on.
    try {
        (this->*handler)(sender);
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
    last_file_ = *chosen;
    last_filter_ = OpenDialog->selectedNameFilter();
    const std::string file_name = QFile::encodeName(*chosen).toStdString();
    SetCaption("Ombrix: " + file_name);
    if (!LoadDrawing(file_name)) {
        MessageBox("Error in loading...", " Error", kMessageBoxOkCancel);
    }
}

void TfrmMain::WinResize(QObject*) {
    Printing = 0;
    LayoutControls();
    RedrawAll();
}

void TfrmMain::btnPrintClick(QObject*) {
    if (!dialogs_.ConfirmPrint(*prnDialog)) {
        return;
    }
    Printing = 1;
    try {
        print_job_.BeginDoc();
        RedrawAll();
        print_job_.EndDoc();
    } catch (...) {
        // A failed job is dropped, so the next Print starts afresh.
        print_job_.Abort();
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
