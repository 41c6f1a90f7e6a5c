#include "exchange/UpdateApplication.h"

#include <map>
#include <memory>
#include <optional>

#include "exchange/UpdateDocumentReader.h"
#include "exchange/UpdateStatements.h"
#include "platform/MessageBoxes.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/Statements.h"
#include "text/Format.h"

namespace exchange {
namespace {

// Runs the change statements of one document, each form prepared once however many categories
// and terms use it; a rejected one is shown as its text and the next one runs.
class UpdateChanges {
 public:
  explicit UpdateChanges(store::Database& database) : database_(database) {}

  void Run(const UpdateChange& change) {
    try {
      ExecutorFor(change.bound).ExecQuery(change.values);
    } catch (const store::DatabaseError&) {
      platform::Boxes().ShowMessage(FailedUpdateStatementMessage(change.shown));
    }
  }

 private:
  store::SqlExecutor& ExecutorFor(std::string_view sql) {
    auto found = executors_.find(sql);
    if (found == executors_.end()) {
      auto executor = std::make_unique<store::SqlExecutor>(database_);
      executor->SetSQL(std::string(sql));
      found = executors_.emplace(std::string(sql), std::move(executor)).first;
    }
    return *found->second;
  }

  store::Database& database_;
  std::map<std::string, std::unique_ptr<store::SqlExecutor>, std::less<>> executors_;
};

std::optional<std::string> StoredCategoryName(store::Query& lookups, const ProducerCategory& category) {
  lookups.SetSQL(std::string(bound_statements::SelectSectionByKey));
  lookups.Open({category.uid});
  if (lookups.RecordCount() == 0) return std::nullopt;
  return lookups.FieldByName("SECTION_NAME").AsString();
}

bool IsStoredTerm(store::Query& lookups, const ProducerTerm& term) {
  lookups.SetSQL(std::string(bound_statements::SelectTermByKey));
  lookups.Open({term.uid});
  return lookups.RecordCount() > 0;
}

void CommitIfActive(store::Database& database) {
  if (database.InTransaction()) database.Commit();
}

void ListCurrentSection(const UpdateTarget& target) {
  target.termList.SetSQL(text::Format(store::statements::SelectSectionTerms, {target.currentSection}));
  target.termList.Open();
}

// Everything up to the end of the document as far as it was read (nothing after a digest
// mismatch, which leaves the document empty); the titles go to `reportTitles`
// before their statements run, so a failing look-up leaves them listed.
void Apply(const UpdateTarget& target, const UpdateDocument& document, std::vector<std::string>& reportTitles,
           const TermsAppliedProgress& progress) {
  if (document.info) platform::Boxes().ShowMessage(*document.info);
  UpdateChanges changes(target.database);
  for (const ProducerCategory& category : document.categories)
    changes.Run(CategoryChange(category, StoredCategoryName(target.lookups, category)));
  if (!document.categoriesComplete) return;
  // Terms may name a category of this same document.
  CommitIfActive(target.database);
  const std::size_t all = document.terms.size();
  if (progress) progress(0, all);
  for (const ProducerTerm& term : document.terms) {
    reportTitles.push_back(term.title);
    changes.Run(TermChange(term, IsStoredTerm(target.lookups, term)));
    if (progress) progress(reportTitles.size(), all);
  }
  if (document.outcome == UpdateOutcome::Complete) CommitIfActive(target.database);
}

}  // namespace

UpdateApplication ApplyUpdateDocument(const UpdateTarget& target, const UpdateDocument& document,
                                      std::string_view supportEmail, const TermsAppliedProgress& progress) {
  UpdateApplication result{document.outcome, {}};
  try {
    Apply(target, document, result.reportTitles, progress);
  } catch (...) {
    // A commit may have closed the list already; the error that ended the run is the one to report.
    try {
      ListCurrentSection(target);
    } catch (const store::DatabaseError&) {
    }
    throw;
  }
  ListCurrentSection(target);
  if (result.outcome != UpdateOutcome::Complete) platform::Boxes().ShowMessage(InvalidUpdateDataMessage(supportEmail));
  return result;
}

}  // namespace exchange
