#include "FontFamilies.h"

#include <QFont>
#include <QStringList>

namespace halvane {

void InstallFontSubstitutions()
{
    // Plain "Terminus" picks a bitmap face that draws tiny; the TTF one scales.
    if (!QFont::substitutes(QStringLiteral("FixedSys")).contains(QStringLiteral("Terminus (TTF)")))
        QFont::insertSubstitutions(QStringLiteral("FixedSys"),
                                   {QStringLiteral("Terminus (TTF)"), QStringLiteral("DejaVu Sans Mono")});
}

} // namespace halvane
