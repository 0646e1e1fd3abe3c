#include "TFormKing.h"

#include "Dictionary.h"
#include "TVyxCardsButton.h"
#include "phrases/ContractOrderPhrases.h"
#include "phrases/GameTablePhrases.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace halvane {

TFormKing::TFormKing(const std::array<bool, 9> &open, QWidget *parent) : QDialog(parent), m_open(open)
{
    setObjectName(QStringLiteral("FormKing"));
    setWindowTitle(Phrase(ph::OrderOfGame));
    // No close box: only an enabled button ends the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(Phrase(ph::OrderGame), this);
    heading->setObjectName(QStringLiteral("Heading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPixelSize(18);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    for (int k = 1; k <= 8; ++k) {
        auto *b = new TVyxCardsButton(ChoiceName(k), this);
        b->setObjectName(QStringLiteral("Button%1").arg(k));
        b->setEnabled(m_open[k]);
        b->setAutoDefault(false);
        b->setMinimumWidth(200);
        connect(b, &QPushButton::clicked, this, [this, k] { ButtonClick(k); });
        auto *m = new QLabel(this);
        m->setObjectName(QStringLiteral("Mark%1").arg(k));
        m->setPixmap(MarkPicture(m_open[k], 20));
        m->setProperty("open", m_open[k]);
        grid->addWidget(m, k - 1, 0);
        grid->addWidget(b, k - 1, 1);
        m_buttons[k] = b;
        m_marks[k] = m;
    }
}

int TFormKing::Ask(const std::array<bool, 9> &open, QWidget *parent)
{
    bool any = false;
    for (int k = 1; k <= 8; ++k)
        any = any || open[k];
    if (!any)
        return 0; // nothing could ever close the dialog
    TFormKing dialog(open, parent);
    dialog.exec();
    return dialog.Choice();
}

QString TFormKing::ChoiceName(int choice)
{
    switch (choice) {
    case 1: return Phrase(ph::NotTakeTricks);
    case 2: return Phrase(ph::NotTakeBoys);
    case 3: return Phrase(ph::NotTakeGirls);
    case 4: return Phrase(ph::NotTakeHearts);
    case 5: return Phrase(ph::NotTakeKing);
    case 6: return Phrase(ph::NotTakeTwoLast);
    case 7:
    case 8: return Phrase(ph::TakeTricks);
    default: return {};
    }
}

void TFormKing::ButtonClick(int k)
{
    if (k < 1 || k > 8 || !m_open[k])
        return;
    m_choice = k;
    done(k);
}

void TFormKing::closeEvent(QCloseEvent *event)
{
    if (m_choice == 0)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TFormKing::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject; Enter would press a default button. Neither may end the dialog.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormKing::reject()
{
    if (m_choice != 0)
        QDialog::reject();
}

QPixmap TFormKing::MarkPicture(bool open, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(open ? QColor(30, 150, 50) : QColor(180, 30, 30));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(QPen(Qt::white, size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double s = size;
    if (open) {
        p.drawPolyline(QPolygonF{QPointF(s * 0.27, s * 0.52), QPointF(s * 0.44, s * 0.70), QPointF(s * 0.74, s * 0.33)});
    } else {
        p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
    }
    return pixmap;
}

} // namespace halvane
