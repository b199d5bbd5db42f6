#pragma once

// Shared by the window tests of the record card and the main window: a dialog
// runner that plays a script on each program dialog, and data-set builders.

#include "store/textfile.h"
#include "ui/fakedialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QQueue>
#include <QStringList>

#include <functional>

class ScriptedDialogs : public FakeDialogs {
public:
    // One script per dialog, in order; a dialog without a script is cancelled.
    QQueue<std::function<void(QDialog *)>> scripts;
    QStringList titles; // captions of the dialogs run

    int exec(QDialog *dialog) override {
        titles << dialog->windowTitle();
        dialog->show();
        if (scripts.isEmpty())
            dialog->reject();
        else
            scripts.dequeue()(dialog);
        dialog->hide();
        return dialog->result();
    }
};

inline void press(QDialog *dialog, const char *button) {
    auto *b = dialog->findChild<QPushButton *>(QLatin1String(button));
    if (!b)
        qFatal("no button %s in %s", button, qPrintable(dialog->windowTitle()));
    b->click();
}

// A company block: 14 fixed lines and the tags.
inline QStringList companyBlock(int block, const QString &code, const QString &name,
                                const QString &postalCode = {}, const QString &town = {},
                                const QStringList &extra = {}) {
    const QString n = QStringLiteral("%1").arg(block, 5, 10, QLatin1Char('0'));
    QStringList lines{QStringLiteral("<BLOC") + n + u'>',
                      code,
                      QStringLiteral("01/02/2024"),
                      name,
                      QStringLiteral("1 rue de la Paix"),
                      QString(),
                      postalCode,
                      town,
                      QStringLiteral("01 23 45 67 89"),
                      QString(),
                      QString(),
                      QStringLiteral("M. Martin"),
                      QString(),
                      QStringLiteral("Informatique")};
    lines += extra;
    lines << QStringLiteral("</BLOC") + n + u'>';
    return lines;
}

// Companies 0..count-1 with codes 10001.., named "Société n".
inline QStringList companies(int count, const std::function<QString(int)> &postalCode = {},
                             const std::function<QString(int)> &town = {}) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines += companyBlock(i, QString::number(10001 + i), QStringLiteral("Société %1").arg(i),
                              postalCode ? postalCode(i) : QString(), town ? town(i) : QString());
    return lines;
}

inline void writeLines(const QString &path, const QStringList &lines) {
    if (!TextFile::write(path, lines))
        qFatal("cannot write %s", qPrintable(path));
}
