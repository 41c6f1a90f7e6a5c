#pragma once
// Plays the person at the modal editor: once the editor is up, `act` fills it in and closes it.
// Knows whether the editor came up at all; a script that never ran is stopped with the scope.
#include <QTimer>

#include <functional>

#include "cards/TForm5.h"

namespace cards_testing {

class EditorScript {
 public:
  EditorScript(cards::TForm5& editor, std::function<void(cards::TForm5&)> act);

  bool Shown() const { return shown_; }

  // Ready-made acts. Texts are UTF-8.
  static std::function<void(cards::TForm5&)> Save(const char* headword, const char* origin, const char* description);
  static std::function<void(cards::TForm5&)> SaveAsShown();
  static std::function<void(cards::TForm5&)> PressExit();

 private:
  QTimer timer_;
  bool shown_ = false;
};

}  // namespace cards_testing
