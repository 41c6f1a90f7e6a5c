#pragma once
// The handbook's small text routines. Texts are Windows-1251 bytes, positions 1-based with 0 for
// "not found"; ranges out of bounds are clipped, nothing here raises an error. Note the argument
// orders of StartsWith and CountChar: the prefix and the character come first.
#include <string>
#include <string_view>

#include "text/AnsiCase.h"
#include "text/CharSet.h"
#include "text/FastPos.h"

namespace text {

// The clipping primitives. CopyText: a From below 1 counts as 1, a negative Count as 0, a range
// past the end stops at the end. DeleteText does nothing for a From outside the text or a Count
// of 0 or less.
std::string CopyText(std::string_view s, int from, int count);
void DeleteText(std::string& s, int from, int count);

std::string CapitalizeFirst(std::string_view s);
// The text between the first StartMarker and the first EndMarker, both searched from the start.
std::string TextBetween(std::string_view s, std::string_view startMarker, std::string_view endMarker);
std::string CopyRange(std::string_view s, int from, int to);
// Returns CopyRange(S, From, To) and deletes that range from S.
std::string CutRange(std::string& s, int from, int to);
std::string DigitsOnly(std::string_view s);
bool StartsWith(std::string_view prefix, std::string_view s);
std::string DropLastChar(std::string_view s);
std::string RemoveChars(std::string_view s, const CharSet& chars);
std::string TextBefore(std::string_view s, char ch);
std::string TextAfter(std::string_view s, char ch);
std::string TextAfterOrAll(std::string_view s, char ch);
int CountChar(char ch, std::string_view s);
// Left to right, without overlap; text that came from Replacement is not searched again.
std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view replacement);
// Empty or spaces (byte 32) only.
bool IsBlank(std::string_view s);
// Ends a folder path with a backslash; a bare drive letter becomes the root of that drive.
std::string IncludeTrailingSlash(std::string_view path);
// Runs of spaces (byte 32) become one space, at the ends too.
std::string CollapseSpaces(std::string_view s);
// A free text made fit for a quoted field of at most MaxLen characters: trailing blanks and
// control characters cut, spaces collapsed, codes 0-9, 11, 12 and 14-20 dropped, cut to MaxLen,
// double quotes turned into spaces.
std::string SanitizeText(std::string_view s, int maxLen);
std::string QuoteSanitized(std::string_view s, int maxLen, std::string_view quote);
int IfThen(bool flag, int a, int b);
int LesserOf(int a, int b);

// Characters of code 0 to 32 removed at the named end(s).
std::string TrimBlanks(std::string_view s);
std::string TrimLeadingBlanks(std::string_view s);
std::string TrimTrailingBlanks(std::string_view s);

}  // namespace text
