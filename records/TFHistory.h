#pragma once
// The history viewer: the valid history files in a list, the entries of the
// chosen one in a grid.

#include <QDialog>

class QListWidget;
class QTableWidget;

namespace halvane {

class ImageControl;
class TVyxCardsButton;

class TFHistory : public QDialog
{
    Q_OBJECT
public:
    // `historyFolder` holds "Halvane_I0001.hst" and the following files.
    explicit TFHistory(const QString &historyFolder, QWidget *parent = nullptr);

    // What the viewer remembers for the run: the selected file (0 not chosen
    // yet, -1 none listed) and the grid row to select when it opens again.
    static int SelectedFile;
    static int RememberedRow;

    QListWidget *ListBox1 = nullptr;
    QTableWidget *SG = nullptr;
    TVyxCardsButton *Button1 = nullptr;
    ImageControl *Image0 = nullptr;

    // The listed file numbers (1, 2, ... up to the first file that is not valid).
    const QList<int> &listedFiles() const { return m_files; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FillList();
    void FillGrid();
    void ListBox1Click();

    QString m_folder;
    QList<int> m_files;
    bool m_filled = false;
};

} // namespace halvane
