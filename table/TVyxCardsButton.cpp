#include "TVyxCardsButton.h"

#include "CardImages.h"
#include "ScaleState.h"
#include "platform/ResourceRegistry.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace halvane {

TVyxCardsButton::TVyxCardsButton(QWidget *parent) : TVyxCardsButton(QString(), parent) {}

TVyxCardsButton::TVyxCardsButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    resize(100, 30);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

void TVyxCardsButton::setColorSB(TColorSB value)
{
    if (value == m_colorSB)
        return;
    m_colorSB = value;
    update();
}

void TVyxCardsButton::setHeightSB(THeightSB value)
{
    if (value == m_heightSB)
        return;
    m_heightSB = value;
    resize(width(), value == THeightSB::D30 ? 30 : value == THeightSB::D45 ? 45 : 60);
    update();
}

void TVyxCardsButton::setKLightSB(int percent)
{
    percent = std::clamp(percent, 0, 255);
    if (percent == m_kLightSB)
        return;
    m_kLightSB = percent;
    update();
}

void TVyxCardsButton::SetButtonStyle(bool isDefault)
{
    if (isDefault == m_isDefault)
        return;
    m_isDefault = isDefault;
    repaint();
}

QColor TVyxCardsButton::captionColour() const
{
    const QColor fontColour = palette().color(QPalette::ButtonText);
    if (!isEnabled())
        return GrayDis ? QColor(192, 192, 192) : fontColour;
    return LightFont && m_mouseInside ? ColorMouse : fontColour;
}

QImage TVyxCardsButton::piece(char part) const
{
    QImage png;
    png.loadFromData(ResourceRegistry::instance().data(ResourceType::RcData, ButtonPieceName(height(), Nuvo, part)));
    png = png.convertToFormat(QImage::Format_ARGB32);
    if (m_colorSB != TColorSB::DRed || m_kLightSB != 0)
        TintButtonImage(png, m_colorSB, Nuvo, m_kLightSB);
    return png;
}

void TVyxCardsButton::paintButton(QPainter &p, ItemState state) const
{
    const int w = width(), h = height();
    const int heightIndex = HeightIndexOf(h);
    const int cap = CapWidthFor(h);
    QImage work(w, h, QImage::Format_ARGB32_Premultiplied);
    work.fill(Qt::transparent);
    if (h >= 2) {
        QPainter wp(&work);
        wp.setRenderHint(QPainter::SmoothPixmapTransform, Smooth);
        const auto drawEnd = [&](const QImage &end, int x) {
            if (heightIndex != 0) {
                wp.drawImage(QRect(x, 0, cap, h - 1), end);
            } else if (Smooth) {
                QImage resized = end;
                ResamplePng(resized, cap, h - 1);
                wp.drawImage(x, 0, resized);
            } else {
                wp.drawImage(QRect(x, 0, cap, h - 1), end);
            }
        };
        drawEnd(piece('L'), 0);
        drawEnd(piece('R'), w - cap - 1);
        if (heightIndex == 0 || m_colorSB == TColorSB::DCards || Nuvo) {
            wp.drawImage(QRect(cap, 0, std::max(0, w - 2 * cap), h - 1), piece('2'));
        } else {
            const std::vector<QRgb> &rows = ButtonRowColours(h);
            for (int r = 0; r <= h - 2 && r < int(rows.size()); ++r)
                if (w - cap - 1 > cap)
                    wp.fillRect(QRect(cap, r, w - cap - 1 - cap, 1), QColor(TintButtonColour(rows[size_t(r)], m_colorSB, m_kLightSB)));
        }
        const QPixmap glyph = icon().isNull() ? QPixmap() : icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        if (!glyph.isNull() && Layout != GlyphLayout::Top) {
            const int gw = glyph.width(), gh = glyph.height();
            const int gy = RoundHalfEven((h - gh - 1) / 2.0);
            const int inset = heightIndex == 0 ? RoundHalfEven(1.6 * cap) : heightIndex == 1 ? 15 : heightIndex == 2 ? 18 : 20;
            int gx = RoundHalfEven((w - gw) / 2.0);
            if (Layout == GlyphLayout::Left)
                gx = inset;
            else if (Layout == GlyphLayout::Right)
                gx = w - gw - inset;
            wp.drawPixmap(gx, gy, glyph);
        }
    }
    const int shift = state.selected ? 1 : 0;
    p.drawImage(shift, shift, work);

    // The caption.
    QRect caption = rect().translated(shift, shift);
    const QRect reported = caption;
    if (Nuvo)
        caption.adjust(0, -1, 0, -1);
    int flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (Margin != -1 && !icon().isNull()) {
        flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        const int extra = iconSize().width()
            + (heightIndex == 0 ? cap + 10 : heightIndex == 1 ? 25 : heightIndex == 2 ? 28 : 30);
        if (Layout == GlyphLayout::Left)
            caption.setLeft(caption.left() + extra);
        else if (Layout == GlyphLayout::Right)
            caption.setRight(caption.right() - extra);
    }
    p.setFont(font());
    p.setPen(captionColour());
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawText(caption, flags, text());
    if (OnDrawButton)
        OnDrawButton(const_cast<TVyxCardsButton *>(this), reported, state);

    // Focus marks on the focused default button.
    if (!(state.focus && Kontur))
        return;
    const int c = shift;
    // Crisp one-pixel marks, like the rest of the button.
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!Nuvo) {
        int gx = 0, gy = 0, corner = 0;
        switch (heightIndex) {
        case 1: gx = 7; gy = 4; corner = 7; break;
        case 2: gx = 9; gy = 5; corner = 9; break;
        case 3: gx = 11; gy = 6; corner = 11; break;
        default: {
            const int b = h <= 20 ? 3 : h <= 30 ? 4 : h <= 60 ? 5 : 6;
            gx = RoundHalfEven(0.8 * cap);
            gy = b;
            corner = 2 * b;
            break;
        }
        }
        p.setPen(QColor(FocusOutlineColour(m_colorSB)));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(c + gx, c + gy, w - 2 * gx - 1, h - 2 * gy - 1), corner / 2.0, corner / 2.0);
    } else {
        const int d = h <= 20 ? 3 : h <= 30 ? 4 : h <= 45 ? 5 : h <= 60 ? 6 : 7;
        const int e = heightIndex == 1 ? 10 : heightIndex == 2 ? 13 : heightIndex == 3 ? 15 : cap;
        const int top = c + RoundHalfEven(h / 2.0 - d / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(FocusDotColour(m_colorSB)));
        p.drawEllipse(QRect(c + e, top, d, d));
        p.drawEllipse(QRect(w + c - e - d, top, d, d));
    }
}

QImage TVyxCardsButton::renderFace(bool pressed) const
{
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter p(&face);
    paintButton(p, ItemState{pressed, !isEnabled(), hasFocus() || m_isDefault});
    return face;
}

void TVyxCardsButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A window's focused button is its default-looking one, so the focus alone
    // brings the marks; SetButtonStyle(true) shows them without the focus.
    paintButton(p, ItemState{isDown(), !isEnabled(), hasFocus() || m_isDefault});
}

void TVyxCardsButton::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    m_mouseInside = true;
    repaint();
    Q_EMIT mouseEntered();
}

void TVyxCardsButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    m_mouseInside = false;
    repaint();
    Q_EMIT mouseLeft();
}

void TVyxCardsButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A fast second click is a second press.
    mousePressEvent(event);
}

void TVyxCardsButton::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    update();
}

void TVyxCardsButton::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    update();
}

void TVyxCardsButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

} // namespace halvane
