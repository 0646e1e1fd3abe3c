#pragma once
// The program's mouse cursors by role. With the OwnCursor setting ("Red
// mouse cursor") on, the arrow is the red "CURARROW" and the hand, wait and
// edit cursors are the animated "CURHAND", "CURWAIT", "CUREDIT", cycling
// their frames; with it off the system's cursors are used. A resource that
// is missing or damaged is replaced by a cursor drawn by our own code.

#include "AniCursor.h"

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <vector>

class QWidget;

namespace halvane {

enum class CursorRole { Arrow, Hand, Wait, Edit };

class OwnCursors : public QObject
{
    Q_OBJECT
public:
    // The screen cursor numbers of the roles: 31..34 when own, else the
    // system's crDefault 0, crHandPoint -21, crHourGlass -11, crIBeam -4.
    static int CursorNumber(CursorRole role, bool own);

    explicit OwnCursors(QObject *parent = nullptr);

    // Reads the cursor resources (called once at start-up).
    void Load();
    // The cursor of a role now (the current frame of an animated one).
    QCursor cursor(CursorRole role) const;
    // Gives the widget the role's cursor and keeps it animated.
    void apply(QWidget *widget, CursorRole role);
    // Re-applies every registered widget after the setting changed.
    void refresh();

    const std::vector<CursorFrame> &frames(CursorRole role) const { return m_frames[size_t(role)]; }
    int frameIndex(CursorRole role) const { return m_frame[size_t(role)]; }
    // One animation tick of 1/60 s.
    void tick();

private:
    struct Use {
        QPointer<QWidget> widget;
        CursorRole role;
    };
    static std::vector<CursorFrame> DrawnFrames(CursorRole role);

    std::array<std::vector<CursorFrame>, 4> m_frames;
    std::array<int, 4> m_frame{};
    std::array<int, 4> m_jiffies{};
    std::vector<Use> m_uses;
    QTimer m_timer;
};

} // namespace halvane
