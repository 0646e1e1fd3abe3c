#include "TFormLink.h"

#include "TVyxCardsButton.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QUrl>

namespace halvane {

namespace {
constexpr int LabelLeft = 59;
constexpr int LineHeight = 30;
constexpr int Top = 16;
} // namespace

int TFormLink::ClientWidthFor(int widestTextWidth)
{
    const int sum = widestTextWidth + LabelLeft;
    return sum >= 350 ? sum + 50 : 400;
}

TFormLink::TFormLink(const QString &line1, const QString &line2, const QString &line3, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Attention"));
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(20);
    font.setBold(true);
    QFont linkFont = font;
    linkFont.setUnderline(true);

    const QFontMetrics plain(font), link(linkFont);
    const int widest = std::max({plain.horizontalAdvance(line1), plain.horizontalAdvance(line2),
                                 link.horizontalAdvance(line3)});
    const int width = ClientWidthFor(widest);

    int y = Top;
    auto makeLine = [&](const QString &text, const QFont &f) {
        auto *label = new QLabel(text, this);
        label->setFont(f);
        label->setGeometry(LabelLeft, y, width - LabelLeft - 10, LineHeight);
        // An empty line is hidden and takes no room.
        label->setVisible(!text.isEmpty());
        if (!text.isEmpty())
            y += LineHeight;
        return label;
    };
    Label1 = makeLine(line1, font);
    Label2 = makeLine(line2, font);
    Label3 = makeLine(line3, linkFont);
    Label3->setStyleSheet(QStringLiteral("color: rgb(0, 0, 200);"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    if (!line3.isEmpty()) {
        Label3->setText(QStringLiteral("<a href=\"%1\" style=\"color: rgb(0,0,200);\">%2</a>")
                            .arg(line3.toHtmlEscaped(), line3.toHtmlEscaped()));
        connect(Label3, &QLabel::linkActivated, this, [](const QString &target) {
            QDesktopServices::openUrl(QUrl::fromUserInput(target));
        });
    }

    ButtonOk = new TVyxCardsButton(QStringLiteral("Ok"), this);
    ButtonOk->setGeometry(5, y + 12, width - 10, 30);
    ButtonOk->setDefault(true);
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(width, y + 12 + 30 + 12);
}

} // namespace halvane
