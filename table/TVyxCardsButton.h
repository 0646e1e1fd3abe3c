#pragma once
// The push button of every window of the game: a glossy lozenge assembled
// from small red pieces, tinted into one of eight colours and optionally
// lightened, in the classic or the new look (Nuvo), with a hover caption
// colour, a one-pixel shift while pressed and a focus outline.

#include "ButtonTint.h"

#include <QPushButton>
#include <functional>

namespace halvane {

class TVyxCardsButton : public QPushButton
{
    Q_OBJECT
public:
    enum class GlyphLayout { Left, Right, Top, Bottom };
    struct ItemState {
        bool selected = false; // pressed
        bool disabled = false;
        bool focus = false;
    };
    using DrawButtonEvent = std::function<void(TVyxCardsButton *, const QRect &, ItemState)>;

    explicit TVyxCardsButton(QWidget *parent = nullptr);
    explicit TVyxCardsButton(const QString &caption, QWidget *parent = nullptr);

    DrawButtonEvent OnDrawButton;
    QColor ColorMouse = Qt::black;
    bool LightFont = false;
    bool GrayDis = false;
    bool Kontur = true;
    bool Smooth = true;
    bool Nuvo = false;
    GlyphLayout Layout = GlyphLayout::Left;
    int Margin = -1;

    TColorSB colorSB() const { return m_colorSB; }
    void setColorSB(TColorSB value);
    THeightSB heightSB() const { return m_heightSB; }
    // Also sets the button's height to 30, 45 or 60.
    void setHeightSB(THeightSB value);
    int kLightSB() const { return m_kLightSB; }
    void setKLightSB(int percent);
    bool mouseInside() const { return m_mouseInside; }
    bool isDefaultLook() const { return m_isDefault; }
    void SetButtonStyle(bool isDefault);

    // The caption colour the paint routine uses in the current state.
    QColor captionColour() const;
    // The button's face as painted now (for tests and screenshots), on transparency.
    QImage renderFace(bool pressed) const;

Q_SIGNALS:
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void paintButton(QPainter &p, ItemState state) const;
    QImage piece(char part) const;

    TColorSB m_colorSB = TColorSB::DRed;
    THeightSB m_heightSB = THeightSB::D30;
    int m_kLightSB = 0;
    bool m_mouseInside = false;
    bool m_isDefault = false;
};

} // namespace halvane
