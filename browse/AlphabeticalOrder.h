#pragma once
// The order a reader expects of a list of headwords (Windows-1251): letter case does not separate
// words, Latin comes before Cyrillic, Ё follows Е. Texts equal but for case keep a fixed order.
#include <string_view>

namespace browse {

bool AlphabeticallyBefore(std::string_view a, std::string_view b);

}  // namespace browse
