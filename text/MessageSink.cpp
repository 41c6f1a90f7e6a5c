#include "text/MessageSink.h"

#include <iostream>
#include <utility>

#include "text/Cp1251.h"

namespace text {
namespace {

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

}  // namespace

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

void ShowPlainMessage(const std::string& message) {
  if (Sink()) {
    Sink()(message);
  } else {
    std::cerr << Cp1251ToUtf8(message) << '\n';
  }
}

}  // namespace text
