#pragma once
// The owner-drawn items of the language combo box: each language's flag at
// (left + 2, top + 2) and its own name at left + 20, on one line, centred
// vertically. FillLanguageCombo puts the ten languages into a combo box.

#include <QStyledItemDelegate>

class QComboBox;

namespace halvane {

class LanguageItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// The ten languages in LanguageIndex order, the current one selected.
void FillLanguageCombo(QComboBox *combo, int languageIndex);

} // namespace halvane
