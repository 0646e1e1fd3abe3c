#include "PackNames.h"

#include <array>

namespace halvane {

namespace {

const std::array<const char *, CardSetCount> SetCodes = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

const std::array<const char *, BackSetCount> BackCodes = {
    "", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

const std::array<const char *, 10> BackBases = {
    "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

const std::array<const char *, BackgroundColourCount> ColourCodes = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

bool inRange(int v, int count) { return v >= 0 && v < count; }

} // namespace

QString CardSetCode(int cardSet)
{
    return inRange(cardSet, CardSetCount) ? QString::fromLatin1(SetCodes[size_t(cardSet)]) : QString();
}

FaceSuffixes FaceSuffixesOf(int cardSet)
{
    const QString own = CardSetCode(cardSet);
    FaceSuffixes s{own, own, own, own};
    const auto both = [&s](const char *code) { s.pip = s.ace = s.symbol = QString::fromLatin1(code); };
    switch (cardSet) {
    case 6: s.pip = s.symbol = QStringLiteral("Mod"); s.ace = QStringLiteral("Cor"); break;
    case 7: case 10: case 13: both("Mod"); break;
    case 19: case 20: both("Sea"); break;
    case 25: s.pip = s.symbol = QStringLiteral("Rhi"); s.ace = QStringLiteral("Boy"); break;
    case 27: s.pip = s.symbol = QStringLiteral("Big"); s.ace = QStringLiteral("USR"); break;
    case 11: s.symbol = QStringLiteral("Mod"); break;
    default: break;
    }
    return s;
}

QString FacePackOf(int cardSet)
{
    if (cardSet >= 1 && cardSet <= 31)
        return QString::fromLatin1(PackFile::CardsA);
    if (cardSet >= 32 && cardSet <= 39)
        return QString::fromLatin1(PackFile::CardsB);
    if (cardSet >= 40 && cardSet <= 47)
        return QString::fromLatin1(PackFile::CardsC);
    return {};
}

bool IsWideCardSet(int cardSet)
{
    return cardSet < 28 || cardSet == 40 || cardSet == 45;
}

QString SuitPrefix(int suit)
{
    static const std::array<const char *, 4> prefixes = {"Ch", "Bu", "Kr", "Pi"};
    return suit >= 1 && suit <= 4 ? QString::fromLatin1(prefixes[size_t(suit - 1)]) : QString();
}

QString RankPart(int rank)
{
    switch (rank) {
    case 11: return QStringLiteral("2J");
    case 12: return QStringLiteral("3Q");
    case 13: return QStringLiteral("4K");
    case 14: return QStringLiteral("5A");
    default: break;
    }
    return rank >= 2 && rank <= 10 ? QStringLiteral("%1").arg(rank, 2, 10, QLatin1Char('0')) : QString();
}

QString FaceName(int cardSet, int suit, int rank, bool big)
{
    const FaceSuffixes s = FaceSuffixesOf(cardSet);
    const QString &suffix = rank == 14 ? s.ace : rank >= 11 ? s.court : s.pip;
    return SuitPrefix(suit) + RankPart(rank) + suffix + (big ? QStringLiteral("B") : QString());
}

QString SuitSymbolName(int cardSet, int suit, bool big)
{
    static const std::array<const char *, 4> names = {"Cher", "Bubi", "Kres", "Piki"};
    if (suit < 1 || suit > 4)
        return {};
    return QString::fromLatin1(names[size_t(suit - 1)]) + FaceSuffixesOf(cardSet).symbol
        + (big ? QStringLiteral("B") : QString());
}

QString BackSetCode(int backSet)
{
    return inRange(backSet, BackSetCount) ? QString::fromLatin1(BackCodes[size_t(backSet)]) : QString();
}

int BackCountOf(int backSet)
{
    return backSet >= 8 && backSet <= 11 ? 10 : 7;
}

QString BackBaseName(int index)
{
    return index >= 1 && index <= 10 ? QString::fromLatin1(BackBases[size_t(index - 1)]) : QString();
}

QString BackName(int backSet, int index, const QString &sizeSuffix)
{
    return BackBaseName(index) + BackSetCode(backSet) + sizeSuffix;
}

QString BackgroundColourCode(int colour)
{
    return inRange(colour, BackgroundColourCount) ? QString::fromLatin1(ColourCodes[size_t(colour)]) : QString();
}

QString BackgroundName(int picture, int colour, bool big)
{
    return QStringLiteral("Fon%1").arg(picture, 2, 10, QLatin1Char('0')) + BackgroundColourCode(colour)
        + (big ? QStringLiteral("B") : QString());
}

QString DownloadFileOf(int which)
{
    static const std::array<const char *, 9> files = {
        PackFile::CardsA, PackFile::CardsB, PackFile::Backgrounds, PackFile::Calendar, PackFile::RadioData,
        PackFile::Radio,  PackFile::Voice,  PackFile::CardsC,      PackFile::Decor};
    return which >= 1 && which <= 9 ? QString::fromLatin1(files[size_t(which - 1)]) : QString();
}

int DownloadNumberOf(const QString &file)
{
    for (int which = 1; which <= 9; ++which)
        if (DownloadFileOf(which).compare(file, Qt::CaseInsensitive) == 0)
            return which;
    return 0;
}

} // namespace halvane
