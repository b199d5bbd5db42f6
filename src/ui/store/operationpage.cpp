#include "store/operationpage.h"

#include "store/costedit.h"
#include "store/followupgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

OperationPage::OperationPage(QWidget *parent) : CardPage(parent) {
    setObjectName(QStringLiteral("pageOperations"));

    m_code = lineEdit("editCodeOperation");
    m_type = comboBox("comboType");
    m_summary = lineEdit("editResume");
    m_fixedCost = new CostEdit(this);
    m_fixedCost->setObjectName(QStringLiteral("editCoutFixe"));
    m_unitCost = new CostEdit(this);
    m_unitCost->setObjectName(QStringLiteral("editCoutUnitaire"));
    for (CostEdit *cost : {m_fixedCost, m_unitCost})
        connect(cost, &QLineEdit::textEdited, this, &OperationPage::changed);
    m_start = dateEdit("dateDebut");
    m_end = dateEdit("dateFin");
    m_urgent = new QCheckBox(QStringLiteral("Urgent"), this);
    m_urgent->setObjectName(QStringLiteral("checkUrgent"));
    connect(m_urgent, &QCheckBox::clicked, this, &OperationPage::changed);
    m_description = textEdit("memoDescription");
    m_inputDate = dateEdit("dateSuiviOperation");
    m_inputLabel = lineEdit("editLibelle");
    m_inputText = lineEdit("editSuiviOperation");
    m_inputLabel->setPlaceholderText(QStringLiteral("Libellé"));
    m_inputText->setPlaceholderText(QStringLiteral("Suivi"));
    m_inputOk = new QPushButton(QStringLiteral("OK"), this);
    m_inputOk->setObjectName(QStringLiteral("buttonSuiviOperationOk"));
    m_inputOk->setFixedWidth(40);
    m_grid = new FollowUpGrid(QStringLiteral("Libellé"), 97, 242, 96, this);
    m_grid->setObjectName(QStringLiteral("gridSuiviOperation"));
    m_highlights = textEdit("memoFaits");
    m_code->setFixedWidth(70);

    auto *head = new QGroupBox(this);
    auto *headGrid = new QGridLayout(head);
    headGrid->setVerticalSpacing(4);
    headGrid->addWidget(label(QStringLiteral("Code"), m_code), 0, 0);
    headGrid->addWidget(m_code, 0, 1);
    headGrid->addWidget(label(QStringLiteral("Type"), m_type), 0, 2, Qt::AlignRight);
    headGrid->addWidget(m_type, 0, 3);
    headGrid->addWidget(label(QStringLiteral("Résumé"), m_summary), 1, 0);
    headGrid->addWidget(m_summary, 1, 1, 1, 3);
    headGrid->addWidget(label(QStringLiteral("Coût fixe"), m_fixedCost), 2, 0);
    headGrid->addWidget(m_fixedCost, 2, 1);
    headGrid->addWidget(label(QStringLiteral("Coût unitaire"), m_unitCost), 2, 2, Qt::AlignRight);
    auto *unitRow = new QHBoxLayout;
    unitRow->addWidget(m_unitCost);
    unitRow->addStretch();
    headGrid->addLayout(unitRow, 2, 3);
    headGrid->setColumnStretch(3, 1);

    auto *dates = new QGroupBox(this);
    auto *datesGrid = new QGridLayout(dates);
    datesGrid->setVerticalSpacing(4);
    datesGrid->addWidget(label(QStringLiteral("Début"), m_start), 0, 0);
    datesGrid->addWidget(m_start, 0, 1);
    datesGrid->addWidget(label(QStringLiteral("Fin"), m_end), 1, 0);
    datesGrid->addWidget(m_end, 1, 1);
    datesGrid->addWidget(m_urgent, 2, 1);
    datesGrid->setColumnStretch(2, 1);

    auto *inputRow = new QHBoxLayout;
    inputRow->addWidget(m_inputDate);
    inputRow->addWidget(m_inputLabel, 3);
    inputRow->addWidget(m_inputText, 2);
    inputRow->addWidget(m_inputOk);

    auto *leftColumn = new QVBoxLayout;
    leftColumn->setSpacing(4);
    leftColumn->addWidget(label(QStringLiteral("Description détaillée"), m_description));
    leftColumn->addWidget(m_description, 2);
    leftColumn->addLayout(inputRow);
    leftColumn->addWidget(m_grid, 3);

    auto *rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(4);
    rightColumn->addWidget(label(QStringLiteral("Faits marquants"), m_highlights));
    rightColumn->addWidget(m_highlights, 1);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(head, 0, 0);
    layout->addWidget(dates, 0, 1);
    layout->addLayout(leftColumn, 1, 0);
    layout->addLayout(rightColumn, 1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(1, 1);

    QWidget *order[] = {m_code,       m_type,      m_summary, m_fixedCost,   m_unitCost,
                        m_start,      m_end,       m_urgent,  m_description, m_inputDate,
                        m_inputLabel, m_inputText, m_inputOk, m_highlights};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_inputOk, &QPushButton::clicked, this, &OperationPage::followUpRequested);
    m_inputLabel->installEventFilter(this);
    m_inputText->installEventFilter(this);
}

bool OperationPage::eventFilter(QObject *watched, QEvent *event) {
    // Enter in either follow-up input adds the row, as "OK" does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT followUpRequested();
            return true;
        }
    }
    return CardPage::eventFilter(watched, event);
}

void OperationPage::display(const Operation &o, const FollowUpInput &input) {
    Filling filling(m_filling);
    m_code->setText(o.code);
    setComboText(m_type, o.type);
    m_summary->setText(o.summary);
    m_fixedCost->setText(o.fixedCost);
    m_unitCost->setText(o.unitCost);
    m_start->setDate(o.start);
    m_end->setDate(o.end);
    m_urgent->setChecked(o.urgent);
    setLines(m_description, o.description);
    setLines(m_highlights, o.highlights);
    m_grid->setRows(o.followUps);
    m_inputDate->setDate(input.date);
    m_inputLabel->setText(input.action);
    m_inputText->setText(input.text);
}

void OperationPage::collect(Operation &o, FollowUpInput &input) const {
    o.code = m_code->text();
    o.type = m_type->currentText();
    o.summary = m_summary->text();
    o.fixedCost = m_fixedCost->text();
    o.unitCost = m_unitCost->text();
    o.start = m_start->date();
    o.end = m_end->date();
    o.urgent = m_urgent->isChecked();
    o.description = lines(m_description);
    o.highlights = lines(m_highlights);
    input.date = m_inputDate->date();
    input.action = m_inputLabel->text();
    input.text = m_inputText->text();
}

void OperationPage::setTypes(const QStringList &items) {
    Filling filling(m_filling);
    const QString text = m_type->currentText();
    m_type->clear();
    m_type->addItems(items);
    setComboText(m_type, text);
}

QStringList OperationPage::types() const {
    QStringList items;
    for (int i = 0; i < m_type->count(); ++i)
        items.append(m_type->itemText(i));
    return items;
}

QWidget *OperationPage::firstField() const {
    return m_summary;
}
