#pragma once
// The editor's controls, found by their documented names.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "cards/TForm5.h"

namespace testing_support {

template <class T>
T* EditorControl(const cards::TForm5& editor, const char* name) {
  T* control = editor.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

inline QLineEdit* LabeledEdit1(const cards::TForm5& editor) { return EditorControl<QLineEdit>(editor, "LabeledEdit1"); }
inline QLineEdit* LabeledEdit2(const cards::TForm5& editor) { return EditorControl<QLineEdit>(editor, "LabeledEdit2"); }
inline QLabel* Label1(const cards::TForm5& editor) { return EditorControl<QLabel>(editor, "Label1"); }
inline QPlainTextEdit* Memo1(const cards::TForm5& editor) { return EditorControl<QPlainTextEdit>(editor, "Memo1"); }
inline QPushButton* Button1(const cards::TForm5& editor) { return EditorControl<QPushButton>(editor, "Button1"); }
inline QPushButton* Button2(const cards::TForm5& editor) { return EditorControl<QPushButton>(editor, "Button2"); }

}  // namespace testing_support
