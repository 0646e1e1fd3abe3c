#pragma once
// One free SVG card deck from Debian's card-data packages, rendered to card
// pictures. Two id schemes exist: the KDE decks ("queen_heart", "1_spade")
// and the aisleriot decks ("heart_queen", "spade_1").

#include <QImage>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace halvane::art {

class SvgDeck
{
public:
    explicit SvgDeck(const QString &file);
    ~SvgDeck();
    SvgDeck(const SvgDeck &) = delete;
    SvgDeck &operator=(const SvgDeck &) = delete;

    bool isValid() const;
    // suit 1 hearts .. 4 spades; rank 2..14 (14 ace). The picture fills `size`.
    QImage face(int suit, int rank, QSize size) const;
    QImage back(QSize size) const;

private:
    QString elementId(int suit, int rank) const;
    QImage render(const QString &id, QSize size) const;

    std::unique_ptr<QSvgRenderer> m_renderer;
    bool m_kdeScheme = false;
};

// The file of a deck by its short name: "kde:standard" for
// /usr/share/carddecks/svg-standard/*.svgz, "ais:paris" for
// /usr/share/aisleriot/cards/paris.svgz. Empty when not installed.
QString DeckFile(const QString &shortName);

} // namespace halvane::art
