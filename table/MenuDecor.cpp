#include "MenuDecor.h"

#include "Dictionary.h"
#include "ImageControl.h"
#include "LanguagePictures.h"
#include "OwnCursors.h"
#include "RecolourPng.h"
#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "phrases/CommonPhrases.h"
#include "phrases/GameTablePhrases.h"
#include "phrases/MainWindowPhrases.h"

#include "records/codec/Settings.h"

#include <QRegularExpression>

namespace halvane {

namespace {
constexpr int LinkSize = 48;
constexpr int LampSize = 24;
const char *const LinkNames[] = {"ImageAdvL1", "ImageAdvL2", "ImHp", "ImTR", "ImageAdvL3",
                                 "ImageAdvR1", "ImageAdvR2", "ImageAdvR3", "ImAc"};
} // namespace

QString MenuDecor::LanguageCode(int languageIndex)
{
    static const char *const codes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng"};
    return QString::fromLatin1(languageIndex >= 0 && languageIndex <= 9 ? codes[languageIndex] : "Eng");
}

QString MenuDecor::LampPicture(int state)
{
    switch (state) {
    case 2: return QStringLiteral("LampY24");
    case 3: return QStringLiteral("LampG24");
    default: return QStringLiteral("LampR24");
    }
}

QString MenuDecor::LampHint(int state)
{
    switch (state) {
    case 2: return Phrase(ph::LoggedIn);
    case 3: return Phrase(ph::RatedGame);
    default: return Phrase(ph::NotLoggedIn);
    }
}

MenuDecor::MenuDecor(const Controls &controls, const TableArt &art, OwnCursors *cursors)
    : m_c(controls), m_art(art), m_cursors(cursors)
{
}

void MenuDecor::drawPictureOver(ImageControl *control, QImage picture, int recolour)
{
    if (!control)
        return;
    const QImage background = m_c.background ? m_c.background->picture() : QImage();
    const QPoint at = m_c.window ? control->mapTo(m_c.window, QPoint(0, 0)) : control->pos();
    QImage image = BackgroundPiece(background, QRect(at, control->size()));
    if (image.isNull())
        return;
    RecolourPng(picture, recolour);
    {
        QPainter p(&image);
        p.drawImage(0, 0, Resampled(picture, control->size()));
    }
    control->setPicture(image);
}

void MenuDecor::DrawLanguageCaption()
{
    if (!m_c.caption)
        return;
    m_c.caption->setGeometry(PlaceX(180, 400), PlaceY(12, 70), Scaled(400), Scaled(70));
    drawPictureOver(m_c.caption, m_art.picture(LanguagePictureName(QStringLiteral("Cap"), LanguageIndex())),
                    CurrentSettings().CaptionColour);
    m_c.caption->show();
}

void MenuDecor::DrawModeBanner(bool networkGame)
{
    if (!m_c.banner)
        return;
    m_c.banner->setGeometry(PlaceX(205, 350), PlaceY(183, 40), Scaled(350), Scaled(40));
    const QString name =
        LanguagePictureName(networkGame ? QStringLiteral("Net__") : QStringLiteral("Elite"), LanguageIndex());
    drawPictureOver(m_c.banner, m_art.picture(name), CurrentSettings().CaptionColour);
    m_c.banner->show();
}

void MenuDecor::DrawTitle()
{
    if (!m_c.title)
        return;
    drawPictureOver(m_c.title, m_art.picture(QStringLiteral("GTitle")), 1);
}

ImageControl *MenuDecor::link(const QString &name) const
{
    for (size_t k = 0; k < m_links.size(); ++k)
        if (name == QLatin1String(LinkNames[k]))
            return m_links[k];
    return nullptr;
}

ImageControl *MenuDecor::ensureLink(const char *name)
{
    for (size_t k = 0; k < m_links.size(); ++k)
        if (qstrcmp(name, LinkNames[k]) == 0) {
            if (!m_links[k]) {
                m_links[k] = new ImageControl(m_c.window);
                m_links[k]->setObjectName(QString::fromLatin1(name));
            }
            return m_links[k];
        }
    return nullptr;
}

void MenuDecor::DrawLinkColumn(bool storeLinkKnown)
{
    if (!m_c.window)
        return;
    const int right = m_c.window->width() - 53;
    const QString product = Phrase(ph::ProductName);
    const QString quote = QStringLiteral("\"");
    struct Entry {
        const char *name;
        const char *picture;
        int x;
        int y;
        QString hint;
    };
    const Entry entries[] = {
        {"ImageAdvL1", "AdvGiftR", 5, 5, Phrase(ph::MoreGames)},
        {"ImageAdvL2", "Android", 5, 58, Phrase(ph::Download) + QLatin1Char(' ') + quote + product + QStringLiteral(".apk") + quote},
        {"ImHp", "Help48", 5, 111, Phrase(ph::Help)},
        {"ImTR", "Tour48", 5, 164, Phrase(ph::OnlineTournament)},
        {"ImageAdvL3", "GooglePlay", 5, 217, quote + product + quote + QLatin1Char(' ') + Phrase(ph::OnGooglePlay)},
        {"ImageAdvR1", "AdvGiftG", right, 5, Phrase(ph::SupportUs)},
        {"ImageAdvR2", "Earth48", right, 58, QStringLiteral("World Top 10")},
        {"ImageAdvR3", "Stats", right, 111, Phrase(ph::Statistics)},
    };
    for (const Entry &e : entries) {
        ImageControl *icon = ensureLink(e.name);
        icon->setGeometry(e.x, e.y, LinkSize, LinkSize);
        drawPictureOver(icon, m_art.picture(QString::fromLatin1(e.picture)), 1);
        icon->setToolTip(e.hint);
        if (m_cursors)
            m_cursors->apply(icon, CursorRole::Hand);
        const bool shown = qstrcmp(e.name, "ImageAdvL3") != 0 || (CurrentScale().scaleFactor >= 1.3 && storeLinkKnown);
        icon->setVisible(shown);
        icon->raise();
    }
    ImageControl *account = ensureLink("ImAc");
    account->setGeometry(right, 164, LinkSize, LinkSize);
    if (m_cursors)
        m_cursors->apply(account, CursorRole::Hand);
    account->show();
    account->raise();
    DrawAccountLamp(m_lampState);
}

void MenuDecor::DrawAccountLamp(int state)
{
    if (state < 1 || state > 3)
        state = 1;
    m_lampState = state;
    ImageControl *account = link(QStringLiteral("ImAc"));
    if (!account)
        return;
    QImage picture(LinkSize, LinkSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.drawImage(QRect(0, 0, LinkSize, LinkSize), m_art.picture(QStringLiteral("Account48")));
        p.drawImage(QRect(24, 0, LampSize, LampSize), m_art.picture(LampPicture(state)));
    }
    drawPictureOver(account, picture, 1);
    account->setToolTip(LampHint(state));
}

void MenuDecor::HideLinkColumn()
{
    for (ImageControl *icon : m_links)
        if (icon)
            icon->hide();
}

void MenuDecor::ApplyMedals(bool purpleMenuDesign)
{
    const bool newButtons = CurrentSettings().NewButtons;
    const QColor text = newButtons ? QColor(255, 255, 255) : QColor(255, 200, 255);
    const bool medals = newButtons && CurrentScale().scaleFactor >= 1.6;
    auto colourOf = [](QLabel *label, const QColor &c) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, c);
        label->setPalette(pal);
        QString sheet = label->styleSheet();
        sheet.replace(QRegularExpression(QStringLiteral("(?<![-\\w])color:\\s*[^;]+;")), QString());
        label->setStyleSheet(sheet.replace(QStringLiteral("QLabel {"),
                                           QStringLiteral("QLabel { color: %1;").arg(c.name())));
    };
    for (int k = 1; k <= 3; ++k) {
        QLabel *panel = m_c.panels[size_t(k)];
        if (!panel)
            continue;
        colourOf(panel, text);
        auto *glyph = panel->findChild<QLabel *>(QStringLiteral("Medal"));
        if (medals) {
            if (!glyph) {
                glyph = new QLabel(panel);
                glyph->setObjectName(QStringLiteral("Medal"));
            }
            const QImage medal = m_art.picture(QStringLiteral("GMEDAL0%1").arg(k));
            const int side = std::max(1, panel->height() - 4);
            glyph->setPixmap(QPixmap::fromImage(Resampled(medal, QSize(side, side))));
            glyph->setGeometry(4, 2, side, side);
            glyph->show();
        } else if (glyph) {
            glyph->hide();
        }
    }
    if (QLabel *header = m_c.panels[4]; header && !purpleMenuDesign)
        colourOf(header, newButtons ? QColor(0, 0, 255) : QColor(200, 255, 255));
}

} // namespace halvane
