#include "store/companypage.h"

#include "common/desktop.h"
#include "common/dialogs.h"
#include "store/documentlist.h"
#include "store/followupgrid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A small button beside a field, that hands its text to the desktop.
QToolButton *openButton(const char *name, const QString &text, const QString &hint,
                        QLineEdit *field, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(false);
    QObject::connect(field, &QLineEdit::textChanged, button, [button](const QString &value) {
        button->setEnabled(!value.trimmed().isEmpty());
    });
    return button;
}

void openAddress(QWidget *parent, const QUrl &url) {
    if (!Desktop::open(url))
        Dialogs::instance().message(parent,
                                    QStringLiteral("Impossible d'ouvrir ") + url.toString() + u'.');
}

} // namespace

CompanyPage::CompanyPage(QWidget *parent) : CardPage(parent) {
    setObjectName(QStringLiteral("pageSocietes"));

    // Created in tab order.
    m_code = lineEdit("editCode");
    m_date = dateEdit("dateFiche");
    m_name = lineEdit("editSociete", 35);
    m_address1 = lineEdit("editAdresse1", 35);
    m_address2 = lineEdit("editAdresse2", 35);
    m_postalCode = lineEdit("editCodePostal", 6);
    m_town = lineEdit("editVille", 35);
    m_phone = lineEdit("editTelephone", 16);
    m_fax = lineEdit("editFax", 16);
    m_email = lineEdit("editEmail", 35);
    m_contact = lineEdit("editContact", 35);
    m_web = lineEdit("editSiteWeb", 35);
    m_activity = comboBox("comboActivite");
    m_notice = textEdit("memoAnnonce");
    m_inputDate = dateEdit("dateSuivi");
    m_inputAction = lineEdit("editSuiviAction", 15);
    m_inputText = lineEdit("editSuiviTexte", 10);
    m_inputAction->setPlaceholderText(QStringLiteral("Action"));
    m_inputText->setPlaceholderText(QStringLiteral("Suivi"));
    m_inputOk = new QPushButton(QStringLiteral("OK"), this);
    m_inputOk->setObjectName(QStringLiteral("buttonSuiviOk"));
    m_grid = new FollowUpGrid(QStringLiteral("Action"), 86, 170, 100, this);
    m_grid->setObjectName(QStringLiteral("gridSuivi"));
    m_observations = textEdit("memoObservations");
    m_documents = new DocumentList(this);
    m_mail = openButton("buttonEmail", QStringLiteral("@"),
                        QStringLiteral("Écrire à cette adresse"), m_email, this);
    m_site = openButton("buttonSiteWeb", QStringLiteral("www"), QStringLiteral("Ouvrir le site"),
                        m_web, this);

    m_code->setFixedWidth(70);
    // Both fields end at the same place.
    const int buttonWidth = std::max(m_mail->sizeHint().width(), m_site->sizeHint().width());
    m_mail->setFixedWidth(buttonWidth);
    m_site->setFixedWidth(buttonWidth);
    m_postalCode->setFixedWidth(70);
    m_phone->setMinimumWidth(110);
    m_fax->setMinimumWidth(110);

    auto *left = new QGroupBox(this);
    auto *grid = new QGridLayout(left);
    grid->setVerticalSpacing(4);
    grid->addWidget(label(QStringLiteral("Code"), m_code), 0, 0);
    auto *codeRow = new QHBoxLayout;
    codeRow->addWidget(m_code);
    codeRow->addStretch();
    grid->addLayout(codeRow, 0, 1);
    grid->addWidget(label(QStringLiteral("Date"), m_date), 0, 2, Qt::AlignRight);
    grid->addWidget(m_date, 0, 3);
    int row = 1;
    const std::pair<QString, QLineEdit *> wide[] = {{QStringLiteral("Société"), m_name},
                                                    {QStringLiteral("Adresse"), m_address1},
                                                    {QStringLiteral("Adresse"), m_address2}};
    for (const auto &[text, edit] : wide) {
        grid->addWidget(label(text, edit), row, 0);
        grid->addWidget(edit, row++, 1, 1, 3);
    }
    grid->addWidget(label(QStringLiteral("Code postal"), m_postalCode), row, 0);
    auto *townRow = new QHBoxLayout;
    townRow->addWidget(m_postalCode);
    townRow->addSpacing(8);
    townRow->addWidget(label(QStringLiteral("Ville"), m_town));
    townRow->addSpacing(4);
    townRow->addWidget(m_town, 1);
    grid->addLayout(townRow, row++, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Téléphone"), m_phone), row, 0);
    grid->addWidget(m_phone, row, 1);
    grid->addWidget(label(QStringLiteral("Fax"), m_fax), row, 2, Qt::AlignRight);
    grid->addWidget(m_fax, row++, 3);
    const std::pair<QString, QLineEdit *> rest[] = {{QStringLiteral("E.mail"), m_email},
                                                    {QStringLiteral("Contact"), m_contact},
                                                    {QStringLiteral("Site Web"), m_web}};
    for (const auto &[text, edit] : rest) {
        grid->addWidget(label(text, edit), row, 0);
        QToolButton *button = edit == m_email ? m_mail : edit == m_web ? m_site : nullptr;
        if (!button) {
            grid->addWidget(edit, row++, 1, 1, 3);
            continue;
        }
        auto *line = new QHBoxLayout;
        line->setSpacing(2);
        line->addWidget(edit, 1);
        line->addWidget(button);
        grid->addLayout(line, row++, 1, 1, 3);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *right = new QGroupBox(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setSpacing(4);
    rightLayout->addWidget(label(QStringLiteral("Activité"), m_activity));
    rightLayout->addWidget(m_activity);
    rightLayout->addWidget(label(QStringLiteral("Texte de l'annonce"), m_notice));
    rightLayout->addWidget(m_notice, 1);

    auto *inputRow = new QHBoxLayout;
    inputRow->addWidget(m_inputDate);
    inputRow->addWidget(m_inputAction, 3);
    inputRow->addWidget(m_inputText, 2);
    inputRow->addWidget(m_inputOk);
    m_inputOk->setFixedWidth(40);
    auto *history = new QVBoxLayout;
    history->setSpacing(4);
    history->addLayout(inputRow);
    history->addWidget(m_grid, 1);

    auto *observations = new QVBoxLayout;
    observations->setSpacing(4);
    observations->addWidget(label(QStringLiteral("Observations"), m_observations));
    observations->addWidget(m_observations, 3);
    observations->addWidget(m_documents, 2);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(left, 0, 0);
    layout->addWidget(right, 0, 1);
    layout->addLayout(history, 1, 0);
    layout->addLayout(observations, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    QWidget *order[] = {m_code,        m_date,      m_name,     m_address1,    m_address2,
                        m_postalCode,  m_town,      m_phone,    m_fax,         m_email,
                        m_contact,     m_web,       m_activity, m_notice,      m_inputDate,
                        m_inputAction, m_inputText, m_inputOk,  m_observations};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_inputOk, &QPushButton::clicked, this, &CompanyPage::followUpRequested);
    connect(m_mail, &QToolButton::clicked, this, [this] {
        openAddress(this, QUrl(QStringLiteral("mailto:") + m_email->text().trimmed()));
    });
    connect(m_site, &QToolButton::clicked, this, [this] {
        // "www.example.fr" as typed on most cards: the browser needs a scheme.
        static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
        QString site = m_web->text().trimmed();
        if (!scheme.match(site).hasMatch())
            site.prepend(QStringLiteral("http://"));
        openAddress(this, QUrl(site));
    });
}

void CompanyPage::display(const Company &c, const FollowUpInput &input) {
    Filling filling(m_filling);
    m_code->setText(c.code);
    m_date->setDate(c.date);
    const std::pair<QLineEdit *, const QString *> fields[] = {
        {m_name, &c.name},         {m_address1, &c.address1},
        {m_address2, &c.address2}, {m_postalCode, &c.postalCode},
        {m_town, &c.town},         {m_phone, &c.phone},
        {m_fax, &c.fax},           {m_email, &c.email},
        {m_contact, &c.contact},   {m_web, &c.web}};
    for (const auto &[edit, value] : fields)
        edit->setText(*value);
    setComboText(m_activity, c.activity);
    setLines(m_notice, c.notice);
    setLines(m_observations, c.observations);
    m_grid->setRows(c.followUps);
    m_inputDate->setDate(input.date);
    m_inputAction->setText(input.action);
    m_inputText->setText(input.text);
}

void CompanyPage::collect(Company &c, FollowUpInput &input) const {
    c.code = m_code->text();
    c.date = m_date->date();
    c.name = m_name->text();
    c.address1 = m_address1->text();
    c.address2 = m_address2->text();
    c.postalCode = m_postalCode->text();
    c.town = m_town->text();
    c.phone = m_phone->text();
    c.fax = m_fax->text();
    c.email = m_email->text();
    c.contact = m_contact->text();
    c.web = m_web->text();
    c.activity = m_activity->currentText();
    c.notice = lines(m_notice);
    c.observations = lines(m_observations);
    input.date = m_inputDate->date();
    input.action = m_inputAction->text();
    input.text = m_inputText->text();
}

void CompanyPage::setActivities(const QStringList &items) {
    Filling filling(m_filling);
    const QString text = m_activity->currentText();
    m_activity->clear();
    m_activity->addItems(items);
    setComboText(m_activity, text);
}

QStringList CompanyPage::activities() const {
    QStringList items;
    for (int i = 0; i < m_activity->count(); ++i)
        items.append(m_activity->itemText(i));
    return items;
}

QWidget *CompanyPage::firstField() const {
    return m_name;
}
