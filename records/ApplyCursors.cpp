#include "ApplyCursors.h"

#include "table/OwnCursors.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace halvane {

CursorRole CursorRoleOf(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget) ||
        qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget))
        return CursorRole::Hand;
    return CursorRole::Arrow;
}

void ApplyCursors(OwnCursors &cursors, QWidget *window)
{
    cursors.apply(window, CursorRole::Arrow);
    for (QWidget *child : window->findChildren<QWidget *>())
        cursors.apply(child, CursorRoleOf(child));
}

} // namespace halvane
