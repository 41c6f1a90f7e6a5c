// The budget of what the user waits for on a large handbook, each beside its reference in one run:
// listing the biggest category, searching, locating by letter, opening a 1 MB article, building
// the change document, MD5 and FastPos. Prints one JSON line per operation for bench/run.
//
//   handbook_budget_bench <handbook made by handbook_bench_data> <terms> [repetitions]
#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/BareFetch.h"
#include "bench/LargeHandbook.h"
#include "bench/Measure.h"
#include "browse/AlphabetJump.h"
#include "browse/SearchResultList.h"
#include "browse/SectionList.h"
#include "browse/TermGrid.h"
#include "browse/TermSearch.h"
#include "cards/ArticleDesk.h"
#include "cards/ArticleHtml.h"
#include "core/Handbook.h"
#include "exchange/ChangeDocument.h"
#include "exchange/ChangedTerms.h"
#include "platform/QtText.h"
#include "store/LocateRow.h"
#include "store/Records.h"
#include "store/Statements.h"
#include "text/Cp1251.h"
#include "text/FastPos.h"
#include "text/Format.h"
#include "text/Md5.h"

#ifdef HANDBOOK_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

using bench::Report;
using bench::TimeAlone;
using bench::TimeSideBySide;

void Require(bool condition, const char* what) {
  if (!condition) throw std::runtime_error(what);
}

// The handbook as the program finds it: <folder>/DB/HANDBOOK.GDB, here a link to the data file.
std::string ProgramFolderFor(const std::filesystem::path& file) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("korvand-budget-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder / "DB");
  std::filesystem::create_symlink(std::filesystem::absolute(file), folder / "DB" / "HANDBOOK.GDB");
  return folder.string() + "/";
}

std::string Size(int terms) { return terms >= 1000000 ? std::to_string(terms / 1000000) + "M" : std::to_string(terms / 1000) + "k"; }

void MeasureBrowsing(core::Handbook& handbook, bench::BareAttachment& bare, int terms, int repetitions) {
  const bool large = terms >= 1000000;
  browse::TermGrid grid(handbook.DataSource1);
  grid.resize(700, 500);
  grid.show();
  const std::string biggest = text::Format(store::statements::SelectSectionTerms, {bench::kBiggestSection});
  int bareRows = 0;
  const auto listing = TimeSideBySide(
      repetitions,
      [&] {
        browse::ListSection(handbook.IBQuery2, bench::kBiggestSection);
        grid.viewport()->repaint();
      },
      [&] { bareRows = bench::BareFetch(bare.Get(), bare.Transaction(), biggest); }, [] {});
  Require(handbook.IBQuery2.RecordCount() == bareRows && bareRows > 0, "the listing lost rows");
  Report("LoadSection, biggest category (" + std::to_string(bareRows) + " rows), " + Size(terms), listing,
         large ? "ratio<=1.2,ms<=800" : "ratio<=1.2,ms<=100", "bare fetch, blob ids");

  QListWidget hits;
  hits.resize(300, 500);
  hits.show();
  for (const char* typed : {"жув", "мозг"}) {
    const std::string cp1251 = text::Utf8ToCp1251(typed);
    int found = 0;
    const auto search = TimeSideBySide(
        repetitions,
        [&] {
          browse::SearchTerms(handbook.IBQuery3, cp1251);
          browse::ListSearchHits(handbook.IBQuery3, hits);
          hits.viewport()->repaint();
        },
        [&] { found = bench::BareFetch(bare.Get(), bare.Transaction(), browse::SearchStatement(cp1251)); }, [] {});
    Require(hits.count() == found, "the search lost hits");
    Report(std::string("search ") + typed + " (" + std::to_string(found) + " hits), " + Size(terms), search,
           large ? "ratio<=1.1" : "ratio<=1.1,ms<=100", "bare fetch, same statement");
  }

  browse::ListSection(handbook.IBQuery2, bench::kBiggestSection);
  const std::string lastLetter = text::Utf8ToCp1251("Я");
  const auto locate = TimeAlone(
      repetitions * 5,
      [&] { store::LocateRow(handbook.IBQuery2, "EUPHEMIZM", lastLetter, store::LocateCaseInsensitive | store::LocatePrefix); },
      [&] { handbook.IBQuery2.MoveTo(0); });
  Require(handbook.IBQuery2.RecNo() > 0, "no headword starts with the last letter");
  Report("LocateRow to the last letter, biggest category, " + Size(terms), locate, "ms<2");
  const auto jump = TimeAlone(
      repetitions * 5,
      [&] {
        browse::JumpToLetter(handbook.IBQuery2, grid, lastLetter[0]);
        grid.viewport()->repaint();
      },
      [&] {
        handbook.IBQuery2.MoveTo(0);
        grid.viewport()->repaint();
      });
  Require(handbook.IBQuery2.RecNo() > 0, "the jump went nowhere");
  Report("alphabet jump with repaint, biggest category, " + Size(terms), jump, "ms<50");
}

