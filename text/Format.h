#pragma once
// The standard formatter. Specifiers: %[index:][-][width][.precision]type with the types
// d u e f g n m p s x (upper case too) and %% for one percent sign. The index counts from 0 and
// later specifiers without index go on from it. Width pads with spaces (on the right with "-").
// Precision: the least number of digits for d u x, the significant digits for e g (default 15),
// the decimals for f n m (default 2), the most characters for s.
// A specifier and its value must agree: d u x take integers, e f g n m floating-point numbers,
// s texts and single characters, p pointers.
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/FormatArg.h"

namespace text {

// Every error of Format and FormatEx; the message names the pattern.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Format(std::string_view pattern, std::span<const FormatArg> args);
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args = {});

}  // namespace text
