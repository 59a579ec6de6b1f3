#pragma once

#include <QApplication>
#include <exception>

class ViewerDialogs;

// The caption of the standard error box.
inline constexpr const char* kApplicationTitle = "Ombrix";

// The application object. An error that escapes an event handler is shown in the standard
// error box, and the program goes on.
class OmbrixApplication : public QApplication {
  public:
    OmbrixApplication(int& argc, char** argv, ViewerDialogs& dialogs);

    bool notify(QObject* receiver, QEvent* event) override;
    void ShowException(const std::exception& error);

  private:
    ViewerDialogs& dialogs_;
};
