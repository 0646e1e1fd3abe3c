#pragma once
// Pictures that depend on the language: the menu caption "Cap" + code, the
// play-mode banners "Elite" / "Net__" + code, the big flags of the options
// dialog and the small flags of the language list. Japanese and Korean use
// the English lettered pictures but have flags of their own.

#include <QImage>
#include <QString>

namespace halvane {

// "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", then "Eng" for Japanese and Korean.
QString ImageLanguageCode(int languageIndex);
// base + ImageLanguageCode ("Cap" -> "CapDeu").
QString LanguagePictureName(const QString &base, int languageIndex);
// "FlagO" + the language code; "FlagOJap" and "FlagOKor" for Japanese and Korean.
QString BigFlagName(int languageIndex);
// The language's own name as the language list shows it ("Deutsche", "中文", ...).
QString LanguageListName(int languageIndex);

// The executable's PNG of that base name for the language; null when absent.
QImage LanguagePicture(const QString &base, int languageIndex);
QImage BigFlag(int languageIndex);

// The language's national flag drawn at the given size (14 x 12 in the list).
QImage DrawLanguageFlag(int languageIndex, QSize size);

} // namespace halvane
