#include "platform/prompt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

#include "platform/file_filter.h"

namespace pz {

namespace {
Prompter* g_prompter = nullptr;
QPointer<QWidget> g_parent;

QString caption() {
  const QString t = QGuiApplication::applicationDisplayName();
  return t.isEmpty() ? QCoreApplication::applicationName() : t;
}
}  // namespace

Prompter& prompter() {
  static DialogPrompter real;
  return g_prompter ? *g_prompter : real;
}

void setPrompter(Prompter* p) { g_prompter = p; }
void setPromptParent(QWidget* parent) { g_parent = parent; }

void DialogPrompter::info(const QString& text) {
  QMessageBox box(QMessageBox::Information, caption(), text, QMessageBox::Ok, g_parent);
  box.exec();
}

bool DialogPrompter::confirm(const QString& text) {
  QMessageBox box(QMessageBox::Information, caption(), text, QMessageBox::Yes | QMessageBox::No, g_parent);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

Answer DialogPrompter::ask(const QString& text) {
  QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  g_parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<Color> DialogPrompter::chooseColor(Color initial) {
  QColorDialog dlg(QColor(redOf(initial), greenOf(initial), blueOf(initial)), g_parent);
  dlg.setOption(QColorDialog::DontUseNativeDialog, true);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  const QColor c = dlg.selectedColor();
  return rgb(c.red(), c.green(), c.blue());
}

QString DialogPrompter::openFileName(const QString& title, const QString& dir, const QString& filter) {
  QFileDialog dlg(g_parent, title, dir);
  prepareOpenDialog(dlg, filter);
  if (dlg.exec() != QDialog::Accepted) return {};
  return dlg.selectedFiles().value(0);
}

}  // namespace pz
