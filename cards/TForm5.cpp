#include "cards/TForm5.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

#include <utility>
#include <vector>

#include "cards/StoredLines.h"
#include "cards/UnstoredArticleMessages.h"
#include "cards/WindowPlacement.h"
#include "platform/MessageBoxes.h"
#include "platform/QtText.h"
#include "platform/SettingsStore.h"
#include "store/ColumnLengths.h"
#include "text/KorStrUtils.h"

namespace cards {
namespace {

// Per user, beside the program's other settings.
constexpr std::string_view kPlacementSection = "Software\\Korvand\\Form5";

void PaintInfoBackground(QWidget& field) {
  QPalette colours = field.palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
  field.setPalette(colours);
}

QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& caption, int left, int top) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(left, top, 422, 21);
  PaintInfoBackground(*edit);
  auto* label = new QLabel(caption, parent);
  label->setGeometry(left, top - 16, 422, 13);
  label->setBuddy(edit);
  return edit;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, 304, 75, 25);
  return button;
}

// Double quotes would end the statement's string literals early.
void QuotesToApostrophes(QString& text) { text.replace(QLatin1Char('"'), QLatin1Char('\'')); }

bool OnSomeScreen(const QRect& frame) {
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersects(frame)) return true;
  return false;
}

}  // namespace

