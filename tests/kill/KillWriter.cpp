// The kill trials' child: writes to a handbook through the program's own code, for ever, in an
// order drawn from its seed — adding and editing articles in the editor, deleting one as Ctrl+Delete
// does, settling the changes after a send, applying an update document — and reports each write
// on its standard output (KillJournal.h) until the trials kill it.
//   handbook_kill_writer <database file> <seed>
#include <unistd.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "browse/DeleteTerm.h"
#include "cards/ArticleEditing.h"
#include "cards/TForm5.h"
#include "core/Handbook.h"
#include "exchange/ChangedTerms.h"
#include "exchange/UpdateApplication.h"
#include "exchange/UpdateDocumentReader.h"
#include "platform/MessageBoxes.h"
#include "store/LocateRow.h"
#include "store/Query.h"
#include "tests/cards/EditorScript.h"
#include "tests/exchange/UpdateDocumentBuilder.h"
#include "tests/kill/KillJournal.h"

namespace {

using kill_trials::ArticleStates;
using kill_trials::TextsOf;

constexpr int kSection = 1;
constexpr int kProducerTerms = 4;

// The person says yes to every question; a message is a write that went wrong and ends the run.
class AgreeingBoxes final : public platform::MessageBoxes {
 public:
  void ShowMessage(std::string_view text) override { Fail(text); }
  platform::MessageAnswer Ask(std::string_view, std::string_view, platform::MessageButtons buttons,
                              platform::MessageIcon) override {
    return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes : platform::MessageAnswer::Ok;
  }
  void ShowError(std::string_view text) override { Fail(text); }

 private:
  static void Fail(std::string_view text) {
    std::fprintf(stderr, "unexpected message: %.*s\n", static_cast<int>(text.size()), text.data());
    std::_Exit(3);
  }
};

void Say(const std::string& line) {
  // One write a line: what reached the pipe before the kill is there for the trials.
  if (::write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size())) std::_Exit(4);
}

struct LocalArticle {
  int uid = 0;
  int version = 0;
  std::string mark;
};

class Writer {
 public:
  Writer(const std::string& file, unsigned seed) : random_(seed), handbook_("/nonexistent/"), editor_(handbook_) {
    handbook_.IBDatabase1.Open(file);
    handbook_.FCurrentSection = kSection;
    handbook_.IBQuery2.SetSQL("select * from EUPHEMIZMS where section_uid = " + std::to_string(kSection) +
                              " order by EUPHEMIZM");
    handbook_.IBQuery2.Open();
    platform::InstallMessageBoxes(&boxes_);
  }

  void WriteOnce() {
    const int pick = Draw(0, 99);
    if (pick < 35 || local_.empty()) return Add();
    if (pick < 60) return Edit();
    if (pick < 75) return Delete();
    if (pick < 85) return Settle();
    Update();
  }

 private:
  int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::size_t Fill() { return static_cast<std::size_t>(Draw(0, 30000)); }
  std::string Key(int n) const { return "A" + std::to_string(n); }

  std::map<int, LocalArticle>::iterator AnyLocal() {
    auto it = local_.begin();
    std::advance(it, Draw(0, static_cast<int>(local_.size()) - 1));
    return it;
  }

  void Add() {
    const int n = nextArticle_++;
    const auto texts = TextsOf(Key(n), 0, Fill());
    Say(kill_trials::BeginLine("add", {{Key(n), "v0*"}}));
    cards_testing::EditorScript script(
        editor_, cards_testing::EditorScript::Save(texts.headword.c_str(), texts.origin.c_str(), texts.description.c_str()));
    cards::AddArticle(editor_);
    Say("done\n");
    store::Query query(handbook_.IBDatabase1);
    query.SetSQL("select EUPH_UID from EUPHEMIZMS where EUPHEMIZM = '" + texts.headword + "'");
    query.Open();
    local_[n] = {std::stoi(std::string(query.Text(0, 0))), 0, "*"};
  }

  // Puts the term list on the article, listed afresh as the grid would be.
  void GoTo(const LocalArticle& article) {
    handbook_.IBQuery2.Close();
    handbook_.IBQuery2.Open();
    if (!store::LocateRow(handbook_.IBQuery2, "EUPH_UID", std::to_string(article.uid))) {
      std::fprintf(stderr, "article %d not listed\n", article.uid);
      std::_Exit(5);
    }
  }

  void Edit() {
    auto it = AnyLocal();
    LocalArticle& article = it->second;
    GoTo(article);
    const auto texts = TextsOf(Key(it->first), article.version + 1, Fill());
    Say(kill_trials::BeginLine("edit", {{Key(it->first), "v" + std::to_string(article.version + 1) + "+"}}));
    cards_testing::EditorScript script(
        editor_, cards_testing::EditorScript::Save(texts.headword.c_str(), texts.origin.c_str(), texts.description.c_str()));
    cards::EditCurrentArticle(editor_);
    Say("done\n");
    ++article.version;
    article.mark = "+";
  }

  void Delete() {
    auto it = AnyLocal();
    GoTo(it->second);
    Say(kill_trials::BeginLine("delete", {{Key(it->first), "gone"}}));
    if (!browse::DeleteCurrentTerm(handbook_.IBQuery2, handbook_.IBDatabase1)) std::_Exit(6);
    Say("done\n");
    local_.erase(it);
  }

  // As after the producer accepted a send: the articles made here go, the edit marks are cleared.
  void Settle() {
    ArticleStates intended;
    for (const auto& [n, article] : local_)
      intended[Key(n)] = article.mark == "*" ? "gone" : "v" + std::to_string(article.version);
    Say(kill_trials::BeginLine("settle", intended));
    exchange::SettleSentChanges(handbook_.IBQuery1, handbook_.IBDatabase1);
    Say("done\n");
    for (auto it = local_.begin(); it != local_.end();) {
      if (it->second.mark == "*") {
        it = local_.erase(it);
      } else {
        it->second.mark.clear();
        ++it;
      }
    }
  }

  // One document renews every producer term: they all change in the one commit, or none does.
  void Update() {
    ++producerVersion_;
    exchange_test::UpdateDocumentBuilder document;
    document.categories = {{std::to_string(kSection), "Main"}};
    ArticleStates intended;
    for (int p = 1; p <= kProducerTerms; ++p) {
      const std::string key = "P" + std::to_string(p);
      const auto texts = TextsOf(key, producerVersion_, Fill());
      document.terms.push_back({std::to_string(p), std::to_string(kSection), texts.headword, texts.origin,
                                texts.description});
      intended[key] = "v" + std::to_string(producerVersion_);
    }
    const std::string signedDocument = document.Signed();
    Say(kill_trials::BeginLine("update", intended));
    const auto applied = exchange::ApplyUpdateDocument(
        {handbook_.IBDatabase1, handbook_.IBQuery1, handbook_.IBQuery2, handbook_.FCurrentSection},
        exchange::ReadUpdateDocument(signedDocument), "help@example.org");
    if (applied.outcome != exchange::UpdateOutcome::Complete) std::_Exit(7);
    Say("done\n");
  }

  std::mt19937 random_;
  core::Handbook handbook_;
  cards::TForm5 editor_;
  AgreeingBoxes boxes_;
  std::map<int, LocalArticle> local_;
  int nextArticle_ = 1;
  int producerVersion_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <database file> <seed>\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  Writer writer(argv[1], static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
  Say("ready\n");
  for (;;) writer.WriteOnce();
}
