#include "store/tjour.h"

#include "store/datefields.h"
#include "store/dates.h"

#include <QFormLayout>

// The double space in the title is kept on purpose.
TJour::TJour(QWidget *parent)
    : SmallDialog(QStringLiteral("Sélectionner actions du  jour"), parent) {
    m_date = new DateField;
    m_date->setObjectName(QStringLiteral("dateJour"));
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setCalendarPopup(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Date"), m_date);
    finish(form);
}

void TJour::Init(const QString &day, const QDate &today) {
    const QDate date = Dates::parse(day);
    m_date->setDate(date.isValid() ? date : today);
    m_date->setFocus();
}

QString TJour::Result() const {
    return isAccepted() ? Dates::format(m_date->date()) : QString();
}
