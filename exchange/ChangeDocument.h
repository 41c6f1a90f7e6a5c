#pragma once
// The document of local changes sent to the producer: XML-like lines in Windows-1251. Values go
// in as they are stored, only their trailing blanks and control characters cut; nothing is
// escaped, because the producer's reader takes the elements literally.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "store/Records.h"

namespace exchange {

// The declaration, "<update>", seven lines per term in the order given, "</update>". An edited
// term carries its key in the uid line; a term created here has none the producer knows, so
// its uid line is empty ("<uid></uid>").
std::vector<std::string> ChangeDocumentLines(std::span<const store::TermRecord> terms);

// The lines with CR LF after each, the last one included.
std::string JoinChangeDocument(std::span<const std::string> lines);

// A document without terms has just its three frame lines.
bool IsEmptyChangeDocument(std::span<const std::string> lines);

}  // namespace exchange
