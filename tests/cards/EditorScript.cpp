#include "tests/support/EditorControls.h"
#include "tests/cards/EditorScript.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace cards_testing {

EditorScript::EditorScript(cards::TForm5& editor, Act act) : EditorScript(editor, std::vector<Act>{std::move(act)}) {}

EditorScript::EditorScript(cards::TForm5& editor, std::vector<Act> acts) : editor_(editor), acts_(std::move(acts)) {
  editor_.installEventFilter(this);
}

EditorScript::~EditorScript() { editor_.removeEventFilter(this); }

// The act runs once the modal loop is up, as the person's clicks would.
bool EditorScript::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &editor_ && event->type() == QEvent::Show) QTimer::singleShot(0, this, [this] { RunNextAct(); });
  return false;
}

void EditorScript::RunNextAct() {
  if (!editor_.isVisible()) return;
  const auto act = static_cast<std::size_t>(showings_++);
  if (act < acts_.size()) {
    acts_[act](editor_);
  } else {
    ADD_FAILURE() << "the editor came up " << showings_ << " times, the script has " << acts_.size() << " acts";
  }
  // Whatever the act did, the modal loop must not outlive it.
  if (editor_.isVisible()) {
    ADD_FAILURE() << "the script left the editor open";
    editor_.reject();
  }
}

EditorScript::Act EditorScript::Save(const char* headword, const char* origin, const char* description) {
  return [=](cards::TForm5& editor) {
    testing_support::LabeledEdit1(editor)->setText(QString::fromUtf8(headword));
    testing_support::LabeledEdit2(editor)->setText(QString::fromUtf8(origin));
    testing_support::Memo1(editor)->setPlainText(QString::fromUtf8(description));
    testing_support::Button1(editor)->click();
  };
}

EditorScript::Act EditorScript::SaveAsShown() {
  return [](cards::TForm5& editor) { testing_support::Button1(editor)->click(); };
}

EditorScript::Act EditorScript::PressExit() {
  return [](cards::TForm5& editor) { testing_support::Button2(editor)->click(); };
}

}  // namespace cards_testing
