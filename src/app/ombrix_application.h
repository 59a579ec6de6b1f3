#pragma once

#include <QApplication>
#include <exception>

class ViewerDialogs;

// The application object. The window shows the errors of its own commands; any other error that
// reaches the event loop is shown here, in the same standard error box, and the program goes on.
class OmbrixApplication : public QApplication {
  public:
    OmbrixApplication(int& argc, char** argv, ViewerDialogs& dialogs);

    bool notify(QObject* receiver, QEvent* event) override;
    void ShowException(const std::exception& error);

  private:
    ViewerDialogs& dialogs_;
};
