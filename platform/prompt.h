// Message boxes and common dialogs go through one interface so that tests can
// answer them and record what the user would have been shown.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "platform/surface.h"

class QWidget;

namespace pz {

enum class Answer { Yes, No, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Information box with an OK button.
  virtual void info(const QString& text) = 0;
  // Confirmation with Yes and No buttons; true for Yes.
  virtual bool confirm(const QString& text) = 0;
  // Question with Yes, No and Cancel buttons; closing the box is Cancel.
  // A prompter that has no Cancel asks with Yes and No.
  virtual Answer ask(const QString& text) { return confirm(text) ? Answer::Yes : Answer::No; }
  // The colour dialog, fully open, preset to `initial`; nothing when cancelled.
  virtual std::optional<Color> chooseColor(Color initial) = 0;
  // A file-open dialog; empty when cancelled. `filter` is a Qt name filter.
  virtual QString openFileName(const QString& title, const QString& dir, const QString& filter) = 0;
};

// The prompter in force: the real dialogs unless a test installed another.
Prompter& prompter();
// Installs p (not owned); nullptr restores the real dialogs.
void setPrompter(Prompter* p);
// Parent window for the real dialogs (the main window).
void setPromptParent(QWidget* parent);

// Real dialogs.
class DialogPrompter : public Prompter {
 public:
  void info(const QString& text) override;
  bool confirm(const QString& text) override;
  Answer ask(const QString& text) override;
  std::optional<Color> chooseColor(Color initial) override;
  QString openFileName(const QString& title, const QString& dir, const QString& filter) override;
};

// For tests: records every text shown and returns queued answers
// (confirm: Yes when the queue is empty; ask: No, so a window closed at the
// end of a test never waits for a name; colour and file: cancelled).
class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter() { setPrompter(this); }
  ~ScriptedPrompter() override { setPrompter(nullptr); }
  void info(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString& text) override {
    shown.push_back(text);
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  Answer ask(const QString& text) override {
    shown.push_back(text);
    if (choices.empty()) return Answer::No;
    const Answer a = choices.front();
    choices.pop_front();
    return a;
  }
  std::optional<Color> chooseColor(Color) override {
    if (colors.empty()) return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
  }
  QString openFileName(const QString&, const QString&, const QString&) override {
    if (files.empty()) return {};
    QString f = files.front();
    files.pop_front();
    return f;
  }
  QStringList shown;
  std::deque<bool> answers;
  std::deque<Answer> choices;
  std::deque<std::optional<Color>> colors;
  std::deque<QString> files;
};

}  // namespace pz
