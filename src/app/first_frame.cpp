#include "app/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

// Set while the program initialises, just before main runs.
const std::chrono::steady_clock::time_point program_start = std::chrono::steady_clock::now();

class FirstFrameWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const std::chrono::duration<double, std::milli> since =
                std::chrono::steady_clock::now() - program_start;
            std::fprintf(stderr, "first frame %.1f ms after main\n", since.count());
            std::fflush(stderr);
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

void QuitAfterFirstFrameIfAsked(QWidget& drawing_area) {
    if (qEnvironmentVariableIsSet("OMBRIX_QUIT_AFTER_FIRST_FRAME")) {
        drawing_area.installEventFilter(new FirstFrameWatch(&drawing_area));
    }
}
