#include "bench/LargeHandbook.h"

#include <ibase.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <optional>
#include <vector>

#include "store/CreateHandbookDatabase.h"
#include "store/Database.h"
#include "store/FirebirdApi.h"
#include "store/QuoteLiteral.h"
#include "store/SqlExecutor.h"
#include "text/AnsiCase.h"
#include "text/Cp1251.h"

namespace bench {
namespace {

// A small deterministic generator: the same key always gives the same term.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

 private:
  std::uint64_t state_;
};

std::vector<std::string> Cp1251Words(std::initializer_list<const char*> utf8) {
  std::vector<std::string> words;
  for (const char* word : utf8) words.push_back(text::Utf8ToCp1251(word));
  return words;
}

// Stems with most first letters of the alphabet, so the alphabet strip finds something for them.
const std::vector<std::string>& Stems() {
  static const auto words = Cp1251Words(
      {"абсцесс", "аденома", "анемия", "артрит", "астма", "бронхит", "бурсит", "васкулит", "вирусемия",
       "гастрит", "гепатит", "глаукома", "дерматит", "дисплазия", "ёмкость лёгких", "желтуха",
       "зоб", "ишемия", "инфаркт", "кардиомиопатия", "колит", "лейкоз", "лимфома", "менингит", "миома",
       "невралгия", "нефрит", "остеохондроз", "отит", "панкреатит", "пневмония", "ринит", "рахит",
       "сепсис", "стеноз", "тромбоз", "тонзиллит", "уретрит", "фиброз", "флебит", "холецистит",
       "цирроз", "цистит", "чесотка", "шизофрения", "шок", "экзема", "эндокардит", "юношеские угри",
       "язва", "ячмень"});
  return words;
}

const std::vector<std::string>& Qualifiers() {
  static const auto words = Cp1251Words(
      {"острый", "хронический", "вторичный", "токсический", "аллергический", "врождённый",
       "рецидивирующий", "очаговый", "диффузный", "атипичный"});
  return words;
}

const std::vector<std::string>& Places() {
  static const auto words = Cp1251Words(
      {"желудка", "печени", "почек", "сердца", "кожи", "лёгких", "суставов", "сосудов", "глаза",
       "уха", "кишечника", "щитовидной железы"});
  return words;
}

const std::vector<std::string>& Origins() {
  static const auto words = Cp1251Words(
      {"греч. gaster – желудок + -itis – воспаление", "лат. inflammatio – воспаление",
       "греч. kardia – сердце + pathos – страдание", "лат. ulcus – язва", "греч. haima – кровь",
       "нем. Schock – удар", "лат. tumor – опухоль", "греч. neuron – нерв + algos – боль",
       "франц. abces – нарыв", "греч. skleros – твёрдый"});
  return words;
}

const std::vector<std::string>& ArticleWords() {
  static const auto words = Cp1251Words(
      {"воспаление", "слизистой", "оболочки", "острое", "или", "хроническое", "проявляется", "болью",
       "в", "области", "тошнотой", "изжогой", "диагноз", "ставят", "по", "данным", "обследования",
       "лечение", "зависит", "от", "причины", "и", "тяжести", "течения", "часто", "встречается",
       "у", "детей", "взрослых", "при", "нарушении", "обмена", "веществ", "назначают", "диету",
       "антибиотики", "покой", "осложнения", "возможны"});
  return words;
}

std::string Capitalized(std::string word) {
  if (!word.empty()) word[0] = text::AnsiUpperChar(word[0]);
  return word;
}

// 5 to 40 characters: a stem, sometimes qualified or placed; about 3 % concern the brain ("мозг")
// and about 0.05 % carry the rare "жув".
std::string Headword(std::int32_t key) {
  Random random(static_cast<std::uint64_t>(key) * 7 + 1);
  std::string word = Stems()[random.Below(static_cast<int>(Stems().size()))];
  const int shape = random.Below(10000);
  if (shape < 300) {
    word += text::Utf8ToCp1251(" головного мозга");
  } else if (shape < 305) {
    word = text::Utf8ToCp1251("жувательный ") + word;
  } else if (shape < 3500) {
    word = Qualifiers()[random.Below(static_cast<int>(Qualifiers().size()))] + " " + word;
  } else if (shape < 6000) {
    word += " " + Places()[random.Below(static_cast<int>(Places().size()))];
  }
  // A number keeps headwords apart without sorting them all alike.
  if (random.Below(2) == 0) word += " " + std::to_string(key % 97 + 1);
  if (word.size() > 40) word.resize(40);
  while (word.size() < 5) word += '-';
  return Capitalized(std::move(word));
}

// 100 to 2,000 bytes, about 200 on average; lines of about a hundred bytes, and now and then a
// reference to another term.
std::string Description(std::int32_t key, int terms) {
  Random random(static_cast<std::uint64_t>(key) * 13 + 5);
  const double extra = -100.0 * std::log(1.0 - random.Unit());
  const std::size_t length = 100 + static_cast<std::size_t>(std::min(1900.0, extra));
  std::string article;
  std::size_t lineStart = 0;
  bool sentenceStart = true;
  while (article.size() < length) {
    std::string word = ArticleWords()[random.Below(static_cast<int>(ArticleWords().size()))];
    article += sentenceStart ? Capitalized(word) : word;
    sentenceStart = random.Below(8) == 0;
    if (sentenceStart) article += '.';
    if (article.size() - lineStart > 90) {
      if (!sentenceStart) article += '.';
      article += "\r\n";
      lineStart = article.size();
      sentenceStart = true;
    } else {
      article += ' ';
    }
  }
  if (random.Below(3) == 0) {
    const std::int32_t other = 1 + random.Below(terms);
    article += text::Utf8ToCp1251(" См. ") + Headword(other) + ".";
  }
  return article;
}

std::string MegabyteArticle(std::int32_t key, int terms) {
  std::string article;
  for (std::int32_t part = 0; article.size() < (std::size_t{1} << 20); ++part)
    article += Description(key * 1000 + part, terms) + "\r\n";
  article.resize(std::size_t{1} << 20);
  return article;
}

std::optional<std::string> ChangeMark(std::int32_t key, int terms, bool megabyte) {
  if (megabyte) return std::nullopt;  // the change set holds articles of the usual size
  const int step = std::max(1, terms / kChangedTerms);
  if (key % step != 0 || key / step > kChangedTerms) return std::nullopt;
  return std::string((key / step) % 2 ? "+" : "*");
}

// The engine writes every page through to the disk while forced writes are on: loading a million
// terms so would take minutes of waiting. They are off while loading and on again afterwards, as
// the program's handbook has them.
void SetForcedWrites(const std::filesystem::path& file, bool on) {
  std::vector<unsigned char> parameters = store::fb::AttachParameters(file.string(), 0);
  parameters.insert(parameters.end(), {isc_dpb_force_write, 1, static_cast<unsigned char>(on ? 1 : 0)});
  Firebird::IAttachment* attachment = store::fb::WithProvider([&](Firebird::IProvider* provider, store::fb::Status& status) {
    return provider->attachDatabase(&status, file.c_str(), static_cast<unsigned>(parameters.size()), parameters.data());
  });
  store::fb::Status status;
  store::fb::Guarded([&] { attachment->detach(&status); });
}

}  // namespace

