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

class QScreen;

namespace pz {

// The pixels per inch the display asks fonts to be drawn at (on X11 the
// Xft.dpi setting), whether or not Qt scales the windows for it. Qt reports
// that setting divided by the screen's own scale; a factor the user forces on
// every screen (QT_SCALE_FACTOR) is not the display's. Where factors are
// forced per screen (QT_SCREEN_SCALE_FACTORS), Qt reports only its base 96.
double displayFontDpi(const QScreen* screen);
// The same from the parts Qt reports, for tests.
double displayFontDpi(double logicalDpi, double devicePixelRatio, double forcedFactor);

}  // namespace pz
