// Qt's own texts in Russian: the standard buttons of the program's message boxes and of dialogs.
#include "app/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

#include "app/QtMessageBoxes.h"
#include "tests/support/Ansi.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ansi;

struct SeenBox {
  QString title;
  QString text;
  QString ok;
  QString cancel;
};

// Asks an OK/Cancel question through the program's message boxes, presses Cancel, and tells what
// the box showed.
SeenBox AskAndCancel() {
  app::QtMessageBoxes boxes;
  SeenBox seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->text(), box->button(QMessageBox::Ok)->text(),
            box->button(QMessageBox::Cancel)->text()};
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_EQ(boxes.Ask(ansi("Отправить изменения?"), ansi("Изменения"), platform::MessageButtons::OkCancel,
                      platform::MessageIcon::Question),
            platform::MessageAnswer::Cancel);
  return seen;
}

QString DialogCancelText() {
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  return buttons.button(QDialogButtonBox::Cancel)->text();
}

TEST(QtTranslations, StandardButtonsSpeakRussianAndTheProgramsTextsStay) {
  std::unique_ptr<QTranslator> translator(app::InstallQtTranslations());
  ASSERT_NE(translator, nullptr) << "no qtbase_ru in "
                                 << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
  const SeenBox seen = AskAndCancel();
  EXPECT_EQ(seen.cancel, "Отмена");
  EXPECT_EQ(seen.ok, "OK");
  EXPECT_EQ(seen.title, "Изменения");
  EXPECT_EQ(seen.text, "Отправить изменения?");
  EXPECT_EQ(DialogCancelText(), "Отмена");

  translator.reset();  // the catalogue goes, and Qt's English comes back
  EXPECT_EQ(DialogCancelText(), "Cancel");
}

TEST(QtTranslations, WithoutTheCatalogueTheProgramGoesOnInEnglish) {
  testing_support::TempDir emptyFolder;
  EXPECT_EQ(app::InstallQtTranslations(QString::fromStdString(emptyFolder.path().string())), nullptr);
  const SeenBox seen = AskAndCancel();
  EXPECT_EQ(seen.cancel, "Cancel");
  EXPECT_EQ(seen.title, "Изменения");
  EXPECT_EQ(DialogCancelText(), "Cancel");
}

}  // namespace
