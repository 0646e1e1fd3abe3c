#include "DialogLook.h"

#include "TouchEffect.h"

#include "records/codec/Settings.h"
#include "platform/ResourceRegistry.h"
#include "table/Dictionary.h"
#include "table/FontSlots.h"
#include "table/ImageControl.h"
#include "table/PackPictures.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QWidget>

namespace halvane {

namespace {

QImage Picture(const QString &name)
{
    QImage image;
    const ResourceRegistry &registry = ResourceRegistry::instance();
    for (ResourceType type : {ResourceType::RcData, ResourceType::Jpeg, ResourceType::Bitmap}) {
        if (registry.contains(type, name) && image.loadFromData(registry.data(type, name)))
            return image;
    }
    // The decor pack holds the dialogs' language pictures.
    if (LoadPackPng(name, QStringLiteral("VyxCGraph1.dll"), image))
        return image;
    return {};
}

QFont SerifFont(int size, bool bold)
{
    QFont font(QString::fromStdString(CurrentFontSlots()[1].name));
    font.setPixelSize(std::max(6, FontHeight(size, "serif")));
    font.setBold(bold);
    return font;
}

// Text with a dark shadow one pixel down and right, centred in `rect`.
void ShadowTextCentred(QPainter &p, const QRectF &rect, const QString &text, const QColor &colour)
{
    p.setPen(QColor(40, 20, 0));
    p.drawText(rect.translated(2, 2), Qt::AlignHCenter | Qt::AlignTop, text);
    p.setPen(colour);
    p.drawText(rect, Qt::AlignHCenter | Qt::AlignTop, text);
}

// Our own drawing of the headers, used where a picture is not available.
void DrawConcise(QPainter &p, const QRectF &r, const DialogLookParts &parts)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(250, 250, 250));
    g.setColorAt(1, QColor(200, 200, 205));
    p.fillPath([&] { QPainterPath path; path.addRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8); return path; }(), g);
    p.setPen(QPen(QColor(128, 0, 0), 2));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
    p.setFont(SerifFont(30, true));
    p.setPen(QColor(128, 0, 0));
    p.drawText(r, Qt::AlignCenter, parts.title);
}

void DrawAristocratic(QPainter &p, const QRectF &r, const DialogLookParts &parts)
{
    const QImage cap = Picture(QStringLiteral("GCap300"));
    if (!cap.isNull()) {
        p.drawImage(r, cap);
    } else {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(150, 20, 30));
        g.setColorAt(0.5, QColor(95, 0, 10));
        g.setColorAt(1, QColor(60, 0, 5));
        p.fillRect(r, g);
        p.setPen(QPen(QColor(230, 190, 80), 2));
        p.drawRect(r.adjusted(3, 3, -4, -4));
        p.setPen(QPen(QColor(230, 190, 80), 1));
        p.drawRect(r.adjusted(7, 7, -8, -8));
    }
    // The title in upper case, made smaller when it is wider than the header.
    QFont font = SerifFont(40, true);
    const QString title = parts.title.toUpper();
    while (font.pixelSize() > 12 && QFontMetrics(font).horizontalAdvance(title) > r.width() - 16)
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    QRectF textRect = r;
    textRect.setTop(10 + (FontHeight(40, "serif") - font.pixelSize()) / 2);
    ShadowTextCentred(p, textRect, title, QColor(255, 255, 0));
}

void DrawRibbons(QPainter &p, const QRectF &r, const DialogLookParts &parts)
{
    const QImage lenta = Picture(QStringLiteral("GLenta280x090"));
    const QImage words = Picture(parts.ribbonPicture + DialogLook::ImageLanguageCode());
    if (!lenta.isNull()) {
        p.drawImage(QPointF((r.width() - lenta.width()) / 2, 0), lenta);
    } else {
        // A red ribbon with folded ends across the header.
        const double w = std::min(r.width() - 20, 420.0), h = r.height() * 0.55, x = (r.width() - w) / 2,
                     y = r.height() * 0.22;
        QPainterPath tails;
        tails.moveTo(x - 18, y + 12);
        tails.lineTo(x + 22, y + 12);
        tails.lineTo(x + 22, y + h + 12);
        tails.lineTo(x - 18, y + h + 12);
        tails.lineTo(x - 4, y + h / 2 + 12);
        tails.closeSubpath();
        p.fillPath(tails, QColor(120, 0, 0));
        p.fillPath(QTransform().translate(r.width(), 0).scale(-1, 1).map(tails), QColor(120, 0, 0));
        QLinearGradient g(0, y, 0, y + h);
        g.setColorAt(0, QColor(230, 40, 40));
        g.setColorAt(1, QColor(150, 0, 0));
        p.fillRect(QRectF(x, y, w, h), g);
        p.setPen(QPen(QColor(255, 215, 0), 1.5));
        p.drawLine(QPointF(x, y + 4), QPointF(x + w, y + 4));
        p.drawLine(QPointF(x, y + h - 4), QPointF(x + w, y + h - 4));
    }
    if (!words.isNull()) {
        p.drawImage(parts.ribbonOffset, words);
    } else {
        p.setFont(SerifFont(30, true));
        QRectF textRect = r;
        textRect.setTop(r.height() * 0.22 + 6);
        ShadowTextCentred(p, textRect, parts.title, QColor(255, 255, 255));
    }
}

} // namespace

