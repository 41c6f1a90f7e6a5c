#include "tests/cards/HandbookFixture.h"

#include <QtGlobal>

#include "store/LocateRow.h"
#include "store/QuoteLiteral.h"
#include "store/Statements.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace cards_testing {
namespace {

using testing_support::SectionLine;
using testing_support::TermLine;

}  // namespace

HandbookFixture::HandbookFixture() : savedConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_.path() / "config").string()));
  databaseFile_ = testing_support::MakeHandbookDatabase(
      dir_, {
                SectionLine(0, "Общие термины"),
                SectionLine(1, "Гастроэнтерология"),
                SectionLine(kEmptySection, "Пустой раздел"),
                TermLine(kGastritis, "Гастрит  ", "греч. gaster – желудок  ", "воспаление желудка.  ", 1),
                TermLine(kGastroptosis, "Гастроптоз", "", "опущение желудка.", 1),
                TermLine(kStomach, "Желудок", "", "См. Гастрит.", 1),
                TermLine(kUlcer, "Язва", "", "Дефект слизистой.", 1, "*"),
                TermLine(kGeneral, "Аллергия", "", "Повышенная чувствительность.", 0),
            });
  database_.Open(databaseFile_.string());
  LoadSection(1);
  editor_ = std::make_unique<cards::TForm5>(handbook_);
}

HandbookFixture::~HandbookFixture() {
  editor_.reset();
  if (savedConfigHome_.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
}

void HandbookFixture::LoadSection(int section) {
  handbook_.FCurrentSection = section;
  termList_.SetSQL("select * from EUPHEMIZMS where section_uid = " + std::to_string(section) +
                   " order by EUPHEMIZM");
  termList_.Open();
}

void HandbookFixture::GoTo(int euphUid) {
  ASSERT_TRUE(store::LocateRow(termList_, "EUPH_UID", std::to_string(euphUid)));
}

std::string HandbookFixture::CommittedValue(const std::string& sql) const {
  store::Database other;
  other.Open(databaseFile_.string());
  store::Query query(other);
  query.SetSQL(sql);
  query.Open();
  return query.RecordCount() == 0 ? std::string("(no row)") : std::string(query.Text(0, 0));
}

std::string HandbookFixture::Value(const std::string& sql) {
  store::Query query(database_);
  query.SetSQL(sql);
  query.Open();
  return query.RecordCount() == 0 ? std::string("(no row)") : std::string(query.Text(0, 0));
}

int HandbookFixture::Count(const std::string& where) {
  return std::stoi(Value("select count(*) from EUPHEMIZMS where " + where));
}

}  // namespace cards_testing
