#pragma once

#include "find/listrows.h"
#include "store/dataset.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableView;

// The rows of a list window over the core's table, read as they are shown; at
// least MinimumRows rows, empty ones below the last record. The running
// number is also the row's vertical heading.
class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int MinimumRows = 19;

    ListModel(const BlocList &list, Kind kind, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The block number of a row, or -1 for an empty row or a tag that is not decimal.
    int block(int row) const;

private:
    QStringList m_headings;
    ListRows::Table m_rows;
};

// The list windows: every record of one kind in list order; a double-click
// (or Enter) on a row chooses its block, "Fermer", Escape or the close box
// choose nothing. The running numbers stand in the grid's vertical header,
// which scrolls with the rows and widens to the longest number.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 784;
    static constexpr int ClientHeight = 416;
    static constexpr int PanelHeight = 33;
    // The narrowest the running numbers get.
    static constexpr int NumberWidth = 40;

    ListWindow(Kind kind, QWidget *parent);

    void Init(const BlocList &list);
    // The chosen block number, or -1.
    int Result() const { return m_block; }

    QTableView *grid() const { return m_grid; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(int row);

    Kind m_kind;
    QPushButton *m_close;
    QTableView *m_grid;
    ListModel *m_model = nullptr;
    int m_block = -1;
};

class TFListe : public ListWindow {
    Q_OBJECT
public:
    explicit TFListe(QWidget *parent = nullptr) : ListWindow(Kind::Company, parent) {}
};

class TFListe2 : public ListWindow {
    Q_OBJECT
public:
    explicit TFListe2(QWidget *parent = nullptr) : ListWindow(Kind::Operation, parent) {}
};

class TFListe3 : public ListWindow {
    Q_OBJECT
public:
    explicit TFListe3(QWidget *parent = nullptr) : ListWindow(Kind::DayAction, parent) {}
};
