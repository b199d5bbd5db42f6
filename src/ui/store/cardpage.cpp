#include "store/cardpage.h"

#include "store/datefields.h"
#include "store/records.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

QLineEdit *CardPage::lineEdit(const char *name, int maxLength) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::textEdited, this, &CardPage::changed);
    return edit;
}

QDateEdit *CardPage::dateEdit(const char *name) {
    auto *edit = new DateField(this);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setCalendarPopup(true);
    connect(edit, &QDateEdit::dateChanged, this, &CardPage::changed);
    return edit;
}

QComboBox *CardPage::comboBox(const char *name) {
    auto *combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    // The list is edited in its own dialog, never by pressing Enter here.
    combo->setInsertPolicy(QComboBox::NoInsert);
    connect(combo, &QComboBox::editTextChanged, this, &CardPage::changed);
    return combo;
}

QPlainTextEdit *CardPage::textEdit(const char *name) {
    auto *edit = new QPlainTextEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setTabChangesFocus(true);
    connect(edit, &QPlainTextEdit::textChanged, this, &CardPage::changed);
    return edit;
}

QLabel *CardPage::label(const QString &text, QWidget *buddy) {
    auto *l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

void CardPage::setLines(QPlainTextEdit *edit, const QStringList &lines) {
    // One repaint for the whole text, however many lines it has.
    edit->setUpdatesEnabled(false);
    edit->setPlainText(TextLines::toText(lines));
    edit->setUpdatesEnabled(true);
}

QStringList CardPage::lines(const QPlainTextEdit *edit) {
    return TextLines::fromText(edit->toPlainText());
}

void CardPage::setComboText(QComboBox *combo, const QString &text) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    combo->setEditText(text);
}
