#include "TFormPassword.h"

#include "table/DialogLook.h"
#include "core/Cp1251.h"
#include "records/codec/PlayerLine.h"
#include "table/Dictionary.h"
#include "table/FontSlots.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/LoginPhrases.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace halvane {

namespace {
constexpr int Width = 380;

QString FromBytes(const std::string &bytes)
{
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}
} // namespace

TFormPassword::TFormPassword(Mode mode, const std::string &memberName, const std::string &passwordField,
                             const std::string &suggestedName, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_passwordField(passwordField)
{
    setObjectName(QStringLiteral("TFormPassword"));
    setWindowTitle(Phrase(ph::Welcome));
    Image0 = new ImageControl(this);
    m_label1 = new QLabel(Phrase(ph::EnterYourName), this);
    m_label2 = new QLabel(Phrase(ph::EnterYourPassword), this);
    m_label3 = new QLabel(Phrase(ph::OnceAgainForCheck), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    for (QLineEdit *e : {Edit2, Edit3}) {
        e->setMaxLength(5);
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 35; }")); // "#"
    }
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new TVyxCardsButton(Phrase(ph::Cancel), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &TFormPassword::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    if (mode == Mode::Member) {
        Edit1->setText(FromBytes(TrimmedName(memberName)));
        Edit1->setReadOnly(true);
        Edit1->setFocusPolicy(Qt::NoFocus);
    } else {
        const std::string name = TrimmedName(suggestedName);
        if (name.size() <= 20)
            Edit1->setText(FromBytes(name));
    }
    const bool twice = mode != Mode::Member;
    Edit3->setVisible(twice);
    m_label3->setVisible(twice);
}

void TFormPassword::showEvent(QShowEvent *event)
{
    const bool twice = m_mode != Mode::Member;
    const int header = 64;
    DialogLookParts parts;
    parts.title = Phrase(ph::Welcome);
    parts.decorWord = QStringLiteral("Welcome");
    parts.ribbonPicture = QStringLiteral("GFormWelcome");
    parts.ribbonOffset = QPoint(-10, -5);
    parts.headerWidth = Width - 10;
    parts.width = Width;
    const int body = twice ? 250 : 180;
    parts.heights = {body + 48 + 10, body + header + 10, body + 90 + 10, body + 20};
    DialogLook::Apply(this, Image0, {Button1, Button2}, parts);
    const Look look = DialogLook::Current();
    const int top = look == Look::Purple ? 15 : parts.headerHeights[std::size_t(int(look) - 1)] + 15;

    QFont labelFont(QString::fromStdString(CurrentFontSlots()[1].name));
    labelFont.setPixelSize(std::max(8, FontHeight(18, "serif")));
    QFont editFont = labelFont;
    editFont.setBold(true);
    QFont buttonFont(QString::fromStdString(CurrentFontSlots()[0].name));
    buttonFont.setPixelSize(std::max(8, FontHeight(20, "decor")));
    buttonFont.setBold(true);
    int y = top;
    auto row = [&](QLabel *label, QLineEdit *edit) {
        label->setFont(labelFont);
        label->setGeometry(20, y, Width - 40, 24);
        edit->setFont(editFont);
        edit->setGeometry(20, y + 26, Width - 40, 30);
        y += 64;
    };
    row(m_label1, Edit1);
    row(m_label2, Edit2);
    if (twice)
        row(m_label3, Edit3);
    for (QLabel *l : {m_label1, m_label2, m_label3}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, look == Look::Purple ? QColor(255, 255, 0) : QColor(128, 0, 0));
        l->setPalette(pal);
    }
    Button1->setFont(buttonFont);
    Button2->setFont(buttonFont);
    Button1->setGeometry(Width / 2 - 160, y + 6, 150, 34);
    Button2->setGeometry(Width / 2 + 10, y + 6, 150, 34);
    (m_mode == Mode::Member || !Edit1->text().isEmpty() ? Edit2 : Edit1)->setFocus();
    QDialog::showEvent(event);
}

std::string TFormPassword::name() const
{
    return Utf8ToCp1251(Edit1->text().toStdString()).substr(0, 20);
}

std::string TFormPassword::password() const
{
    return Utf8ToCp1251(Edit2->text().toStdString()).substr(0, 5);
}

void TFormPassword::Button1Click()
{
    if (TrimmedName(name()).empty()) {
        message(Phrase(ph::IncorrectName));
        Edit1->setFocus();
        return;
    }
    if (m_mode == Mode::Member) {
        if (!PasswordMatches(m_passwordField, password())) {
            message(Phrase(ph::IncorrectPassword));
            Edit2->clear();
            Edit2->setFocus();
            return;
        }
    } else if (Edit2->text() != Edit3->text()) {
        message(Phrase(ph::PasswordsDoNotCoincide));
        Edit3->clear();
        Edit3->setFocus();
        return;
    }
    accept();
}

void TFormPassword::message(const QString &text)
{
    if (m_showMessage)
        m_showMessage(text);
    else
        QMessageBox::warning(this, windowTitle(), DisplayLines(text));
}

} // namespace halvane
