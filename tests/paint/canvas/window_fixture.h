// A real main window on the offscreen platform, sized so that the drawing
// surface has a chosen width and height, with scripted message boxes.
#pragma once

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>

#include "paint/canvas/artcache.h"
#include "paint/canvas/mainpinz.h"
#include "paint/canvas/widgets.h"
#include "platform/prompt.h"

namespace pz::testing {

inline const ArtCache& testArt() {
  static std::optional<ArtCache> art = [] {
    QString err;
    auto a = ArtCache::load(QStringLiteral(PINZ_PROGRAM_DIR), &err);
    if (!a) ADD_FAILURE() << err.toStdString();
    return a;
  }();
  return *art;
}

class MainWindowTest : public ::testing::Test {
 protected:
  // Surface size = window size less the strip (87), the scroll panels (25).
  void open(int surfaceW = 600, int surfaceH = 500) {
    win = std::make_unique<Tmainpinz>(testArt());
    win->st.aboutPending = 0;
    win->resize(surfaceW + 25, surfaceH + 87 + 25);
    win->show();
    settle();
    // On a scaled screen (QT_SCALE_FACTOR) the surface has whole device
    // pixels per picture pixel, so its size in its own pixels differs.
    const double s = win->mapdisp->surfaceScale();
    ASSERT_EQ(win->mapdisp->surface().width(), int(surfaceW * s + 1e-6));
    ASSERT_EQ(win->mapdisp->surface().height(), int(surfaceH * s + 1e-6));
  }
  void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  void TearDown() override {
    Tmainpinz::menuHook = nullptr;
    Tmainpinz::modalHook = nullptr;
    if (win) {
      prompts.answers.push_back(true);
      win->close();
      win.reset();
    }
  }
  Color screen(int X, int Y) const { return win->mapdisp->surface().pixel(X, Y); }
  void press(int X, int Y, Qt::MouseButton b = Qt::LeftButton) { win->mapdispMouseDown(b, X, Y); }
  void move(int X, int Y) { win->mapdispMouseMove(X, Y); }
  void release(int X, int Y, Qt::MouseButton b = Qt::LeftButton) { win->mapdispMouseUp(b, X, Y); }
  void drag(QPoint a, QPoint b) {
    press(a.x(), a.y());
    move((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    move(b.x(), b.y());
    release(b.x(), b.y());
  }

  ScriptedPrompter prompts;
  std::unique_ptr<Tmainpinz> win;
};

}  // namespace pz::testing
