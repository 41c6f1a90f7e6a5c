#include "text/FormatExConverters.h"

#include "text/Format.h"
#include "text/KorStrUtils.h"
#include "text/TextUtilities.h"

namespace text {

std::string DigitsToDate(std::string_view s) {
  const std::string d = DigitsOnly(s);
  if (d.size() != 8) return std::string(s);
  return Format("%s-%s-%s", {d.substr(0, 4), d.substr(4, 2), d.substr(6, 2)});
}

std::string DigitsToTime(std::string_view s) {
  const std::string shortened = TextBefore(s, '.');
  const std::string d = DigitsOnly(shortened);
  if (d.size() == 6) return Format("%s:%s:%s", {d.substr(0, 2), d.substr(2, 2), d.substr(4, 2)});
  if (d.size() == 4) return Format("%s:%s", {d.substr(0, 2), d.substr(2, 2)});
  return shortened;
}

std::string DoubleChar(char ch, std::string_view s) {
  const std::string_view one(&ch, 1);
  std::string out;
  out.reserve(s.size() + 8);
  int from = 1;
  for (int p = FastPosEx(one, s, from); p > 0; p = FastPosEx(one, s, from)) {
    out.append(s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(p - from + 1)));
    out += ch;
    from = p + 1;
  }
  if (static_cast<std::size_t>(from - 1) < s.size()) out.append(s.substr(static_cast<std::size_t>(from - 1)));
  return out;
}

std::string TranslitForward(std::string_view s, bool /*flag*/) { return GlobalTransliterator().Transliterate(s); }

std::string TranslitBackward(std::string_view s) { return GlobalTransliterator().Detransliterate(s); }

}  // namespace text
