#include "TFormSpeed.h"

#include "records/codec/Settings.h"
#include "table/DialogLook.h"
#include "table/Dictionary.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/phrases/SpeedPhrases.h"

#include <QLabel>
#include <QSlider>
#include <QTimer>

namespace halvane {

TFormSpeed::TFormSpeed(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormSpeed"));
    setWindowTitle(Phrase(ph::ChoiceOfSpeed));
    Image0 = new ImageControl(this);
    m_label = new QLabel(Phrase(ph::SelectFlightSpeed), this);
    m_label->setAlignment(Qt::AlignCenter);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, 6);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setValue(CurrentSettings().GameSpeed);
    for (int k = 1; k <= 6; ++k) {
        auto *mark = new QLabel(QString::number(k), this);
        mark->setAlignment(Qt::AlignCenter);
        m_marks << mark;
    }
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Timer48 = new QTimer(this);
    connect(TrackBar1, &QSlider::valueChanged, this, &TFormSpeed::TrackBar1Change);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

int TFormSpeed::IconInterval(int gameSpeed)
{
    static constexpr int intervals[] = {110, 95, 80, 65, 40, 25};
    return intervals[std::clamp(gameSpeed, 1, 6) - 1];
}

void TFormSpeed::TrackBar1Change(int value)
{
    CurrentSettings().GameSpeed = value;
    Timer48->setInterval(IconInterval(value));
}

void TFormSpeed::showEvent(QShowEvent *event)
{
    DialogLookParts parts;
    parts.title = Phrase(ph::ChoiceOfSpeed);
    parts.decorWord = QStringLiteral("Speed");
    parts.ribbonPicture = QStringLiteral("GFormSpeed");
    parts.ribbonOffset = QPoint(-20, -5);
    parts.headerWidth = 300;
    parts.width = 310;
    parts.purpleWidth = 340;
    parts.heights = {260, 275, 295, 280};
    DialogLook::Apply(this, Image0, {Button1}, parts);
    const Look look = DialogLook::Current();
    const int width = this->width();
    const int top = look == Look::Purple ? 70 : parts.headerHeights[std::size_t(int(look) - 1)] + 20;
    m_label->setFont(DialogLook::Font("serif", 18, true));
    m_label->setGeometry(10, top, width - 20, 30);
    TrackBar1->setGeometry(30, top + 45, width - 60, 30);
    for (int k = 0; k < 6; ++k) {
        m_marks[k]->setFont(DialogLook::Font("serif", 16, true));
        const int x = 30 + 8 + k * (width - 60 - 16) / 5;
        m_marks[k]->setGeometry(x - 10, top + 78, 20, 20);
    }
    for (QLabel *l : QList<QLabel *>{m_label} + m_marks) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, look == Look::Purple ? QColor(255, 255, 0) : QColor(128, 0, 0));
        l->setPalette(pal);
    }
    Button1->setFont(DialogLook::Font("decor", 20, true));
    Button1->setGeometry((width - 150) / 2, height() - 50, 150, 36);
    Timer48->setInterval(IconInterval(CurrentSettings().GameSpeed));
    if (look == Look::Purple)
        Timer48->start();
    QDialog::showEvent(event);
}

} // namespace halvane
