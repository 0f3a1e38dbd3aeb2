// The application object of both programs: an error raised in a handler is
// shown in a message box with its text, the command stops there, and the
// program keeps running.
#pragma once

#include <QApplication>
#include <stdexcept>

namespace pz {

// An error meant for the user: its text is what the message box shows.
class Error : public std::runtime_error {
 public:
  explicit Error(const QString& text) : std::runtime_error(text.toStdString()) {}
  QString text() const { return QString::fromStdString(what()); }
};

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an error's text the way the application's error display does.
void showError(const QString& text);

}  // namespace pz
