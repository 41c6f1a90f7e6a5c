#include "tests/cards/EditorScript.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace cards_testing {

EditorScript::EditorScript(cards::TForm5& editor, std::function<void(cards::TForm5&)> act) {
  timer_.setSingleShot(true);
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this, &editor, act = std::move(act)] {
    if (!editor.isVisible()) return;
    shown_ = true;
    act(editor);
    // Whatever the act did, the modal loop must not outlive it.
    if (editor.isVisible()) {
      ADD_FAILURE() << "the script left the editor open";
      editor.reject();
    }
  });
  timer_.start();
}

std::function<void(cards::TForm5&)> EditorScript::Save(const char* headword, const char* origin,
                                                       const char* description) {
  return [=](cards::TForm5& editor) {
    editor.LabeledEdit1->setText(QString::fromUtf8(headword));
    editor.LabeledEdit2->setText(QString::fromUtf8(origin));
    editor.Memo1->setPlainText(QString::fromUtf8(description));
    editor.Button1->click();
  };
}

std::function<void(cards::TForm5&)> EditorScript::SaveAsShown() {
  return [](cards::TForm5& editor) { editor.Button1->click(); };
}

std::function<void(cards::TForm5&)> EditorScript::PressExit() {
  return [](cards::TForm5& editor) { editor.Button2->click(); };
}

}  // namespace cards_testing
