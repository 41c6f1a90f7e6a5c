#pragma once
// The two web pages the handbook opens on the producer's site: the handbook's page and the forum.
// Plain pages of the server's own, in Windows-1251 like everything the handbook reads.
#include <string>

namespace producer {

std::string HandbookPage();
std::string ForumPage();

}  // namespace producer
