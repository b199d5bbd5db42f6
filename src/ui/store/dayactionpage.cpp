#include "store/dayactionpage.h"

#include "store/datefields.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

DayActionPage::DayActionPage(QWidget *parent) : CardPage(parent) {
    setObjectName(QStringLiteral("pageJournee"));

    m_code = lineEdit("editCodeJournee");
    m_date = dateEdit("dateJournee");
    m_time = new TimeField(this);
    m_time->setObjectName(QStringLiteral("heureJournee"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    connect(m_time, &QTimeEdit::timeChanged, this, &DayActionPage::changed);
    m_action = lineEdit("editAction", 35);
    m_companyCode = lineEdit("editCodeSociete", 35);
    // Any change of the code counts, the picker's included.
    connect(m_companyCode, &QLineEdit::textChanged, this, &DayActionPage::changed);
    m_companyCode->setFixedWidth(57);
    m_pick = new QPushButton(QStringLiteral("..."), this);
    m_pick->setObjectName(QStringLiteral("buttonChoisirSociete"));
    m_pick->setFixedWidth(28);
    m_companyName = lineEdit("editNomSociete", 35);
    m_result = lineEdit("editResultat", 35);
    m_validate = new QPushButton(QStringLiteral("Valider"), this);
    m_validate->setObjectName(QStringLiteral("buttonValider"));
    m_comment = textEdit("memoCommentaire");
    const char *groupNames[] = {"editGroupeNom",      "editGroupeAdresse1",
                                "editGroupeAdresse2", "editGroupeCodePostal",
                                "editGroupeVille",    "editGroupeTelephone"};
    const int groupLengths[] = {35, 35, 35, 6, 35, 16};
    for (int i = 0; i < 6; ++i)
        m_group[i] = lineEdit(groupNames[i], groupLengths[i]);
    m_code->setFixedWidth(70);
    m_group[3]->setFixedWidth(70);

    auto *fields = new QGroupBox(this);
    auto *grid = new QGridLayout(fields);
    grid->setVerticalSpacing(4);
    auto left = [](QWidget *w) {
        auto *row = new QHBoxLayout;
        row->addWidget(w);
        row->addStretch();
        return row;
    };
    grid->addWidget(label(QStringLiteral("Code"), m_code), 0, 0);
    grid->addLayout(left(m_code), 0, 1);
    grid->addWidget(label(QStringLiteral("Date"), m_date), 1, 0);
    grid->addLayout(left(m_date), 1, 1);
    grid->addWidget(label(QStringLiteral("Heure"), m_time), 2, 0);
    grid->addLayout(left(m_time), 2, 1);
    grid->addWidget(label(QStringLiteral("Action"), m_action), 3, 0);
    grid->addWidget(m_action, 3, 1);
    grid->addWidget(label(QStringLiteral("Société"), m_companyCode), 4, 0);
    auto *companyRow = new QHBoxLayout;
    companyRow->setSpacing(2);
    companyRow->addWidget(m_companyCode);
    companyRow->addWidget(m_pick);
    companyRow->addSpacing(4);
    companyRow->addWidget(m_companyName, 1);
    grid->addLayout(companyRow, 4, 1);
    grid->addWidget(label(QStringLiteral("Résultat"), m_result), 5, 0);
    auto *resultRow = new QHBoxLayout;
    resultRow->addWidget(m_result, 1);
    resultRow->addWidget(m_validate);
    grid->addLayout(resultRow, 5, 1);
    grid->addWidget(label(QStringLiteral("Commentaire"), m_comment), 6, 0, 1, 2);
    grid->addWidget(m_comment, 7, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);

    auto *company = new QGroupBox(QStringLiteral("Société"), this);
    company->setObjectName(QStringLiteral("groupSociete"));
    auto *companyLayout = new QVBoxLayout(company);
    companyLayout->setSpacing(4);
    for (QLineEdit *edit : m_group)
        companyLayout->addWidget(edit);
    companyLayout->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(fields, 3);
    layout->addWidget(company, 2, Qt::AlignTop);

    QWidget *order[] = {m_code,        m_date,     m_time,     m_action,  m_companyCode, m_pick,
                        m_companyName, m_result,   m_validate, m_comment, m_group[0],    m_group[1],
                        m_group[2],    m_group[3], m_group[4], m_group[5]};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_pick, &QPushButton::clicked, this, &DayActionPage::pickRequested);
    connect(m_validate, &QPushButton::clicked, this, &DayActionPage::validateRequested);
}

void DayActionPage::display(const DayAction &d) {
    Filling filling(m_filling);
    m_code->setText(d.code);
    m_date->setDate(d.date);
    m_time->setTime(d.time);
    m_action->setText(d.action);
    m_companyCode->setText(d.companyCode);
    m_companyName->setText(d.companyName);
    m_result->setText(d.result);
    const QString *group[] = {&d.groupName,       &d.groupAddress1, &d.groupAddress2,
                              &d.groupPostalCode, &d.groupTown,     &d.groupPhone};
    for (int i = 0; i < 6; ++i)
        m_group[i]->setText(*group[i]);
    setLines(m_comment, d.comment);
    m_validate->setEnabled(!d.validated);
}

void DayActionPage::collect(DayAction &d) const {
    d.code = m_code->text();
    d.date = m_date->date();
    d.time = m_time->time();
    d.action = m_action->text();
    d.companyCode = m_companyCode->text();
    d.companyName = m_companyName->text();
    d.result = m_result->text();
    QString *group[] = {&d.groupName,       &d.groupAddress1, &d.groupAddress2,
                        &d.groupPostalCode, &d.groupTown,     &d.groupPhone};
    for (int i = 0; i < 6; ++i)
        *group[i] = m_group[i]->text();
    d.comment = lines(m_comment);
}

QWidget *DayActionPage::firstField() const {
    return m_action;
}
