// Shared by the fuzz targets: a Qt application on the offscreen platform for
// targets whose code needs one (fonts, painting), made once per process.
#pragma once

#include <QGuiApplication>
#include <cstdlib>

namespace fuzzsupport {

inline void ensureGuiApp() {
  if (QCoreApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "pinz-fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace fuzzsupport
