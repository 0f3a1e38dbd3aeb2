// The keys every desktop user tries on the main window, besides F8: they run
// the same handlers as the controls that show them.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

#include "paint/canvas/mainpinz.h"
#include "paint/canvas/widgets.h"

namespace pz {

namespace {
QString withKeys(const QString& hint, std::initializer_list<QKeySequence> keys) {
  QStringList names;
  for (const QKeySequence& k : keys) names << k.toString(QKeySequence::NativeText);
  return QStringLiteral("%1 (%2)").arg(hint, names.join(QStringLiteral(", ")));
}
}  // namespace

void Tmainpinz::buildShortcuts() {
  const QKeySequence undo(Qt::CTRL | Qt::Key_Z), open(Qt::CTRL | Qt::Key_O), save(Qt::CTRL | Qt::Key_S);
  addShortcut(popuppaste->shortcut(), [this] { popuppasteClick(); });
  addShortcut(popupprint->shortcut(), [this] { popupprintClick(); });
  addShortcut(undo, [this] { Label2Click(); });
  addShortcut(open, [this] { openpinzpicClick(); });
  addShortcut(save, [this] { savepinzpicClick(); });

  // The file menu shows its keys beside the items, as the surface menu does.
  openpinzpic->setShortcut(open);
  savepinzpic->setShortcut(save);
  for (QAction* a : filepopup->actions()) a->setShortcutVisibleInContextMenu(true);
  Label2->setToolTip(withKeys(tr("Undo the last thing you did"), {undo}));
  Image3->setToolTip(withKeys(tr("Open and Save pictures"), {open, save}));
}

void Tmainpinz::addShortcut(const QKeySequence& key, std::function<void()> run) {
  auto* s = new QShortcut(key, this);
  s->setContext(Qt::WindowShortcut);
  s->setAutoRepeat(false);
  connect(s, &QShortcut::activated, this, [run = std::move(run)] {
    // A key pressed in the middle of a stroke or a drag would cut it in two.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) return;
    run();
  });
}

}  // namespace pz