void MeasureCard(core::Handbook& handbook, int terms, int repetitions) {
  const std::int32_t key = bench::MegabyteArticleKey(0, terms);
  browse::ListSection(handbook.IBQuery2, bench::SectionOfTerm(key));
  Require(store::LocateRow(handbook.IBQuery2, "EUPH_UID", std::to_string(key), 0), "the 1 MB article is missing");
  const std::string html = cards::BuildArticleHtml(store::ReadTermRecord(handbook.IBQuery2));
  Require(html.size() >= (std::size_t{1} << 20), "the article is not 1 MB");
  cards::ArticleDesk desk(handbook, {});
  QSize cardSize;
  QTextBrowser browser;
  const auto card = TimeSideBySide(
      repetitions,
      [&] {
        desk.OpenCard();
        desk.CurrentCard()->repaint();
        cardSize = desk.CurrentCard()->size();
      },
      [&] {
        browser.resize(cardSize);
        browser.setHtml(platform::ToQString(html));
        browser.show();
        browser.repaint();
      },
      [&] {
        if (desk.CurrentCard()) desk.CurrentCard()->close();
        browser.hide();
        browser.clear();
        QCoreApplication::processEvents();
      });
  Report("card opening, 1 MB article", card, "ratio<=1.2", "bare QTextBrowser, same HTML");
}

void MeasureChangeDocument(core::Handbook& handbook, bench::BareAttachment& bare, int repetitions) {
  std::size_t bytes = 0;
  int rows = 0;
  const auto document = TimeSideBySide(
      repetitions,
      [&] {
        const std::vector<std::string> lines =
            exchange::ChangeDocumentLines(exchange::ReadChangedTerms(handbook.IBQuery1));
        bytes = exchange::JoinChangeDocument(lines).size();
      },
      [&] {
        rows = bench::BareFetch(bare.Get(), bare.Transaction(), std::string(store::statements::SelectEditedTerms), true) +
               bench::BareFetch(bare.Get(), bare.Transaction(), std::string(store::statements::SelectCreatedTerms), true);
      },
      [] {});
  Require(bytes > 0 && rows > 0, "no changed rows");
  Report("change document of " + std::to_string(rows) + " rows, built and sized", document, "ratio<=1.5",
         "bare fetch, blob texts inline");
}

volatile unsigned char digestSink;

void MeasureText(int repetitions) {
  // 64 MiB of article text.
  std::string article;
  while (article.size() < (std::size_t{1} << 20))
    article += text::Utf8ToCp1251("Воспаление слизистой оболочки желудка, острое или хроническое. ");
  std::string big;
  big.reserve(std::size_t{64} << 20);
  while (big.size() + article.size() <= (std::size_t{64} << 20)) big += article;
  big.resize(std::size_t{64} << 20, ' ');
#ifdef HANDBOOK_BENCH_OPENSSL
  const auto md5 = TimeSideBySide(
      repetitions, [&] { digestSink = text::Md5OfText(big)[0]; },
      [&] {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned length = 0;
        EVP_Digest(big.data(), big.size(), digest, &length, EVP_md5(), nullptr);
      },
      [] {});
  Report("Md5OfText, 64 MiB", md5, "speed>=0.9", "OpenSSL EVP_Digest MD5");
#endif
  // A word that occurs only at the end of 1 MB of article text.
  const std::string haystack = article + text::Utf8ToCp1251("гастроскопия");
  const std::string word = text::Utf8ToCp1251("гастроскопия");
  int foundAt = 0;
  const auto find = TimeSideBySide(
      repetitions,
      [&] { for (int i = 0; i < 1000; ++i) foundAt = text::FastPos(word, haystack); },
      [&] { for (int i = 0; i < 1000; ++i) foundAt = static_cast<int>(std::string_view(haystack).find(word)) + 1; },
      [] {});
  Require(foundAt == static_cast<int>(article.size()) + 1, "the word was not found at the end");
  Report("FastPos, word at the end of 1 MB, 1,000 times", find, "speed>=1.0", "std::string_view::find");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: handbook_budget_bench <handbook> <terms> [repetitions]\n", stderr);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  const std::filesystem::path file = argv[1];
  const int terms = std::atoi(argv[2]);
  const int repetitions = argc > 3 ? std::atoi(argv[3]) : 5;
  const std::string folder = ProgramFolderFor(file);
  int status = 0;
  try {
    core::Handbook handbook(folder);
    handbook.OpenDatabase();
    bench::BareAttachment bare(file.string());
    MeasureBrowsing(handbook, bare, terms, repetitions);
    MeasureCard(handbook, terms, repetitions);
    MeasureChangeDocument(handbook, bare, repetitions);
    // Short and easily disturbed by the other work on a shared machine: more repetitions.
    MeasureText(repetitions * 3);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "handbook_budget_bench: %s\n", text::Cp1251ToUtf8(error.what()).c_str());
    status = 1;
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return status;
}
