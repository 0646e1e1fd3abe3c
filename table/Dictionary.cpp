#include "Dictionary.h"

#include <algorithm>

namespace halvane {

namespace {
int g_languageIndex = 0;
}

int LanguageIndex()
{
    return g_languageIndex;
}

void SetLanguageIndex(int index)
{
    g_languageIndex = std::clamp(index, 0, LanguageCount - 1);
}

bool HasForm(const PhraseForms &phrase, int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= LanguageCount)
        return false;
    const char *form = phrase[languageIndex];
    return form != nullptr && *form != '\0';
}

QString PhraseIn(const PhraseForms &phrase, int languageIndex)
{
    if (HasForm(phrase, languageIndex))
        return QString::fromUtf8(phrase[languageIndex]);
    return phrase[0] ? QString::fromUtf8(phrase[0]) : QString();
}

QString Phrase(const PhraseForms &phrase)
{
    return PhraseIn(phrase, g_languageIndex);
}

QString DisplayLines(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    return result;
}

} // namespace halvane
