// The text routines against their references, side by side in one run:
// FastPos and FastPosEx against std::string_view::find, Md5 against OpenSSL's MD5.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "text/FastPos.h"
#include "text/Md5.h"

#ifdef HANDBOOK_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

// About 1 MB of Windows-1251 words, like article text, with the wanted word only at the very end.
const std::string& ArticleText() {
  static const std::string text = [] {
    const char* words[] = {"\xE3\xE0\xF1\xF2\xF0\xE8\xF2", "\xEE\xF1\xF2\xF0\xFB\xE9", "\xF5\xF0\xEE\xED\xE8\xF7\xE5\xF1\xEA\xE8\xE9",
                           "\xE2\xEE\xF1\xEF\xE0\xEB\xE5\xED\xE8\xE5", "\xF1\xEB\xE8\xE7\xE8\xF1\xF2\xEE\xE9", "(lat. gaster)", "-",
                           "\xE6\xE5\xEB\xF3\xE4\xEA\xE0", "\xE1\xEE\xEB\xFC", "\xEF\xF0\xE8", "\xEE\xE1\xEE\xEB\xEE\xF7\xEA\xE8"};
    std::string s;
    std::uint32_t seed = 12345;
    while (s.size() < (1u << 20)) {
      seed = seed * 1103515245u + 12345u;
      s += words[(seed >> 16) % (sizeof words / sizeof words[0])];
      s += ' ';
    }
    return s + "<description>";
  }();
  return text;
}

// A text where the first letter of the wanted word is everywhere: every byte is a candidate.
const std::string& RepetitiveText() {
  static const std::string text = std::string(1u << 20, 'a') + "ab";
  return text;
}

void FastPosArticle(benchmark::State& state) {
  const std::string& s = ArticleText();
  for (auto _ : state) benchmark::DoNotOptimize(text::FastPos("<description>", s));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

void FindArticle(benchmark::State& state) {
  const std::string_view s = ArticleText();
  for (auto _ : state) benchmark::DoNotOptimize(s.find("<description>"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

void FastPosExRepetitive(benchmark::State& state) {
  const std::string& s = RepetitiveText();
  for (auto _ : state) benchmark::DoNotOptimize(text::FastPosEx("ab", s, 1));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

void FindRepetitive(benchmark::State& state) {
  const std::string_view s = RepetitiveText();
  for (auto _ : state) benchmark::DoNotOptimize(s.find("ab"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

// A word whose first letter is common in the text.
const std::string kCommonFirstLetter = "\xEE\xF1\xEB\xEE\xE6\xED\xE5\xED\xE8\xE5";

void FastPosCommonLetter(benchmark::State& state) {
  const std::string& s = ArticleText();
  for (auto _ : state) benchmark::DoNotOptimize(text::FastPos(kCommonFirstLetter, s));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

void FindCommonLetter(benchmark::State& state) {
  const std::string_view s = ArticleText();
  for (auto _ : state) benchmark::DoNotOptimize(s.find(kCommonFirstLetter));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

void FastPosOneChar(benchmark::State& state) {
  const std::string& s = ArticleText();
  for (auto _ : state) benchmark::DoNotOptimize(text::FastPos("<", s));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

void FindOneChar(benchmark::State& state) {
  const std::string_view s = ArticleText();
  for (auto _ : state) benchmark::DoNotOptimize(s.find("<"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.size()));
}

const std::string& Document() {
  static const std::string document = ArticleText().substr(0, 1u << 20);
  return document;
}

void Md5OfDocument(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(text::Md5OfText(Document()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Document().size()));
}

#ifdef HANDBOOK_BENCH_OPENSSL
void OpenSslMd5OfDocument(benchmark::State& state) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  for (auto _ : state) {
    EVP_Digest(Document().data(), Document().size(), digest, &length, EVP_md5(), nullptr);
    benchmark::DoNotOptimize(digest);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Document().size()));
}
BENCHMARK(OpenSslMd5OfDocument);
#endif

}  // namespace

BENCHMARK(FastPosArticle);
BENCHMARK(FindArticle);
BENCHMARK(FastPosExRepetitive);
BENCHMARK(FindRepetitive);
BENCHMARK(FastPosCommonLetter);
BENCHMARK(FindCommonLetter);
BENCHMARK(FastPosOneChar);
BENCHMARK(FindOneChar);
BENCHMARK(Md5OfDocument);
