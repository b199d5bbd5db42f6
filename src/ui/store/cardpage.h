#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// What the three pages of the record card share: field factories that name
// the widgets and report the user's edits, and the guard that keeps the
// page's own filling from counting as an edit.
class CardPage : public QWidget {
    Q_OBJECT
public:
    explicit CardPage(QWidget *parent = nullptr) : QWidget(parent) {}

    // The field that takes the focus after a move or a new record.
    virtual QWidget *firstField() const = 0;

Q_SIGNALS:
    // The user changed a field of this page.
    void edited();

protected:
    QLineEdit *lineEdit(const char *name, int maxLength = 0);
    QDateEdit *dateEdit(const char *name);
    QComboBox *comboBox(const char *name);
    QPlainTextEdit *textEdit(const char *name);
    static QLabel *label(const QString &text, QWidget *buddy);

    static void setLines(QPlainTextEdit *edit, const QStringList &lines);
    static QStringList lines(const QPlainTextEdit *edit);
    static void setComboText(QComboBox *combo, const QString &text);

    // Set while the page shows a record: changes then are not edits.
    bool m_filling = false;

    void changed() {
        if (!m_filling)
            Q_EMIT edited();
    }
};

// Sets the guard for the life of a scope.
class Filling {
public:
    explicit Filling(bool &flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~Filling() { m_flag = m_old; }

private:
    bool &m_flag;
    bool m_old;
};
