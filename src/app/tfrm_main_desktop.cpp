#include <sys/stat.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

#include "app/app_icon.h"
#include "app/paint_box.h"
#include "app/tfrm_main.h"
#include "model/viewer_state.h"
#include "scene/load_command.h"

// What a desktop user expects of the window beyond its buttons: keys, the wheel, dragging the
// drawing, dropping a file, and a drawing that follows its file. Each of them goes through the
// buttons' handlers and the bars' values, so none can draw differently from a click.

namespace {

constexpr int kNotch = 120;  // eighths of a degree in one wheel notch

}  // namespace

TfrmMain::Seen TfrmMain::SeenOf(const QString& path) {
    const QFileInfo info(path);
    struct stat status {};
    const bool found = ::stat(QFile::encodeName(path).constData(), &status) == 0;
    return {info.exists() ? info.size() : -1, info.lastModified(),
            found ? static_cast<quint64>(status.st_ino) : 0};
}

void TfrmMain::AddDesktopHabits() {
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    // Qt's horizontal bars take Right as a step to the left; on a drawing, Right goes right.
    scrLeftRight->setInvertedControls(false);
    pbScreen->installEventFilter(this);

    const auto shortcut = [this](const QKeySequence& keys, const std::function<void()>& action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, action] { Run(action); });
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { btnLoadClick(btnLoad); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { btnPrintClick(btnPrint); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
        shortcut(keys, [this] { btnZoomPlusClick(btnZoomPlus); });
    }
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { btnZoomMinusClick(btnZoomMinus); });
    shortcut(QKeySequence(Qt::Key_F5), [this] { Reload(); });

    watcher_ = new QFileSystemWatcher(this);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(100);  // an editor's save is several changes in a row
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(settle_, &QTimer::timeout, this, [this] { Run([this] { ReadAgainIfChanged(); }); });
}

void TfrmMain::Reload() {
    if (!current_file_.isEmpty()) {
        OpenChosenFile(current_file_);
    }
}

void TfrmMain::WatchFile(const QString& path) {
    if (!watcher_->files().isEmpty()) {
        watcher_->removePaths(watcher_->files());
    }
    if (!watcher_->directories().isEmpty()) {
        watcher_->removePaths(watcher_->directories());
    }
    current_file_ = path;
    seen_ = SeenOf(path);
    // The folder too: an editor that saves by replacing the file ends the watch on the file.
    watcher_->addPath(path);
    watcher_->addPath(QFileInfo(path).absolutePath());
}

void TfrmMain::ReadAgainIfChanged() {
    if (current_file_.isEmpty()) {
        return;
    }
    const Seen now = SeenOf(current_file_);
    if (now.size < 0) {
        return;  // gone for a moment, as during a save: the drawing stays, the watch goes on
    }
    if (!watcher_->files().contains(current_file_)) {
        watcher_->addPath(current_file_);
    }
    if (now == seen_) {
        return;
    }
    seen_ = now;
    (void)LoadDrawingCommand(QFile::encodeName(current_file_).toStdString(),
                             LineReader::Accept::RegularFiles, LoadConfirmation::Silent);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void TfrmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) {
        return;
    }
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    Run([this, path] { OpenChosenFile(path); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pbScreen) {
        if (event->type() == QEvent::Wheel) {
            return WheelOverDrawing(static_cast<QWheelEvent*>(event));
        }
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
            event->type() == QEvent::MouseButtonRelease) {
            return DragOverDrawing(static_cast<QMouseEvent*>(event));
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmMain::WheelOverDrawing(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (event->modifiers() & Qt::ControlModifier) {
        wheel_zoom_ += delta;
        for (; wheel_zoom_ >= kNotch; wheel_zoom_ -= kNotch) {
            Dispatch(&TfrmMain::btnZoomPlusClick, btnZoomPlus);
        }
        for (; wheel_zoom_ <= -kNotch; wheel_zoom_ += kNotch) {
            Dispatch(&TfrmMain::btnZoomMinusClick, btnZoomMinus);
        }
        return true;
    }
    // A notch moves the bar as its arrows do three times, away from the turn of the wheel.
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) ? scrLeftRight : scrTopDown;
    wheel_scroll_ += delta;
    const int notches = wheel_scroll_ / kNotch;
    wheel_scroll_ -= notches * kNotch;
    if (notches != 0) {
        bar->setValue(bar->value() - notches * 3 * bar->singleStep());
    }
    return true;
}

bool TfrmMain::DragOverDrawing(QMouseEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (event->button() != Qt::LeftButton) {
                return false;
            }
            dragging_ = true;
            drag_start_ = event->position().toPoint();
            drag_bar_x_ = scrLeftRight->value();
            drag_bar_y_ = scrTopDown->value();
            return true;
        case QEvent::MouseMove: {
            if (!dragging_ || !(event->buttons() & Qt::LeftButton) || !(Zoom > 0.0f)) {
                return false;
            }
            // The point under the pointer stays under it: pixels moved, in drawing units.
            const QPoint moved = event->position().toPoint() - drag_start_;
            const double units_x = std::round(moved.x() / static_cast<double>(Zoom));
            const double units_y = std::round(moved.y() / static_cast<double>(Zoom));
            const auto bounded = [](double value) {
                return static_cast<int>(std::clamp(value, -1e6, 1e6));
            };
            scrLeftRight->setValue(bounded(drag_bar_x_ - units_x));
            scrTopDown->setValue(bounded(drag_bar_y_ - units_y));
            return true;
        }
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return event->button() == Qt::LeftButton;
        default:
            return false;
    }
}