QFont DialogLook::Font(const char *family, int size, bool bold)
{
    const int slot = std::max(1, FontSlotOf(family));
    QFont font(QString::fromStdString(CurrentFontSlots()[std::size_t(slot - 1)].name));
    font.setPixelSize(std::max(6, FontHeight(size, family)));
    font.setBold(bold);
    return font;
}

Look DialogLook::Current()
{
    const Settings &s = CurrentSettings();
    if (s.PurpleDialogs)
        return Look::Purple;
    return s.DialogDesign == 1 ? Look::Concise : s.DialogDesign == 3 ? Look::Ribbons : Look::Aristocratic;
}

QString DialogLook::ImageLanguageCode()
{
    static const char *codes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng"};
    const int k = LanguageIndex();
    return QString::fromLatin1(codes[k >= 0 && k < 10 ? k : 0]);
}

QColor DialogLook::Background(Look look)
{
    return look == Look::Purple ? QColor(0, 0, 0) : QColor(0xF0, 0xF0, 0xF0);
}

QColor DialogLook::TextColour(Look look)
{
    return look == Look::Purple ? QColor(255, 255, 0) : QColor(0, 0, 0);
}

void DialogLook::StyleButton(QPushButton *button, Look look)
{
    if (look == Look::Purple) {
        button->setStyleSheet(QStringLiteral(
            "QPushButton { color: rgb(200,175,50); background: qlineargradient(x1:0,y1:0,x2:0,y2:1,"
            "stop:0 rgb(110,40,140), stop:1 rgb(50,10,70)); border: 2px solid rgb(200,175,50);"
            " border-radius: 6px; padding: 2px 8px; }"
            "QPushButton:hover { color: rgb(255,230,90); }"
            "QPushButton:disabled { color: rgb(120,110,90); }"));
    } else {
        button->setStyleSheet(QStringLiteral(
            "QPushButton { color: white; background: qlineargradient(x1:0,y1:0,x2:0,y2:1,"
            "stop:0 rgb(190,30,30), stop:1 rgb(110,0,0)); border: 2px solid rgb(80,0,0);"
            " border-radius: 6px; padding: 2px 8px; }"
            "QPushButton:hover { color: yellow; }"
            "QPushButton:disabled { color: rgb(200,160,160); }"));
    }
}

QImage DialogLook::Header(Look look, const DialogLookParts &parts, int width, int height)
{
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Background(look));
    if (look == Look::Purple)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0, 0, width, height);
    if (look == Look::Concise) {
        const QImage decor = Picture(parts.decorWord + ImageLanguageCode());
        if (!decor.isNull())
            p.drawImage(QPointF((width - decor.width()) / 2.0, 0), decor);
        else
            DrawConcise(p, r, parts);
    } else if (look == Look::Aristocratic) {
        DrawAristocratic(p, r, parts);
    } else {
        DrawRibbons(p, r, parts);
    }
    return image;
}

void DialogLook::Apply(QWidget *dialog, ImageControl *image0, const QList<QPushButton *> &buttons,
                       const DialogLookParts &parts)
{
    Apply(dialog, image0, buttons, parts, Current());
}

void DialogLook::Apply(QWidget *dialog, ImageControl *image0, const QList<QPushButton *> &buttons,
                       const DialogLookParts &parts, Look look)
{
    const int k = int(look) - 1;
    const int width = look == Look::Purple && parts.purpleWidth > 0 ? parts.purpleWidth : parts.width;
    if (width > 0 && parts.heights[std::size_t(k)] > 0)
        dialog->setFixedSize(width, parts.heights[std::size_t(k)]);
    QPalette pal = dialog->palette();
    pal.setColor(QPalette::Window, Background(look));
    pal.setColor(QPalette::WindowText, TextColour(look));
    dialog->setPalette(pal);
    dialog->setAutoFillBackground(true);
    if (image0) {
        const int h = parts.headerHeights[std::size_t(k)];
        image0->setVisible(h > 0);
        if (h > 0) {
            image0->setPicture(Header(look, parts, parts.headerWidth, h));
            image0->move(5, 5);
        }
    }
    for (QPushButton *b : buttons) {
        StyleButton(b, look);
        TouchEffect::Attach(b);
    }
}

} // namespace halvane
