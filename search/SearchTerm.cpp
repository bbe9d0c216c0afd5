#include "search/SearchTerm.h"

#include <algorithm>

namespace paarvinder {

namespace {

constexpr char UpperByte(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
}

}  // namespace

std::string NormaliseTerm(std::string_view entryText) {
  const std::size_t separator = entryText.find_last_of("\\:/");
  const std::string_view fileName =
      separator == std::string_view::npos ? entryText : entryText.substr(separator + 1);
  std::string term(fileName);
  std::transform(term.begin(), term.end(), term.begin(), UpperByte);
  return term;
}

bool Matches(std::string_view name, std::string_view term) {
  if (term.empty() || name.size() < term.size()) return false;
  const std::size_t lastStart = name.size() - term.size();
  for (std::size_t i = 0; i <= lastStart; ++i) {
    std::size_t j = 0;
    while (j < term.size() && UpperByte(name[i + j]) == term[j]) ++j;
    if (j == term.size()) return true;
  }
  return false;
}

}  // namespace paarvinder
