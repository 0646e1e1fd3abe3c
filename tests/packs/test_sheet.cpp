// The picture sheet: every face set's ace and queen of hearts, one back of
// every back set at sizes 1 and 5, the seven table colours and a grid of
// buttons in every colour, height and look, drawn through the loaders into
// one PNG (build/screenshots/picture_sheet.png) to look at.

#include "platform/PackNames.h"
#include "platform/ResourcePack.h"
#include "records/codec/Settings.h"
#include "table/Attention.h"
#include "table/CardImages.h"
#include "table/TVyxCardsButton.h"
#include "table/WindowSize.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

using namespace halvane;

class TestSheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sheet()
    {
        QStringList attention;
        SetAttentionHandler([&](const QString &a, const QString &, const QString &) { attention << a; });
        CurrentPackSearch() = PackSearch{QStringLiteral(HALVANE_PROGRAM_DIR), QStringLiteral(HALVANE_PROGRAM_DIR)};
        const int cellW = 2 * 150 + 10, cellH = 230;
        const int columns = 8;
        const int faceRows = (48 + columns - 1) / columns;
        QImage sheet(columns * cellW + 20, faceRows * cellH + 120 + 230 + 230 + 600, QImage::Format_RGB32);
        sheet.fill(QColor(40, 44, 52));
        QPainter p(&sheet);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(Qt::white);
        QFont label(QStringLiteral("DejaVu Sans"));
        label.setPixelSize(13);
        p.setFont(label);

        const Card ace{RankChar::Ace, SuitChar::Hearts}, queen{RankChar::Queen, SuitChar::Hearts};
        for (int set = 0; set < CardSetCount; ++set) {
            CurrentSettings() = Settings();
            CurrentSettings().CardSet = set;
            CurrentSettings().WindowSize = 5;
            ApplyWindowSize(false);
            QCOMPARE(CurrentSettings().CardSet, set);
            const int x = 10 + (set % columns) * cellW, y = 10 + (set / columns) * cellH;
            const QImage &face = CurrentCardImages().faces[size_t(FaceSlotOf(ace))];
            QVERIFY(!face.isNull());
            // A face is not blank: it has ink darker than its paper.
            int dark = 0;
            for (int yy = 0; yy < face.height(); yy += 3)
                for (int xx = 0; xx < face.width(); xx += 3)
                    dark += qAlpha(face.pixel(xx, yy)) > 128 && qGray(face.pixel(xx, yy)) < 160;
            QVERIFY2(dark > 20, qPrintable(QStringLiteral("set %1 looks blank").arg(set)));
            DrawCard(x, y + 16, ace, p);
            DrawCard(x + CurrentScale().cardWidth + 6, y + 16, queen, p);
            p.drawText(x, y + 12, QStringLiteral("%1 %2").arg(set).arg(CardSetCode(set)));
        }

        int y = 10 + faceRows * cellH;
        for (const int size : {1, 5}) {
            for (int set = 0; set < BackSetCount; ++set) {
                CurrentSettings() = Settings();
                CurrentSettings().BackSet = set;
                CurrentSettings().WindowSize = size;
                ApplyWindowSize(false);
                QCOMPARE(CurrentSettings().BackSet, set);
                CurrentCardImages().currentBack = 1 + set % 7;
                const int x = 10 + set * (size == 1 ? 80 : 155);
                DrawCardBack(x, y + 16, p);
                p.drawText(x, y + 12, BackSetCode(set).isEmpty() ? QStringLiteral("built-in") : BackSetCode(set));
            }
            y += size == 1 ? 120 : 230;
        }

        for (int colour = 0; colour < BackgroundColourCount; ++colour) {
            CurrentSettings() = Settings();
            CurrentSettings().BackgroundPicture = colour == 0 ? 2 : colour + 1;
            CurrentSettings().BackgroundColour = colour;
            CurrentSettings().WindowSize = 1;
            QVERIFY(LoadBackground(false));
            p.drawImage(QRect(10 + colour * 330, y, 320, 210), CurrentCardImages().background);
            p.drawText(14 + colour * 330, y + 204, BackgroundName(CurrentSettings().BackgroundPicture, colour, false));
        }
        y += 230;

        int x = 10;
        for (const bool nuvo : {false, true}) {
            for (const int height : {30, 39, 45, 60}) {
                for (int tint = 0; tint < 8; ++tint)
                    for (const int light : {0, 50}) {
                        TVyxCardsButton b(QStringLiteral("Play"));
                        b.resize(110, height);
                        b.setColorSB(TColorSB(tint));
                        b.setKLightSB(light);
                        b.Nuvo = nuvo;
                        QPalette pal = b.palette();
                        pal.setColor(QPalette::ButtonText, tint == int(TColorSB::DYellow) ? Qt::black : Qt::white);
                        b.setPalette(pal);
                        QFont f(QStringLiteral("Comic Sans MS"));
                        f.setBold(true);
                        f.setPixelSize(height / 2);
                        b.setFont(f);
                        p.drawImage(x + (tint * 2 + (light ? 1 : 0)) * 118, y, b.renderFace(false));
                    }
                y += height + 8;
            }
            x = 10;
        }
        p.end();
        QVERIFY2(attention.isEmpty(), qPrintable(attention.join(QLatin1Char(';'))));
        const QString dir = QStringLiteral(HALVANE_PROGRAM_DIR) + QStringLiteral("/../screenshots");
        QDir().mkpath(dir);
        QVERIFY(sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), y + 10)).save(dir + QStringLiteral("/picture_sheet.png")));
    }
};

QTEST_MAIN(TestSheet)
#include "test_sheet.moc"