// Stays on top so that it comes up above the cards, which stay on top themselves.
TForm5::TForm5(core::Handbook& handbook, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      handbook_(handbook) {
  setWindowTitle(QStringLiteral("Редактор записи"));
  setFixedSize(kClientWidth, kClientHeight);

  LabeledEdit1 = MakeLabeledEdit(this, QStringLiteral("Термин"), 20, 31);
  LabeledEdit2 = MakeLabeledEdit(this, QStringLiteral("Происхождение"), 20, 79);
  // No more than the columns hold: a longer headword or origin could only be refused on saving.
  LabeledEdit1->setMaxLength(store::kHeadwordColumnLength);
  LabeledEdit2->setMaxLength(store::kOriginColumnLength);
  Label1 = new QLabel(QStringLiteral("Описание"), this);
  Label1->setGeometry(20, 111, 422, 13);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(20, 134, 422, 153);
  Memo1->setTabChangesFocus(true);
  PaintInfoBackground(*Memo1);
  Label1->setBuddy(Memo1);
  Button1 = MakeButton(this, QStringLiteral("Сохранить"), 280);
  Button1->setDefault(true);
  Button2 = MakeButton(this, QStringLiteral("Выйти"), 368);

  setTabOrder(LabeledEdit1, LabeledEdit2);
  setTabOrder(LabeledEdit2, Memo1);
  setTabOrder(Memo1, Button1);
  setTabOrder(Button1, Button2);

  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  const std::pair<QObject*, const char*> controls[] = {{LabeledEdit1, "LabeledEdit1"}, {LabeledEdit2, "LabeledEdit2"},
                                                      {Label1, "Label1"},             {Memo1, "Memo1"},
                                                      {Button1, "Button1"},           {Button2, "Button2"}};
  for (const auto& [control, name] : controls) control->setObjectName(QString::fromLatin1(name));
}

TForm5::~TForm5() {
  if (placementUnsaved_) WritePlacement();
}

void TForm5::SetFields(std::string_view headword, std::string_view origin, std::string_view description) {
  LabeledEdit1->setText(platform::ToQString(headword));
  LabeledEdit2->setText(platform::ToQString(origin));
  Memo1->setPlainText(platform::ToQString(description));
}

std::string TForm5::Headword() const { return platform::FromQString(LabeledEdit1->text()); }

std::string TForm5::Origin() const { return platform::FromQString(LabeledEdit2->text()); }

std::string TForm5::Description() const {
  return text::ReplaceAll(platform::FromQString(Memo1->toPlainText()), "\n", "\r\n");
}

EditorResult TForm5::ShowModal() { return exec() == QDialog::Accepted ? EditorResult::Ok : EditorResult::Cancel; }

void TForm5::Button1Click() {
  if (!FieldsCanBeStored()) return;
  QString headword = LabeledEdit1->text();
  QuotesToApostrophes(headword);
  LabeledEdit1->setText(headword);
  QString origin = LabeledEdit2->text();
  QuotesToApostrophes(origin);
  LabeledEdit2->setText(origin);
  QString description = Memo1->toPlainText();
  QuotesToApostrophes(description);
  Memo1->setPlainText(description);
  accept();
}

bool TForm5::FieldsCanBeStored() {
  const bool headwordBlank = text::IsBlank(Headword());
  if (headwordBlank || text::IsBlank(Description())) {
    platform::Boxes().ShowMessage(BlankFieldsMessage());
    if (headwordBlank)
      LabeledEdit1->setFocus();
    else
      Memo1->setFocus();
    return false;
  }
  std::vector<UnkeepableCharacters> fields;
  const std::pair<const char*, QString> texts[] = {
      {"Термин", LabeledEdit1->text()}, {"Происхождение", LabeledEdit2->text()}, {"Описание", Memo1->toPlainText()}};
  for (const auto& [caption, typed] : texts)
    if (std::u32string missing = platform::CodePointsWithoutCp1251(typed); !missing.empty())
      fields.push_back({caption, std::move(missing)});
  if (fields.empty()) return true;
  platform::Boxes().ShowMessage(UnkeepableCharactersMessage(fields));
  SelectFirstUnkeepableCharacter();
  return false;
}

// So the user finds at once what the message names.
void TForm5::SelectFirstUnkeepableCharacter() {
  const auto length = [](const QString& typed, qsizetype at) { return typed.at(at).isHighSurrogate() ? 2 : 1; };
  for (QLineEdit* field : {LabeledEdit1, LabeledEdit2}) {
    const qsizetype at = platform::FirstWithoutCp1251(field->text());
    if (at < 0) continue;
    field->setFocus();
    field->setSelection(static_cast<int>(at), length(field->text(), at));
    return;
  }
  const QString description = Memo1->toPlainText();
  const qsizetype at = platform::FirstWithoutCp1251(description);
  if (at < 0) return;
  QTextCursor cursor = Memo1->textCursor();
  cursor.setPosition(static_cast<int>(at));
  cursor.setPosition(static_cast<int>(at + length(description, at)), QTextCursor::KeepAnchor);
  Memo1->setTextCursor(cursor);
  Memo1->setFocus();
}

void TForm5::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm5::FormShow() {
  ReadPlacement();
  LabeledEdit1->setFocus();
}

// Every way of closing passes here: "Сохранить", "Выйти", Esc and the window's close button.
void TForm5::done(int result) {
  WritePlacement();
  QDialog::done(result);
}

void TForm5::ReadPlacement() {
  placementUnsaved_ = true;
  const platform::SettingsStore settings;
  const std::optional<std::string> text = ReadStoredLines(settings, kPlacementSection);
  const std::optional<WindowPlacement> placement = text ? PlacementFromText(*text) : std::nullopt;
  QRect frame = frameGeometry();
  if (placement) frame.moveTopLeft(QPoint(placement->left, placement->top));
  // No placement yet, or one on a screen that is gone: centred.
  if (!placement || !OnSomeScreen(frame)) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) frame.moveCenter(screen->availableGeometry().center());
  }
  move(frame.topLeft());
}

// A placement that cannot be written costs the user nothing but the window's place.
void TForm5::WritePlacement() {
  placementUnsaved_ = false;
  const QRect frame = frameGeometry();
  const WindowPlacement placement{frame.left(), frame.top(), width(), height(), logicalDpiY()};
  try {
    platform::SettingsStore settings;
    WriteStoredLines(settings, kPlacementSection, PlacementToText(placement));
  } catch (const platform::SettingsError&) {
  }
}

}  // namespace cards
