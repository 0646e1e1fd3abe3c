#include "TFHistory.h"

#include "core/Cp1251.h"
#include "records/codec/HistoryFile.h"
#include "table/DialogLook.h"
#include "table/Dictionary.h"
#include "table/ImageControl.h"
#include "table/TVyxCardsButton.h"
#include "table/phrases/HistoryPhrases.h"
#include "table/phrases/CommonPhrases.h"
#include "table/phrases/RecordsPhrases.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace halvane {

int TFHistory::SelectedFile = 0;
int TFHistory::RememberedRow = 1;

namespace {
constexpr int Width = 800;
const int ColumnWidths[7] = {45, 65, 210, 45, 55, 55, 80};

// Grid cells: the "Player" column left-aligned, every other cell centred; the
// row's colours by the look and the kind of game.
class HistoryCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool purple = false;

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto *grid = static_cast<const QTableWidget *>(parent());
        const bool current = index.row() == grid->currentRow() && grid->rowCount() > 1;
        const QColor background = current ? (purple ? QColor(0xFF, 0xFF, 0xB4) : QColor(0xFF, 0xCC, 0xCC))
                                          : (purple ? QColor(0xE3, 0xB9, 0xFF) : QColor(0xF0, 0xF0, 0xF0));
        p->fillRect(option.rect, background);
        p->setPen(QColor(160, 160, 160));
        p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        p->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        p->setFont(option.font);
        const QRect r = option.rect.adjusted(-4 + 4, 3, 0, 0);
        if (index.column() == 2)
            p->drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        else
            p->drawText(r, Qt::AlignHCenter | Qt::AlignTop, index.data().toString());
        TFHistory::RememberedRow = index.row() + 1;
    }
};

QColor KindColour(char letter)
{
    switch (letter) {
    case 'N': return QColor(0, 128, 0);
    case 'A': return QColor(255, 0, 0);
    case 'T': return QColor(0, 0, 255);
    default: return QColor(0, 0, 0);
    }
}
} // namespace

TFHistory::TFHistory(const QString &historyFolder, QWidget *parent) : QDialog(parent), m_folder(historyFolder)
{
    setObjectName(QStringLiteral("TFHistory"));
    setWindowTitle(Phrase(ph::HistoryOfGames));
    Image0 = new ImageControl(this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    SG = new QTableWidget(this);
    SG->setObjectName(QStringLiteral("SG"));
    SG->setColumnCount(7);
    SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG->setSelectionMode(QAbstractItemView::SingleSelection);
    SG->verticalHeader()->hide();
    SG->verticalHeader()->setDefaultSectionSize(20);
    SG->setItemDelegate(new HistoryCellDelegate(SG));
    connect(SG, &QTableWidget::currentCellChanged, SG->viewport(), [this] { SG->viewport()->update(); });
    Button1 = new TVyxCardsButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListBox1, &QListWidget::itemClicked, this, &TFHistory::ListBox1Click);
}

