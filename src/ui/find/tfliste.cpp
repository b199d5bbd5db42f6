#include "find/tfliste.h"

#include "find/listrows.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

ListModel::ListModel(const BlocList &list, Kind kind, QObject *parent)
    : QAbstractTableModel(parent), m_headings(ListRows::headings(kind)), m_rows(list, kind) {}

int ListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : std::max(m_rows.rowCount(), MinimumRows);
}

int ListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || index.row() >= m_rows.rowCount())
        return {};
    return m_rows.cell(index.row(), index.column());
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < m_rows.rowCount() ? m_rows.cell(section, 1) : QString();
    return m_headings.value(section);
}

int ListModel::block(int row) const {
    return row >= 0 && row < m_rows.rowCount() ? ListRows::blockNumber(m_rows.cell(row, 0)) : -1;
}

ListWindow::ListWindow(Kind kind, QWidget *parent) : QDialog(parent), m_kind(kind) {
    setObjectName(QStringLiteral("listeFiches"));
    setWindowTitle(ListRows::caption(kind));
    // A single border with the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panneau"));
    panel->setGeometry(0, 0, ClientWidth, PanelHeight);
    m_close = new QPushButton(QStringLiteral("Fermer"), panel);
    m_close->setObjectName(QStringLiteral("buttonFermer"));
    m_close->setAutoDefault(false);
    m_close->setGeometry(ClientWidth - 100, 4, 75, 25);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grilleListe"));
    m_grid->setGeometry(0, PanelHeight, ClientWidth, ClientHeight - PanelHeight);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setMinimumSectionSize(0);
    // The running numbers: a header is part of the view, so it stays level with
    // the rows whatever the scroll position, and it sizes itself to its texts.
    QHeaderView *numbers = m_grid->verticalHeader();
    numbers->setObjectName(QStringLiteral("numeros"));
    numbers->setSectionResizeMode(QHeaderView::Fixed);
    numbers->setDefaultSectionSize(18);
    numbers->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    numbers->setMinimumWidth(NumberWidth);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(numbers, &QHeaderView::sectionDoubleClicked, this, &ListWindow::choose);
}

void ListWindow::Init(const BlocList &list) {
    ListModel *old = m_model;
    m_model = new ListModel(list, m_kind, this);
    m_grid->setModel(m_model);
    delete old;

    const QList<ListRows::Column> &columns = ListRows::columns(m_kind);
    // Column 0 holds the tag's number for the choice; the running number of
    // column 1 is shown by the vertical header.
    m_grid->setColumnHidden(0, true);
    m_grid->setColumnHidden(1, true);
    for (int c = 0; c < columns.size(); ++c)
        m_grid->setColumnWidth(c + 2, columns.at(c).width);
    m_grid->setFocus();
    m_block = -1;
}

void ListWindow::choose(int row) {
    // An empty row or a tag that is not decimal chooses nothing.
    m_block = m_model ? m_model->block(row) : -1;
    if (m_block >= 0)
        accept();
    else
        reject();
}

bool ListWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_grid->currentIndex().isValid())
                choose(m_grid->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
