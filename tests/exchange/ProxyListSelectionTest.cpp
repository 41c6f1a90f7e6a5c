#include "exchange/ProxyListSelection.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace exchange {

void PrintTo(const ProxyAddress& proxy, std::ostream* out) { *out << '"' << proxy.server << "\" port " << proxy.port; }

}  // namespace exchange

namespace {

struct SelectionCase {
  const char* what;
  const char* list;
  const char* protocol;
  exchange::ProxyAddress expected;
};

void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.what; }

class ProxyFromListTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ProxyFromListTest, PicksTheServerAndPortTheSelectionRulesGive) {
  const SelectionCase& c = GetParam();
  EXPECT_EQ(exchange::ProxyFromList(c.list, c.protocol), c.expected) << "list \"" << c.list << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ProxyFromListTest,
    ::testing::Values(
        SelectionCase{"no proxy configured", "", "http", {"", 0}},
        SelectionCase{"one entry serves http", "proxy:8080", "http", {"proxy", 8080}},
        SelectionCase{"one entry serves any protocol", "proxy:8080", "ftp", {"proxy", 8080}},
        SelectionCase{"http entry first", "http=web:3128;https=secure:443;ftp=files:21", "http", {"web", 3128}},
        SelectionCase{"http entry in the middle", "ftp=files:21;http=web:3128;https=secure:443", "http", {"web", 3128}},
        SelectionCase{"http entry last", "ftp=files:21;https=secure:443;http=web:3128", "http", {"web", 3128}},
        SelectionCase{"the entry of another protocol", "ftp=files:21;http=web:3128", "ftp", {"files", 21}},
        // "https=" holds "http" followed by "s", not by "=", so the whole list is split at its first ":".
        SelectionCase{"only an https entry", "https=secure:443", "http", {"https=secure", 443}},
        SelectionCase{"https and ftp entries only", "https=secure:443;ftp=files:21", "http", {"https=secure", 0}},
        SelectionCase{"https before http", "https=secure:443;http=web:3128", "http", {"web", 3128}},
        SelectionCase{"http entry without a port", "http=web;https=secure:443", "http", {"", 0}},
        SelectionCase{"last http entry without a port", "https=secure:443;http=web", "http", {"", 0}},
        SelectionCase{"one entry without a port", "proxy", "http", {"", 0}},
        SelectionCase{"a port that is no number", "proxy:web", "http", {"proxy", 0}},
        SelectionCase{"a port with a trailing blank", "proxy:8080 ", "http", {"proxy", 0}},
        SelectionCase{"a port too large for an integer", "proxy:99999999999", "http", {"proxy", 0}},
        SelectionCase{"an empty port", "http=web:;ftp=files:21", "http", {"web", 0}},
        SelectionCase{"an empty server", ":8080", "http", {"", 8080}},
        SelectionCase{"protocol names are case-sensitive", "HTTP=upper:1;http=lower:2", "http", {"lower", 2}},
        SelectionCase{"an upper-case entry alone is no match", "HTTP=upper:1", "http", {"HTTP=upper", 1}},
        SelectionCase{"the first http entry wins", "http=one:1;http=two:2", "http", {"one", 1}},
        SelectionCase{"a port holding a second colon", "http=web:80:81", "http", {"web", 0}},
        SelectionCase{"a trailing separator", "http=web:3128;", "http", {"web", 3128}}));

}  // namespace
