#include "platform/widgetmap.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>

namespace pz {

namespace {
void describe(QWidget* w, QByteArray& out) {
  if (!w->isVisible()) return;
  if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) {
    const QPoint g = w->mapToGlobal(QPoint(0, 0));
    out += w->objectName().toUtf8() + ' ' + QByteArray::number(g.x()) + ' ' + QByteArray::number(g.y()) + ' ' +
           QByteArray::number(w->width()) + ' ' + QByteArray::number(w->height()) + '\n';
  }
  // The items of an open menu, as "menu:Caption_with_underscores".
  if (auto* menu = qobject_cast<QMenu*>(w)) {
    for (QAction* a : menu->actions()) {
      if (!a->isVisible() || a->isSeparator() || a->text().isEmpty()) continue;
      const QRect r = menu->actionGeometry(a);
      const QPoint g = menu->mapToGlobal(r.topLeft());
      QString name = a->text().remove(QLatin1Char('&'));
      name.replace(QLatin1Char(' '), QLatin1Char('_'));
      out += "menu:" + name.toUtf8() + ' ' + QByteArray::number(g.x()) + ' ' + QByteArray::number(g.y()) + ' ' +
             QByteArray::number(r.width()) + ' ' + QByteArray::number(r.height()) + '\n';
    }
  }
  for (QObject* c : w->children())
    if (c->isWidgetType()) describe(static_cast<QWidget*>(c), out);
}
}  // namespace

bool writeWidgetMap(const QString& path) {
  QByteArray out;
  for (QWidget* top : QApplication::topLevelWidgets()) describe(top, out);
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  f.write(out);
  return f.commit();
}

void watchWidgetMap() {
  QString path = qEnvironmentVariable("PINZ_WIDGET_MAP");
  if (path.isEmpty()) return;
  // Programs that start each other can keep one map each.
  path.replace(QLatin1String("%a"), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, qApp, [path] { writeWidgetMap(path); });
  timer->start(200);
  // The first map as soon as the event loop runs with the windows shown.
  QTimer::singleShot(0, qApp, [path] { writeWidgetMap(path); });
}

}  // namespace pz
