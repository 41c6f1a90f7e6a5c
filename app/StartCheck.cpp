#include "app/StartCheck.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QTimer>

#include "app/TForm1.h"
#include "browse/TermGrid.h"
#include "cards/TForm5.h"
#include "core/Handbook.h"
#include "platform/ApplicationTitle.h"
#include "text/Cp1251.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"

namespace app {
namespace {

void PrintLine(std::FILE* out, const char* label, const QString& value) {
  std::fprintf(out, "%s: %s\n", label, value.toUtf8().constData());
}

void AddArticle(TForm1& form, cards::TForm5& editor, const std::string& headword) {
  core::Handbook& handbook = form.Handbook();
  handbook.FPendingTitle = text::Utf8ToCp1251(headword);
  handbook.FPendingDescription = text::Utf8ToCp1251("Статья, добавленная проверкой программы.");
  // The editor is modal: "Сохранить" is pressed from inside its own message loop.
  QTimer::singleShot(0, &editor, [&editor] { editor.Button1Click(); });
  if (auto* add = form.findChild<QAction*>(QStringLiteral("Action1"))) add->trigger();
}

void PrintState(TForm1& form, std::FILE* out) {
  PrintLine(out, "title", QString::fromStdString(platform::ApplicationTitle()));
  PrintLine(out, "database", QString::fromStdString(form.Handbook().IBDatabase1.DatabaseName()));
  if (const auto* bar = form.findChild<widgets::CollapsibleBar*>(QStringLiteral("JvXPBarCathegory")))
    for (int item = 0; item < bar->ItemCount(); ++item) PrintLine(out, "category", bar->Item(item).text());
  if (const auto* grid = form.findChild<browse::TermGrid*>(QStringLiteral("DBGridEh1"))) {
    const QAbstractItemModel& model = *grid->model();
    for (int row = 0; row < model.rowCount(); ++row) PrintLine(out, "term", model.index(row, 0).data().toString());
  }
  std::fflush(out);
}

}  // namespace

void ScheduleStartCheck(TForm1& form, cards::TForm5& editor, std::string addHeadword, std::FILE* out) {
  QTimer::singleShot(0, &form, [&form, &editor, addHeadword = std::move(addHeadword), out] {
    if (!addHeadword.empty()) AddArticle(form, editor, addHeadword);
    PrintState(form, out);
    form.close();
  });
}

}  // namespace app
