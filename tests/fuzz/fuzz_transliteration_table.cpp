// Loads any rule table and converts texts with it both ways: the shipped sample of Latin and
// Cyrillic, and the table's own bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/Transliterator.h"

namespace {

const std::filesystem::path& TableFile() {
  static const std::filesystem::path file = [] {
    char folder[] = "/tmp/korvand-fuzz-XXXXXX";
    if (!::mkdtemp(folder)) std::abort();
    return std::filesystem::path(folder) / "Translit.tlt";
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string table(reinterpret_cast<const char*>(data), size);
  std::ofstream(TableFile(), std::ios::binary | std::ios::trunc) << table;
  // Every load narrows the shared pass-through set; each input starts from the program's own.
  text::PassThroughChars = text::InitialPassThroughChars();
  text::TTransliterator transliterator;
  transliterator.LoadFromFile(TableFile());
  const std::string sample = "Shchuka, zhuk'' i yozh - 12 (x^2) \xF9\xF3\xEA\xE0 \xB8\xE6 \xC0\xC1";
  for (const std::string& s : {sample, table}) {
    const std::string forward = transliterator.Transliterate(s);
    transliterator.Detransliterate(forward);
    transliterator.Detransliterate(s);
  }
  return 0;
}
