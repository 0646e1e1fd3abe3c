#pragma once
// The phrase look-up: every text the user sees is fetched at display time.

#include "PhraseForms.h"

#include <QString>

namespace halvane {

// The current interface language 0..9, a setting kept in the settings file.
int LanguageIndex();
void SetLanguageIndex(int index);

// The form of the phrase in the current language, English when that form is missing.
QString Phrase(const PhraseForms &phrase);
QString PhraseIn(const PhraseForms &phrase, int languageIndex);
// Whether the phrase has its own form in the language (not the English fallback).
bool HasForm(const PhraseForms &phrase, int languageIndex);

// A phrase's "\n\r" line breaks as the single "\n" that Qt widgets break on.
QString DisplayLines(const QString &text);

} // namespace halvane