int SectionOfTerm(std::int32_t key) {
  const int share = Random(static_cast<std::uint64_t>(key)).Below(1000);
  if (share < 20) return 0;
  if (share < 220) return kBiggestSection;
  return 2 + (share - 220) % (kCategories - 2);
}

std::int32_t MegabyteArticleKey(int index, int terms) { return std::max(1, terms / (kMegabyteArticles + 1) * (index + 1)); }

std::string SectionName(int section) {
  return section == 0 ? text::Utf8ToCp1251("Общие термины") : text::Utf8ToCp1251("Раздел ") + std::to_string(section);
}

void ForEachTerm(int terms, const std::function<void(const GeneratedTerm&)>& take) {
  std::vector<std::int32_t> megabyteKeys;
  for (int i = 0; i < kMegabyteArticles; ++i) megabyteKeys.push_back(MegabyteArticleKey(i, terms));
  GeneratedTerm term;
  for (std::int32_t key = 1; key <= terms; ++key) {
    Random random(static_cast<std::uint64_t>(key) * 3 + 2);
    const bool megabyte = std::find(megabyteKeys.begin(), megabyteKeys.end(), key) != megabyteKeys.end();
    term.key = key;
    term.section = SectionOfTerm(key);
    term.headword = Headword(key);
    term.origin = Origins()[random.Below(static_cast<int>(Origins().size()))];
    term.description = megabyte ? MegabyteArticle(key, terms) : Description(key, terms);
    term.changed = ChangeMark(key, terms, megabyte);
    take(term);
  }
}

void MakeLargeHandbook(const std::filesystem::path& file, const std::filesystem::path& schema, int terms) {
  store::CreateHandbookDatabase(file, schema);
  SetForcedWrites(file, false);
  store::Database database;
  database.Open(file.string());
  store::SqlExecutor section(database);
  section.SetSQL("insert into SECTIONS (SECTION_UID, SECTION_NAME) values (?, ?)");
  for (int i = 0; i < kCategories; ++i) section.ExecQuery({std::to_string(i), SectionName(i)});
  store::SqlExecutor insert(database);
  insert.SetSQL(
      "insert into EUPHEMIZMS (EUPH_UID, SECTION_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, CHANGED) "
      "values (?, ?, ?, ?, ?, ?)");
  ForEachTerm(terms, [&](const GeneratedTerm& term) {
    insert.ExecQuery({std::to_string(term.key), std::to_string(term.section), term.headword, term.origin,
                      term.description, term.changed});
    // Short transactions keep the engine's undo log small.
    if (term.key % 20000 == 0) database.Commit();
  });
  database.Commit();
  database.Close();
  SetForcedWrites(file, true);
}

void WriteLargeHandbookScript(std::ostream& out, int terms) {
  for (int i = 0; i < kCategories; ++i)
    out << "insert into SECTIONS (SECTION_UID, SECTION_NAME) values (" << i << ", "
        << text::Cp1251ToUtf8(store::QuoteLiteral(SectionName(i))) << ");\n";
  ForEachTerm(terms, [&](const GeneratedTerm& term) {
    // A statement is one line: the article's line breaks become blanks; and a literal holds at
    // most 64 KB, so the 1 MB articles are cut to 32 KB.
    std::string description = term.description.substr(0, 32000);
    std::replace(description.begin(), description.end(), '\r', ' ');
    std::replace(description.begin(), description.end(), '\n', ' ');
    out << "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values ("
        << term.key << ", " << text::Cp1251ToUtf8(store::QuoteLiteral(term.headword)) << ", "
        << text::Cp1251ToUtf8(store::QuoteLiteral(term.origin)) << ", "
        << text::Cp1251ToUtf8(store::QuoteLiteral(description)) << ", " << term.section << ", "
        << (term.changed ? store::QuoteLiteral(*term.changed) : std::string("null")) << ");\n";
  });
}

}  // namespace bench
