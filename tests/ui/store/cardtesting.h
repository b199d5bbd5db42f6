#pragma once

// Shared by the window tests of the record card and the main window: a dialog
// runner that plays a script on each program dialog, and data-set builders.

#include "card/tfiche.h"
#include "store/textfile.h"
#include "ui/fakedialogs.h"
#include "ui/widgettesting.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

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
    child<QPushButton>(dialog, button)->click();
}

// A company block: 13 fixed lines, then extra ones.
inline QStringList companyBlock(int block, const QString &code, const QString &name,
                                const QString &postalCode = {}, const QString &town = {},
                                const QStringList &extra = {}) {
    const QString none;
    return ::block(5, block,
                   QStringList{code, "01/02/2024", name, "1 rue de la Paix", none, postalCode, town,
                               "01 23 45 67 89", none, none, "M. Martin", none, "Informatique"} +
                       extra);
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

// An operation block: code, type, summary, costs, dates, urgency, then extra lines.
inline QStringList operationBlock(int block, const QString &code, const QString &type,
                                  const QString &summary, const QStringList &extra = {}) {
    const QString none;
    return ::block(4, block,
                   QStringList{code, type, summary, none, none, "01/03/2024", "15/03/2024", "N"} +
                       extra);
}

// A day-action block for a company; validated is the line 8 text.
inline QStringList dayActionBlock(int block, const QString &code, const QString &day,
                                  const QString &companyCode, const QString &validated) {
    const QString none;
    return ::block(4, block,
                   QStringList{code, day, "14:30:00", "Entretien", companyCode, "Société",
                               "Positif", validated, "Société", none, none, none, none, none});
}

// The card in a temporary start directory, with scripted dialogs.
class CardFixture {
public:
    QTemporaryDir dir;
    QString startDir = QDir::currentPath();
    ScriptedDialogs *dialogs = nullptr;
    TFiche *fiche = nullptr;

    CardFixture() { QDir::setCurrent(dir.path()); }
    ~CardFixture() { QDir::setCurrent(startDir); }

    QString path(const QString &name) const { return dir.filePath(name); }
    DataSet &data() const { return fiche->dataSet(); }

    void start() {
        dialogs = new ScriptedDialogs;
        fiche = new TFiche;
        fiche->resize(800, 540);
        fiche->show();
        fiche->activateWindow();
        fiche->activate();
    }
    // A fresh card, reading the program files written since the start.
    void restart() {
        delete fiche;
        fiche = new TFiche;
        fiche->activate();
    }
    void stop() {
        delete fiche;
        delete dialogs;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(path(name));
    }
    // Writes the three files of test.tvr and opens them.
    bool open(const QStringList &companyLines, const QStringList &operationLines = {},
              const QStringList &dayLines = {}) {
        writeLines(path(QStringLiteral("test.tvr")), companyLines);
        writeLines(path(QStringLiteral("test.opr")), operationLines);
        writeLines(path(QStringLiteral("test.jnr")), dayLines);
        return fiche->Charge(path(QStringLiteral("test.tvr")));
    }
    template <class T> T *field(const char *name) const { return child<T>(fiche, name); }
    QLineEdit *edit(const char *name) const { return field<QLineEdit>(name); }
};
