#pragma once
// The article editor "Редактор записи": headword, origin and description, shown modally for
// adding and for editing. Created once at start-up and reused; it remembers where the user put it.
#include <QDialog>

#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace core {
class Handbook;
}

namespace cards {

enum class EditorResult { Ok = 1, Cancel = 2 };

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 463;
  static constexpr int kClientHeight = 340;

  // Adding and editing write to `handbook`'s database.
  explicit TForm5(core::Handbook& handbook, QWidget* parent = nullptr);
  ~TForm5() override;

  core::Handbook& Handbook() const { return handbook_; }

  // The three fields as Windows-1251 text; the description's line breaks are CR LF, as the
  // handbook's texts keep them.
  void SetFields(std::string_view headword, std::string_view origin, std::string_view description);
  std::string Headword() const;
  std::string Origin() const;
  std::string Description() const;

  // Shows the editor modally; Ok after "Сохранить", Cancel after "Выйти", Esc or closing. The
  // fields keep their text afterwards, so the editor can be shown again as the user left it.
  EditorResult ShowModal();

  // Closes with Ok only when the handbook can store the fields as typed: a headword and a
  // description that are not blank, and no character outside Windows-1251. Otherwise it says
  // why and the editor stays open with the text.
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void FormShow();
  bool FieldsCanBeStored();
  void SelectFirstUnkeepableCharacter();
  void ReadPlacement();
  void WritePlacement();

  core::Handbook& handbook_;
  bool placementUnsaved_ = false;

  QLineEdit* LabeledEdit1;   // "Термин"
  QLineEdit* LabeledEdit2;   // "Происхождение"
  QLabel* Label1;            // "Описание"
  QPlainTextEdit* Memo1;     // the description
  QPushButton* Button1;      // "Сохранить"
  QPushButton* Button2;      // "Выйти"

};

}  // namespace cards
