#pragma once
// The welcome dialog of local play: a new player enters a name and a password
// twice; a club member enters the password of the chosen line; a player who
// changes the name enters the new name and password twice.

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace halvane {

class ImageControl;
class TVyxCardsButton;

class TFormPassword : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { NewPlayer, Member, ChangeName };

    // `memberName` and `passwordField` are the player line's (Windows-1251);
    // `suggestedName` fills the name box of a new player or a new name.
    TFormPassword(Mode mode, const std::string &memberName, const std::string &passwordField,
                  const std::string &suggestedName, QWidget *parent = nullptr);

    // Replaces the message box (tests read the message instead).
    using ShowMessage = std::function<void(const QString &)>;
    void setShowMessage(ShowMessage show) { m_showMessage = std::move(show); }

    // The confirmed name and password as Windows-1251 bytes.
    std::string name() const;
    std::string password() const;

    QLineEdit *Edit1 = nullptr; // name, 20 characters
    QLineEdit *Edit2 = nullptr; // password, 5 characters shown as "#"
    QLineEdit *Edit3 = nullptr; // its repetition (new name only)
    TVyxCardsButton *Button1 = nullptr; // "Ok"
    TVyxCardsButton *Button2 = nullptr; // "Cancel"
    ImageControl *Image0 = nullptr;

public slots:
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void message(const QString &text);

    Mode m_mode;
    std::string m_passwordField;
    ShowMessage m_showMessage;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
};

} // namespace halvane
