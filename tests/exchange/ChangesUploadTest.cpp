#include <gtest/gtest.h>

#include <string>

#include "exchange/ChangesUpload.h"
#include "platform/Clock.h"

namespace {

using text::CalendarTime;

struct BoundaryCase {
  const char* name;
  CalendarTime time;
  const char* boundary;
};

class ChangesUploadBoundaryTest : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(ChangesUploadBoundaryTest, IsEightHyphensAndTheTime) {
  EXPECT_EQ(exchange::ChangesUploadBoundary(GetParam().time), GetParam().boundary);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangesUploadBoundaryTest,
    ::testing::Values(BoundaryCase{"LeadingZeros", {2009, 1, 2, 3, 4, 5, 6}, "--------010209030405006"},
                      BoundaryCase{"LastMomentOfAYear", {2026, 12, 31, 23, 59, 59, 999}, "--------123126235959999"},
                      BoundaryCase{"YearOfACentury", {2000, 6, 15, 0, 0, 0, 0}, "--------061500000000000"},
                      BoundaryCase{"AfternoonIsNotTwelveHour", {1999, 10, 9, 13, 20, 5, 120}, "--------100999132005120"}),
    [](const ::testing::TestParamInfo<BoundaryCase>& info) { return std::string(info.param.name); });

TEST(ChangesUploadBoundary, TakesTheTimeFromTheClock) {
  platform::SetClock([] { return text::EncodeDateTime({2010, 3, 4, 5, 6, 7, 89}); });
  const std::string boundary = exchange::ChangesUploadBoundary();
  platform::ResetClock();
  EXPECT_EQ(boundary, "--------030410050607089");
}

struct BodyCase {
  const char* name;
  std::string document;
  std::string body;
};

class ChangesUploadBodyTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(ChangesUploadBodyTest, IsOneFormFieldByteForByte) {
  EXPECT_EQ(exchange::ChangesUploadBody("--------010209030405006", GetParam().document), GetParam().body);
}

const std::string kEmptyDocument =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<update>\r\n</update>\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangesUploadBodyTest,
    ::testing::Values(
        // The document's own final CR LF is followed by the part's closing CR LF.
        BodyCase{"Document", kEmptyDocument,
                 "----------010209030405006\r\n"
                 "Content-Disposition: form-data; name=\"xmlfile\"\r\n"
                 "\r\n"
                 "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<update>\r\n</update>\r\n"
                 "\r\n"
                 "----------010209030405006--\r\n"},
        BodyCase{"EmptyValue", "",
                 "----------010209030405006\r\n"
                 "Content-Disposition: form-data; name=\"xmlfile\"\r\n"
                 "\r\n"
                 "\r\n"
                 "----------010209030405006--\r\n"},
        // Windows-1251 bytes, a zero byte and bare line feeds pass unchanged.
        BodyCase{"BytesPassUnchanged", std::string("\xC0\xFF\n\0x\r", 6),
                 "----------010209030405006\r\n"
                 "Content-Disposition: form-data; name=\"xmlfile\"\r\n"
                 "\r\n" +
                     std::string("\xC0\xFF\n\0x\r", 6) +
                     "\r\n"
                     "----------010209030405006--\r\n"}),
    [](const ::testing::TestParamInfo<BodyCase>& info) { return std::string(info.param.name); });

TEST(MakeChangesUploadRequest, PostsToTheUploadPathWithTheBoundaryInTheContentType) {
  const exchange::ChangesUploadRequest request =
      exchange::MakeChangesUploadRequest("http://producer.example", kEmptyDocument, "--------123126235959999");
  EXPECT_EQ(request.url, "http://producer.example/includes/dictadd.php");
  EXPECT_EQ(request.contentType, "multipart/form-data; boundary=--------123126235959999");
  EXPECT_EQ(request.body, exchange::ChangesUploadBody("--------123126235959999", kEmptyDocument));
}

struct ReplyCase {
  const char* name;
  std::string reply;
  bool accepted;
};

class ChangesUploadReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ChangesUploadReplyTest, OnlyExactlyOkIsAccepted) {
  EXPECT_EQ(exchange::IsChangesUploadAccepted(GetParam().reply), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChangesUploadReplyTest,
                         ::testing::Values(ReplyCase{"Ok", "OK", true}, ReplyCase{"Empty", "", false},
                                           ReplyCase{"LowerCase", "ok", false}, ReplyCase{"MixedCase", "Ok", false},
                                           ReplyCase{"TrailingCrLf", "OK\r\n", false},
                                           ReplyCase{"TrailingLineFeed", "OK\n", false},
                                           ReplyCase{"LeadingSpace", " OK", false},
                                           ReplyCase{"TrailingZeroByte", std::string("OK\0", 3), false},
                                           ReplyCase{"ErrorPage", "<html><body>OK</body></html>", false},
                                           ReplyCase{"OnlyO", "O", false}),
                         [](const ::testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

}  // namespace
