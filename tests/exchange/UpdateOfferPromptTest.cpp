#include "exchange/UpdateOfferPrompt.h"

#include <gtest/gtest.h>

#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

TEST(UpdateOfferPrompt, AsksToDownloadInWindows1251) {
  EXPECT_EQ(exchange::UpdateOfferCaption(), ansi("Скачать обновления?"));
}

TEST(UpdateOfferPrompt, CarriesTheRepliesCountAndSizeAsReceived) {
  struct Case {
    const char* reply;
    std::string text;
  };
  const Case cases[] = {
      {"12|3456", ansi("Найдено 12 обновленых записей. Размер обновления: 3456 байт")},
      {"0|0\r\n", ansi("Найдено 0 обновленых записей. Размер обновления: 0\r\n байт")},
      {"42", ansi("Найдено 42 обновленых записей. Размер обновления:  байт")},
      {"1|2|3", ansi("Найдено 1 обновленых записей. Размер обновления: 2|3 байт")},
      {"%s|%d", ansi("Найдено %s обновленых записей. Размер обновления: %d байт")},
      {"", ansi("Найдено  обновленых записей. Размер обновления:  байт")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(exchange::UpdateOfferText(exchange::SplitUpdateCountReply(c.reply)), c.text) << '"' << c.reply << '"';
  const std::string russian = ansi("ошибка|сервера");
  EXPECT_EQ(exchange::UpdateOfferText(exchange::SplitUpdateCountReply(russian)),
            ansi("Найдено ошибка обновленых записей. Размер обновления: сервера байт"));
}

}  // namespace
