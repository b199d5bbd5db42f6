#include "store/tcombo.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TCombo::TCombo(const QString &caption, const QString &label, QWidget *parent) : QDialog(parent) {
    setWindowTitle(caption);

    auto *panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto *close = new QPushButton(QStringLiteral("Fermer"));
    close->setObjectName(QStringLiteral("buttonFermer"));
    close->setAutoDefault(false);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(close);
    panelLayout->addStretch();

    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("editItem"));
    auto *valid = new QToolButton;
    valid->setObjectName(QStringLiteral("buttonValider"));
    valid->setText(QStringLiteral("✓"));
    valid->setToolTip(QStringLiteral("Valider"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("listItems"));

    auto *editRow = new QHBoxLayout;
    editRow->addWidget(new QLabel(label));
    editRow->addWidget(m_edit, 1);
    editRow->addWidget(valid);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(editRow);
    layout->addWidget(m_list, 1);
    resize(340, 360);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(valid, &QToolButton::clicked, this, &TCombo::validate);
    connect(m_edit, &QLineEdit::returnPressed, this, &TCombo::validate);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_edit->setText(item->text());
        m_edit->setFocus();
    });
    m_edit->installEventFilter(this);
    m_list->installEventFilter(this);
}

void TCombo::Init(const QStringList &items) {
    m_list->clear();
    m_list->addItems(items);
    m_edit->clear();
    m_edit->setFocus();
}

QStringList TCombo::Result() const {
    QStringList items;
    for (int i = 0; i < m_list->count(); ++i)
        items.append(m_list->item(i)->text());
    return items;
}

bool TCombo::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Enter validates the edit; it must never close the editor.
        if (watched == m_edit && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            validate();
            return true;
        }
        if (watched == m_list && key == Qt::Key_Delete) {
            removeSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TCombo::validate() {
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        m_list->addItem(m_edit->text());
    else
        selected.first()->setText(m_edit->text());
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    m_edit->clear();
}

void TCombo::removeSelected() {
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        delete m_list->takeItem(m_list->row(selected.first()));
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    m_edit->clear();
}
