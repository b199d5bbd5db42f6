#include "interview/tfnouveau.h"

#include "common/dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

TFNouveau::TFNouveau(QWidget *parent) : SmallDialog(QStringLiteral("Nouveau dialogue"), parent) {
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("editNom"));
    m_firstName = new QLineEdit;
    m_firstName->setObjectName(QStringLiteral("editPrenom"));
    m_title = new QComboBox;
    m_title->setObjectName(QStringLiteral("comboTitre"));
    m_title->setEditable(true);
    m_title->setInsertPolicy(QComboBox::NoInsert);
    // "Mademe": the spelling users know, kept on purpose.
    m_title->addItems(
        {QStringLiteral("Monsieur"), QStringLiteral("Mademe"), QStringLiteral("Mademoiselle")});
    for (QWidget *field : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_firstName),
                           static_cast<QWidget *>(m_title)}) {
        field->setFixedWidth(200);
        field->installEventFilter(this);
    }
    m_title->lineEdit()->installEventFilter(this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nom"), m_name);
    form->addRow(QStringLiteral("Prénom"), m_firstName);
    form->addRow(QStringLiteral("Titre"), m_title);
    finish(form);
}

void TFNouveau::showEvent(QShowEvent *event) {
    SmallDialog::showEvent(event);
    m_title->setCurrentIndex(0);
    m_title->setEditText(m_title->itemText(0));
    m_name->setFocus();
}

bool TFNouveau::eventFilter(QObject *watched, QEvent *event) {
    // Enter in any field is OK, and goes no further.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return SmallDialog::eventFilter(watched, event);
}

void TFNouveau::accept() {
    // A name of spaces is no name either.
    if (m_name->text().trimmed().isEmpty()) {
        Dialogs::instance().message(this, QStringLiteral("Il manque le nom"));
        return;
    }
    SmallDialog::accept();
}

void TFNouveau::Result(QString &name, QString &firstName, QString &title) const {
    if (!isAccepted()) {
        name.clear();
        return;
    }
    name = m_name->text().trimmed();
    firstName = m_firstName->text().trimmed();
    title = m_title->currentText().trimmed();
}
