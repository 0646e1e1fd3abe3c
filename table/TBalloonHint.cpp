#include "TBalloonHint.h"

#include "Dictionary.h"

#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QStyle>
#include <QTimer>

namespace halvane {

namespace {
constexpr int ArrowHeight = 14;
constexpr int Padding = 8;
constexpr int PreferredWidth = 300;
constexpr int IconSize = 24;
} // namespace

TBalloonHint::TBalloonHint(const QString &title, const QString &text, const Style &style, QWidget *anchor)
    : QWidget(anchor ? anchor->window() : nullptr, Qt::ToolTip | Qt::FramelessWindowHint), m_title(title), m_text(text),
      m_style(style)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    layoutBalloon();
    if (m_style.durationMs > 0)
        QTimer::singleShot(m_style.durationMs, this, &QWidget::close);
}

TBalloonHint::TBalloonHint(const QImage &picture, int arrow, QWidget *anchor)
    : QWidget(anchor ? anchor->window() : nullptr, Qt::ToolTip | Qt::FramelessWindowHint), m_picture(picture)
{
    m_style.arrow = arrow;
    m_style.kind = 0;
    m_style.animate = false;
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    layoutBalloon();
    QTimer::singleShot(m_style.durationMs, this, &QWidget::close);
}

void TBalloonHint::layoutBalloon()
{
    QSize body;
    if (!m_picture.isNull()) {
        body = m_picture.size() + QSize(2 * Padding, 2 * Padding);
    } else {
        QFont f(m_style.fontName);
        f.setPointSize(m_style.fontSize);
        QFont bold = f;
        bold.setBold(true);
        const int textLeft = Padding + (m_style.kind >= 1 && m_style.kind <= 3 ? IconSize + Padding : 0);
        const int textWidth = PreferredWidth - textLeft - Padding;
        const QRect titleBox = QFontMetrics(bold).boundingRect(QRect(0, 0, textWidth, 1000), Qt::TextWordWrap, m_title);
        const QRect textBox =
            QFontMetrics(f).boundingRect(QRect(0, 0, textWidth, 1000), Qt::TextWordWrap, DisplayLines(m_text));
        const int width = std::min(PreferredWidth, textLeft + std::max(titleBox.width(), textBox.width()) + Padding);
        const int height = Padding + titleBox.height() + (m_text.isEmpty() ? 0 : 4 + textBox.height()) + Padding;
        body = QSize(std::max(width, 80), std::max(height, IconSize + 2 * Padding));
    }
    resize(body.width(), body.height() + ArrowHeight);
}

QRect TBalloonHint::bodyRect() const
{
    const bool arrowOnTop = m_style.arrow == 0 || m_style.arrow == 1;
    return QRect(0, arrowOnTop ? ArrowHeight : 0, width(), height() - ArrowHeight);
}

void TBalloonHint::showAt(QWidget *anchor)
{
    QPoint tip;
    if (anchor) {
        const QRect r(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
        const QPoint centre = r.center();
        // The arrow points at the anchor's middle, from the chosen corner.
        tip = m_style.arrow <= 1 ? QPoint(centre.x(), r.bottom()) : QPoint(centre.x(), r.top());
    }
    const int tipX = m_style.arrow == 0 || m_style.arrow == 2 ? 20 : width() - 20;
    const int tipY = m_style.arrow <= 1 ? 0 : height();
    move(tip - QPoint(tipX, tipY));
    show();
    if (m_style.animate) {
        // Grow from the centre.
        auto *grow = new QPropertyAnimation(this, "geometry", this);
        const QRect end = geometry();
        grow->setStartValue(QRect(end.center(), QSize(1, 1)));
        grow->setEndValue(end);
        grow->setDuration(200);
        grow->start(QAbstractAnimation::DeleteWhenStopped);
    }
}

void TBalloonHint::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(bodyRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(body, 8, 8);
    const double tipX = m_style.arrow == 0 || m_style.arrow == 2 ? 20 : width() - 20;
    const double baseX = m_style.arrow == 0 || m_style.arrow == 2 ? tipX + 6 : tipX - 6;
    QPainterPath arrow;
    if (m_style.arrow <= 1) {
        arrow.moveTo(tipX, 0.5);
        arrow.lineTo(baseX - 8, body.top() + 1);
        arrow.lineTo(baseX + 8, body.top() + 1);
    } else {
        arrow.moveTo(tipX, height() - 0.5);
        arrow.lineTo(baseX - 8, body.bottom() - 1);
        arrow.lineTo(baseX + 8, body.bottom() - 1);
    }
    arrow.closeSubpath();
    path = path.united(arrow);
    p.setPen(QPen(m_style.border, 1));
    p.setBrush(m_style.background);
    p.drawPath(path);

    const QRect inner = bodyRect().adjusted(Padding, Padding, -Padding, -Padding);
    if (!m_picture.isNull()) {
        p.drawImage(inner.topLeft(), m_picture);
        return;
    }
    int textLeft = inner.left();
    if (m_style.kind >= 1 && m_style.kind <= 3) {
        const QStyle::StandardPixmap which = m_style.kind == 1 ? QStyle::SP_MessageBoxInformation
            : m_style.kind == 2                                  ? QStyle::SP_MessageBoxWarning
                                                                 : QStyle::SP_MessageBoxCritical;
        p.drawPixmap(inner.left(), inner.top(), style()->standardIcon(which).pixmap(IconSize, IconSize));
        textLeft += IconSize + Padding;
    }
    QFont f(m_style.fontName);
    f.setPointSize(m_style.fontSize);
    QFont bold = f;
    bold.setBold(true);
    // As wide as the layout measured the text (right() is one pixel short of it).
    const QRect textArea(textLeft, inner.top(), inner.left() + inner.width() - textLeft, inner.height());
    p.setFont(bold);
    p.setPen(m_style.title);
    const QRect titleBox = p.boundingRect(textArea, Qt::TextWordWrap, m_title);
    p.drawText(textArea, Qt::TextWordWrap, m_title);
    p.setFont(f);
    p.setPen(m_style.text);
    // Phrases break their lines with LF CR; the CR would show as a blank.
    p.drawText(textArea.adjusted(0, titleBox.height() + 4, 0, 0), Qt::TextWordWrap, DisplayLines(m_text));
}

void TBalloonHint::mousePressEvent(QMouseEvent *)
{
    close();
}

} // namespace halvane
