#pragma once
// Every control of a window gets the cursor of its role: the hand for
// buttons, check boxes, combo boxes, radio buttons and edit controls, the
// arrow for everything else. OwnCursors gives the own or the system cursor by
// the "Red mouse cursor" setting.

class QWidget;

namespace halvane {

class OwnCursors;
enum class CursorRole;

// The role of one control.
CursorRole CursorRoleOf(const QWidget *widget);
// The window and all its controls.
void ApplyCursors(OwnCursors &cursors, QWidget *window);

} // namespace halvane
