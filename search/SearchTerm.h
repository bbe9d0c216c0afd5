#pragma once
// The normalisation rule (entry text -> search term) and the match rule.

#include <string>
#include <string_view>

namespace paarvinder {

// Upper-cases a to z byte by byte and keeps what follows the last "\", ":" or
// "/" (on Linux a typed full path must give its file name).
std::string NormaliseTerm(std::string_view entryText);

// A name is a hit when its byte-wise upper-cased form contains the term; an
// empty term matches nothing.
bool Matches(std::string_view name, std::string_view term);

}  // namespace paarvinder
