#include "WindowSize.h"

#include "CardImages.h"
#include "FontFamilies.h"
#include "records/codec/Settings.h"

#include <QGuiApplication>
#include <QScreen>

namespace halvane {

ScaleState ScaleForWindowSize(int windowSize, const QSize &workArea)
{
    ScaleState s;
    s.windowSize = std::clamp(windowSize, 1, 5);
    switch (s.windowSize) {
    case 2:
        s.clientWidth = std::max(1, workArea.width());
        s.clientHeight = std::max(1, workArea.height());
        s.scaleX = s.clientWidth / 760.0;
        s.scaleY = s.clientHeight / 500.0;
        s.scaleFactor = std::min(s.scaleX, s.scaleY);
        break;
    case 3: s.clientWidth = 990; s.clientHeight = 650; s.scaleFactor = 1.3; break;
    case 4: s.clientWidth = 1290; s.clientHeight = 850; s.scaleFactor = 1.7; break;
    case 5: s.clientWidth = 1520; s.clientHeight = 1000; s.scaleFactor = 2.0; break;
    default: s.clientWidth = 760; s.clientHeight = 500; s.scaleFactor = 1.0; break;
    }
    if (s.windowSize != 2)
        s.scaleX = s.scaleY = s.scaleFactor;
    s.cardWidth = 71;
    s.cardHeight = 96;
    s.faceFormat = 1;
    // Card width here assumes wide faces; the face loader narrows it.
    if (s.scaleFactor >= 1.3) {
        s.cardWidth = ScaledBy(s.scaleFactor, 71);
        s.cardHeight = ScaledBy(s.scaleFactor, 96);
        s.faceFormat = 0;
    }
    if (s.scaleFactor >= 2.0) {
        s.cardWidth = 146;
        s.cardHeight = 198;
        s.faceFormat = 2;
    }
    return s;
}

QString WindowSizeHint(int windowSize)
{
    switch (windowSize) {
    case 1: return QStringLiteral("760 x 500");
    case 3: return QStringLiteral("990 x 650");
    case 4: return QStringLiteral("1290 x 850");
    case 5: return QStringLiteral("1520 x 1000");
    default: return {};
    }
}

void ApplyWindowSize(bool decorDesign, const QRect &workArea)
{
    InstallFontSubstitutions();
    Settings &settings = CurrentSettings();
    QRect area = workArea;
    if (area.isEmpty() && settings.WindowSize == 2) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    }
    if (area.isEmpty())
        area = QRect(0, 0, 760, 500);
    CurrentScale() = ScaleForWindowSize(settings.WindowSize, area.size());
    LoadBackground(decorDesign);
    LoadCardFaces(); // loads the backs too, as their format follows the faces
    if (CurrentScale().windowSize != 1)
        settings.SaveGamesAsGif = false;
}

} // namespace halvane
