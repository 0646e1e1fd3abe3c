#include "SvgDeck.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

namespace halvane::art {

namespace {
const char *const KdeDecks = "/usr/share/carddecks";
const char *const AisleriotDecks = "/usr/share/aisleriot/cards";

QString suitWord(int suit)
{
    switch (suit) {
    case 1: return QStringLiteral("heart");
    case 2: return QStringLiteral("diamond");
    case 3: return QStringLiteral("club");
    default: return QStringLiteral("spade");
    }
}

QString rankWord(int rank)
{
    switch (rank) {
    case 11: return QStringLiteral("jack");
    case 12: return QStringLiteral("queen");
    case 13: return QStringLiteral("king");
    case 14: return QStringLiteral("1");
    default: return QString::number(rank);
    }
}
} // namespace

SvgDeck::SvgDeck(const QString &file) : m_renderer(std::make_unique<QSvgRenderer>(file))
{
    m_kdeScheme = m_renderer->isValid() && m_renderer->elementExists(QStringLiteral("1_spade"));
}

SvgDeck::~SvgDeck() = default;

bool SvgDeck::isValid() const
{
    return m_renderer->isValid();
}

QString SvgDeck::elementId(int suit, int rank) const
{
    return m_kdeScheme ? rankWord(rank) + QLatin1Char('_') + suitWord(suit)
                       : suitWord(suit) + QLatin1Char('_') + rankWord(rank);
}

QImage SvgDeck::render(const QString &id, QSize size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!m_renderer->elementExists(id))
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    m_renderer->render(&p, id, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage SvgDeck::face(int suit, int rank, QSize size) const
{
    return render(elementId(suit, rank), size);
}

QImage SvgDeck::back(QSize size) const
{
    return render(QStringLiteral("back"), size);
}

QString DeckFile(const QString &shortName)
{
    const QString kind = shortName.section(QLatin1Char(':'), 0, 0);
    const QString name = shortName.section(QLatin1Char(':'), 1);
    if (kind == QLatin1String("ais")) {
        const QString file = QString::fromLatin1(AisleriotDecks) + QLatin1Char('/') + name + QStringLiteral(".svgz");
        return QFileInfo::exists(file) ? file : QString();
    }
    const QDir dir(QString::fromLatin1(KdeDecks) + QStringLiteral("/svg-") + name);
    const QStringList files = dir.entryList({QStringLiteral("*.svgz"), QStringLiteral("*.svg")}, QDir::Files);
    return files.isEmpty() ? QString() : dir.filePath(files.first());
}

} // namespace halvane::art
