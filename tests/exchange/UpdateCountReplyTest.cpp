#include "exchange/UpdateCountReply.h"

#include <gtest/gtest.h>

#include <ostream>

namespace exchange {

void PrintTo(const UpdateCount& update, std::ostream* out) {
  *out << "count \"" << update.count << "\" size \"" << update.size << '"';
}

}  // namespace exchange

namespace {

struct ReplyCase {
  const char* reply;
  bool nothingNew;
  exchange::UpdateCount split;
};

void PrintTo(const ReplyCase& c, std::ostream* out) { *out << '"' << c.reply << '"'; }

class UpdateCountReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(UpdateCountReplyTest, OnlyExactly0Bar0MeansNothingNewAndTheRestSplitsAtTheFirstBar) {
  const ReplyCase& c = GetParam();
  EXPECT_EQ(exchange::ReplyHasNoUpdates(c.reply), c.nothingNew);
  EXPECT_EQ(exchange::SplitUpdateCountReply(c.reply), c.split);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateCountReplyTest,
    ::testing::Values(ReplyCase{"0|0", true, {"0", "0"}},
                      ReplyCase{"12|3456", false, {"12", "3456"}},
                      ReplyCase{"0|0\r\n", false, {"0", "0\r\n"}},
                      ReplyCase{"0|0\n", false, {"0", "0\n"}},
                      ReplyCase{" 0|0", false, {" 0", "0"}},
                      ReplyCase{"0|00", false, {"0", "00"}},
                      ReplyCase{"0|", false, {"0", ""}},
                      ReplyCase{"|0", false, {"", "0"}},
                      ReplyCase{"42", false, {"42", ""}},
                      ReplyCase{"", false, {"", ""}},
                      ReplyCase{"1|2|3", false, {"1", "2|3"}},
                      ReplyCase{"<html>Service unavailable</html>", false, {"<html>Service unavailable</html>", ""}}));

}  // namespace
