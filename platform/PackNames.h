#pragma once
// The resource-name schemes that the packs and the executable share: card
// faces, suit symbols, backs and table backgrounds, and the pack file that
// holds each set. Both the loaders and the build-time pack builder use them,
// so a name is spelled in one place only.

#include <QString>

namespace halvane {

inline constexpr int CardSetCount = 48;   // 0 (built-in) .. 47
inline constexpr int BackSetCount = 13;   // 0 (built-in) .. 12
inline constexpr int BackgroundPictureCount = 11; // 0 (none) .. 10
inline constexpr int BackgroundColourCount = 7;   // 0 .. 6

namespace PackFile {
inline const char *const CardsA = "VyxCards06A.dll";
inline const char *const CardsB = "VyxCards06B.dll";
inline const char *const CardsC = "VyxCards06C.dll";
inline const char *const Backgrounds = "VyxBackG03.dll";
inline const char *const Decor = "VyxCGraph1.dll";
inline const char *const Voice = "VyxCVoice3.dll";
inline const char *const Calendar = "VyxCalendar01.dll";
inline const char *const Radio = "VyxRadio02.dll";
inline const char *const RadioData = "VyxRadio.rad";
} // namespace PackFile

// The three-letter code of a face set; empty for the built-in set 0.
QString CardSetCode(int cardSet);
// The suffixes of one set: for "02".."10" and the suit symbols, for "2J" "3Q"
// "4K", for "5A", and for the suit symbols (which differ only for set 11).
struct FaceSuffixes {
    QString pip;
    QString court;
    QString ace;
    QString symbol;
};
FaceSuffixes FaceSuffixesOf(int cardSet);
// The pack that holds a face set, empty for the built-in set.
QString FacePackOf(int cardSet);
// Wide faces are 71 design units wide, narrow ones 61.
bool IsWideCardSet(int cardSet);

// suit 1 hearts .. 4 spades; rank 2..14 (11 jack .. 14 ace).
QString SuitPrefix(int suit);
QString RankPart(int rank);
// suit + rank + set suffix + ("B" when big).
QString FaceName(int cardSet, int suit, int rank, bool big);
// "Cher" "Bubi" "Kres" "Piki" + symbol suffix + ("B" when big).
QString SuitSymbolName(int cardSet, int suit, bool big);

// The face cache slot 1..36 of a rank 6..14 and suit 1..4 (slot 1 six of
// hearts, slot 36 ace of spades).
inline int FaceSlot(int rank, int suit) { return (rank - 6) * 4 + suit; }

QString BackSetCode(int backSet);
// 10 for sets 8..11, else 7.
int BackCountOf(int backSet);
// "Ob01Mo" .. "Ob10XX" for index 1..10.
QString BackBaseName(int index);
// Size suffix: "" small, "B" big with wide faces, "U" big with narrow faces.
QString BackName(int backSet, int index, const QString &sizeSuffix);

// "Fon" + two-digit picture + colour code + ("B" when big); the built-in
// picture is "FonG".
QString BackgroundColourCode(int colour);
QString BackgroundName(int picture, int colour, bool big);
inline const char *const BuiltInBackground = "FonG";

// The files the options dialog can download, by their button number 1..9.
QString DownloadFileOf(int which);
// The download number of a pack file name (case-insensitive), 0 for none.
int DownloadNumberOf(const QString &file);

} // namespace halvane
