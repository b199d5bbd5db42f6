#include "find/tfliste.h"

#include "find/listrows.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
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
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return m_headings.value(section);
}

int ListModel::block(int row) const {
    return row >= 0 && row < m_rows.rowCount() ? ListRows::blockNumber(m_rows.cell(row, 0)) : -1;
}

namespace {

QTableView *makeGrid(QWidget *parent) {
    auto *grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setMinimumSectionSize(0);
    return grid;
}

} // namespace

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

    m_grid = makeGrid(this);
    m_grid->setObjectName(QStringLiteral("grilleListe"));
    m_grid->setGeometry(0, PanelHeight, ClientWidth, ClientHeight - PanelHeight);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { choose(index.row()); });

    m_frozen = makeGrid(m_grid);
    m_frozen->setObjectName(QStringLiteral("colonnesFixes"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    connect(m_frozen, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged,
            m_grid->verticalScrollBar(), &QAbstractSlider::setValue);
    connect(m_grid->verticalScrollBar(), &QAbstractSlider::valueChanged,
            m_frozen->verticalScrollBar(), &QAbstractSlider::setValue);
    m_grid->viewport()->stackUnder(m_frozen);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int width) {
                if (section != 1)
                    return;
                m_frozen->setColumnWidth(1, width);
                placeFrozenColumns();
            });
}

void ListWindow::Init(const BlocList &list) {
    ListModel *old = m_model;
    m_model = new ListModel(list, m_kind, this);
    m_grid->setModel(m_model);
    m_frozen->setModel(m_model);
    QItemSelectionModel *own = m_frozen->selectionModel();
    m_frozen->setSelectionModel(m_grid->selectionModel());
    delete own;
    delete old;

    const QList<ListRows::Column> &columns = ListRows::columns(m_kind);
    // Column 0 holds the tag's number for the choice; it is never seen.
    m_grid->setColumnHidden(0, true);
    m_grid->setColumnWidth(1, 40);
    m_frozen->setColumnHidden(0, true);
    m_frozen->setColumnWidth(1, 40);
    for (int c = 0; c < columns.size(); ++c) {
        m_grid->setColumnWidth(c + 2, columns.at(c).width);
        m_frozen->setColumnHidden(c + 2, true);
    }
    m_block = -1;
    placeFrozenColumns();
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

void ListWindow::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    placeFrozenColumns();
}

void ListWindow::placeFrozenColumns() {
    const int frame = m_grid->frameWidth();
    m_frozen->setGeometry(frame, frame, m_grid->columnWidth(1),
                          m_grid->viewport()->height() + m_grid->horizontalHeader()->height());
}
