#pragma once
// A phrase: the ten forms of one text, in the order of LanguageIndex
// (English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean), written as UTF-8. A missing form (nullptr or "") falls
// back to English. Line breaks inside a phrase are "\n\r"; apostrophes are the
// grave accent; leading and trailing blanks belong to the phrase.

#include <array>

namespace halvane {

inline constexpr int LanguageCount = 10;
using PhraseForms = std::array<const char *, LanguageCount>;

} // namespace halvane