void TFHistory::showEvent(QShowEvent *event)
{
    DialogLookParts parts;
    parts.title = Phrase(ph::HistoryOfGames);
    parts.decorWord = QStringLiteral("History");
    parts.ribbonPicture = QStringLiteral("GFormHistory");
    parts.ribbonOffset = QPoint(150, -5);
    parts.headerWidth = Width - 10;
    parts.width = Width;
    parts.heights = {500, 516, 542, 460};
    DialogLook::Apply(this, Image0, {Button1}, parts);
    const Look look = DialogLook::Current();
    static_cast<HistoryCellDelegate *>(SG->itemDelegate())->purple = look == Look::Purple;
    if (!m_filled) {
        m_filled = true;
        FillList();
        FillGrid();
        if (RememberedRow >= 1 && RememberedRow <= SG->rowCount())
            SG->setCurrentCell(RememberedRow - 1, 0);
    }
    const int top = look == Look::Purple ? 10 : parts.headerHeights[std::size_t(int(look) - 1)] + 10;
    const int listWidth = SelectedFile <= 16 ? 180 : 193;
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(13);
    ListBox1->setFont(fixed);
    ListBox1->setGeometry(10, top, listWidth, height() - top - 60);
    Button1->setFont(DialogLook::Font("decor", 20, true));
    Button1->setGeometry(10, height() - 50, listWidth, 40);
    SG->setGeometry(listWidth + 20, top, Width - listWidth - 30, height() - top - 10);
    QFont grid = DialogLook::Font("serif", 13);
    SG->setFont(grid);
    SG->horizontalHeader()->setFont(grid);
    const QString header = look == Look::Purple
                               ? QStringLiteral("QHeaderView::section { color: yellow; background: rgb(90,30,120); }")
                               : QStringLiteral("QHeaderView::section { color: rgb(128,0,0); background: rgb(230,230,255); }");
    SG->horizontalHeader()->setStyleSheet(header);
    ListBox1->setStyleSheet(look == Look::Purple ? QStringLiteral("QListWidget { color: yellow; background: rgb(90,30,120); }")
                                                 : QString());
    const bool scrolled = SG->verticalScrollBar()->isVisible() || SG->rowCount() * 20 > SG->height() - 24;
    for (int c = 0; c < 7; ++c)
        SG->setColumnWidth(c, c == 2 && scrolled ? 190 : ColumnWidths[c]);
    QDialog::showEvent(event);
}

void TFHistory::FillList()
{
    ListBox1->clear();
    m_files.clear();
    const HistoryWriter names(std::filesystem::path(m_folder.toStdString()), "Halvane");
    for (int n = 1; n <= HistoryMaxFiles; ++n) {
        const std::filesystem::path path = names.FilePath(n);
        if (!CheckHistoryFile(path).valid)
            break;
        m_files << n;
        const QString date =
            QLocale::system().toString(QFileInfo(QString::fromStdString(path.string())).lastModified().date(),
                                       QLocale::ShortFormat);
        ListBox1->addItem(QStringLiteral("File I%1 %2").arg(n, 4, 10, QLatin1Char('0')).arg(date));
    }
    if (m_files.isEmpty()) {
        SelectedFile = -1;
        ListBox1->addItem(Phrase(ph::NoHistoryFiles));
        ListBox1->setEnabled(false);
        return;
    }
    ListBox1->setEnabled(true);
    if (SelectedFile <= 0 || SelectedFile > m_files.last())
        SelectedFile = m_files.last();
    ListBox1->setCurrentRow(m_files.indexOf(SelectedFile));
}

void TFHistory::FillGrid()
{
    const QStringList headers{Phrase(ph::Time),  Phrase(ph::Date),   Phrase(ph::Player), Phrase(ph::Games),
                              Phrase(ph::Result), Phrase(ph::Rating), Phrase(ph::Type)};
    SG->clear();
    SG->setHorizontalHeaderLabels(headers);
    std::vector<std::string> rows;
    if (SelectedFile > 0) {
        const HistoryWriter names(std::filesystem::path(m_folder.toStdString()), "Halvane");
        rows = CheckHistoryFile(names.FilePath(SelectedFile)).entryLines;
    }
    SG->setRowCount(std::max<int>(1, int(rows.size())));
    static constexpr std::pair<int, int> fields[6] = {{0, 5}, {5, 10}, {15, 51}, {66, 3}, {69, 10}, {79, 10}};
    for (int r = 0; r < int(rows.size()); ++r) {
        const std::string &line = rows[std::size_t(r)];
        const char letter = line[89];
        const QColor colour = KindColour(letter);
        for (int c = 0; c < 6; ++c) {
            auto *item = new QTableWidgetItem(
                QString::fromStdString(Cp1251ToUtf8(line.substr(std::size_t(fields[c].first), std::size_t(fields[c].second)))));
            item->setForeground(colour);
            SG->setItem(r, c, item);
        }
        auto *kind = new QTableWidgetItem(QString::fromLatin1(HistoryKindWord(letter)));
        kind->setForeground(colour);
        SG->setItem(r, 6, kind);
    }
}

void TFHistory::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= m_files.size() || m_files[row] == SelectedFile)
        return;
    SelectedFile = m_files[row];
    FillGrid();
}

} // namespace halvane
