#include "platform/window_buttons.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define PINZ_HAVE_XCB 1
#endif

namespace pz {

namespace {
// The Motif window manager hints, as every X11 window manager reads them.
constexpr std::uint32_t kHintsFunctions = 1, kHintsDecorations = 2;
constexpr std::uint32_t kFuncResize = 2, kFuncMove = 4, kFuncClose = 32;
constexpr std::uint32_t kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16;
}  // namespace

void askForBorderButtons(QWidget* w, BorderButtons buttons) {
#ifdef PINZ_HAVE_XCB
  if (!w || QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return;
  const xcb_window_t window = static_cast<xcb_window_t>(w->winId());
  static const char kName[] = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof kName - 1, kName), nullptr);
  if (!atom) return;
  const xcb_atom_t hintsAtom = atom->atom;
  std::free(atom);
  // Resizing stays allowed as a function: the windows keep a fixed size
  // through their size hints, and some managers refuse to map otherwise.
  std::uint32_t functions = kFuncMove | kFuncResize;
  std::uint32_t decorations = kDecorBorder | kDecorTitle;
  if (buttons == BorderButtons::MenuOnly) {
    functions |= kFuncClose;
    decorations |= kDecorMenu;
  }
  const std::uint32_t hints[5] = {kHintsFunctions | kHintsDecorations, functions, decorations, 0, 0};
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, hintsAtom, hintsAtom, 32, 5, hints);
  xcb_flush(c);
#else
  (void)w;
  (void)buttons;
#endif
}

}  // namespace pz
