#pragma once
// The contract order dialog of ordered play: eight buttons (the six negative
// contracts and "Take tricks" twice), each with a mark that tells whether it
// is still open to the player. It closes only through an enabled button,
// whose number 1..8 is the choice.

#include <QDialog>

#include <array>

class QLabel;

namespace halvane {

class TVyxCardsButton;

class TFormKing : public QDialog
{
    Q_OBJECT
public:
    // open[k] for button k = 1..8 (index 0 unused).
    explicit TFormKing(const std::array<bool, 9> &open, QWidget *parent = nullptr);

    // Shows the dialog modally and returns the pressed button 1..8.
    static int Ask(const std::array<bool, 9> &open, QWidget *parent);

    int Choice() const { return m_choice; }
    TVyxCardsButton *button(int k) const { return m_buttons.at(size_t(k)); }
    QLabel *mark(int k) const { return m_marks.at(size_t(k)); }

    // The short phrase a choice 1..8 is announced with.
    static QString ChoiceName(int choice);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public:
    void reject() override;

private:
    void ButtonClick(int k);
    static QPixmap MarkPicture(bool open, int size);

    std::array<TVyxCardsButton *, 9> m_buttons{};
    std::array<QLabel *, 9> m_marks{};
    std::array<bool, 9> m_open{};
    int m_choice = 0;
};

} // namespace halvane
