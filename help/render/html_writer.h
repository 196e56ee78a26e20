#pragma once
// A page as HTML for the help window (the rich text a QTextBrowser shows), and as
// plain text for the search.

#include <string>
#include <string_view>

#include "help/render/reference.h"

namespace help {

std::string PageHtml(const Page& page);

// Inline markup as HTML; a link's href is its target, "fn:tan" becoming "fn-tan".
std::string InlineHtml(std::string_view text);

std::string PagePlainText(const Page& page);

} // namespace help
