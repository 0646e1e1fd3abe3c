#pragma once
// The contract panel (ImageKon, design 110 x 160): the round number, the
// contract in up to four lines and the no-hearts sign; while the computer
// thinks, its progress bar (ThinkingFrame) lies on the panel's lower part.

#include <QImage>
#include <QString>
#include <QStringList>

namespace halvane {

class TableArt;

class ContractPanel
{
public:
    // The contract's lines below the round (1..14; none for 0, not yet ordered).
    static QStringList ContractLines(int contract);
    // Whether the contract forbids leading hearts (4, 5, 7, 11, 12, 14).
    static bool ForbidsHeartLead(int contract);

    static void Draw(QImage &panel, const QImage &under, const TableArt &art, int round, int contract);

    // The progress bar at `percent` 0..100.
    static void ThinkingFrame(QImage &panel, int percent);
    // Paints the bar's area back from the frame picture.
    static void ClearThinkingFrame(QImage &panel, const QImage &under, const TableArt &art);

private:
    static QImage FrameOver(const QImage &under, const TableArt &art);
};

} // namespace halvane
