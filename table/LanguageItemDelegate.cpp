#include "LanguageItemDelegate.h"

#include "LanguagePictures.h"
#include "PhraseForms.h"

#include <QComboBox>
#include <QPainter>

namespace halvane {

namespace {
constexpr QSize ListFlagSize(14, 12);
}

void LanguageItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    painter->drawImage(QPoint(r.left() + 2, r.top() + 2), DrawLanguageFlag(index.row(), ListFlagSize));
    painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    painter->setFont(option.font);
    const QRect text(r.left() + 20, r.top(), r.width() - 20, r.height());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
    painter->restore();
}

QSize LanguageItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return QSize(base.width() + 20, std::max(base.height(), ListFlagSize.height() + 4));
}

void FillLanguageCombo(QComboBox *combo, int languageIndex)
{
    combo->clear();
    combo->setItemDelegate(new LanguageItemDelegate(combo));
    for (int i = 0; i < LanguageCount; ++i)
        combo->addItem(QIcon(QPixmap::fromImage(DrawLanguageFlag(i, ListFlagSize))), LanguageListName(i));
    combo->setCurrentIndex(languageIndex);
}

} // namespace halvane
