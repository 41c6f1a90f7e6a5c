#pragma once
// Plays the person at the modal editor: each time the editor comes up, the next act fills it in
// and closes it. Knows how often the editor came up; an act that never ran is dropped with the
// scope, and the editor coming up once more than there are acts fails the test.
#include <QObject>

#include <functional>
#include <vector>

#include "cards/TForm5.h"

namespace cards_testing {

class EditorScript : public QObject {
 public:
  using Act = std::function<void(cards::TForm5&)>;

  EditorScript(cards::TForm5& editor, Act act);
  EditorScript(cards::TForm5& editor, std::vector<Act> acts);
  ~EditorScript() override;

  bool Shown() const { return showings_ > 0; }
  int Showings() const { return showings_; }

  // Ready-made acts. Texts are UTF-8.
  static Act Save(const char* headword, const char* origin, const char* description);
  static Act SaveAsShown();
  static Act PressExit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunNextAct();

  cards::TForm5& editor_;
  std::vector<Act> acts_;
  int showings_ = 0;
};

}  // namespace cards_testing
