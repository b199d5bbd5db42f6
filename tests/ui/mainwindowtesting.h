#pragma once

// The main window in a scratch start folder, its dialogs scripted, its data
// set dropped before it closes so that nothing is asked.

#include "app/tmainform.h"
#include "card/tfiche.h"
#include "ui/store/cardtesting.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class MainWindowFixture {
protected:
    QTemporaryDir m_dir;
    QString m_startDir;
    ScriptedDialogs *m_dialogs = nullptr;
    TMainForm *m_form = nullptr;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    DataSet &data() const { return m_form->fiche()->dataSet(); }
    QAction *action(const char *name) const {
        QAction *a = m_form->action(name);
        if (!a)
            qFatal("no action %s", name);
        return a;
    }

    // Enters the scratch folder, emptied of what an earlier test wrote.
    void enterFolder() {
        if (m_startDir.isEmpty())
            m_startDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(path(name));
    }
    void leaveFolder() { QDir::setCurrent(m_startDir); }

    void startForm() {
        if (!m_dialogs)
            m_dialogs = new ScriptedDialogs;
        m_form = new TMainForm;
        m_form->show();
    }
    void stopForm() {
        data().Nouveau();
        m_form->close();
        delete m_form;
        delete m_dialogs;
        m_form = nullptr;
        m_dialogs = nullptr;
    }

    void showPage(int kind) {
        using Show = void (TMainForm::*)();
        const Show pages[] = {&TMainForm::showCompanies, &TMainForm::showOperations,
                              &TMainForm::showDayActions};
        (m_form->*pages[kind])();
    }

    // Opens a.tvr of the given number of companies through the Ouvrir dialog.
    void open(int count) {
        writeLines(path(QStringLiteral("a.tvr")), companies(count));
        m_dialogs->files << path(QStringLiteral("a.tvr"));
        m_form->OpenItemClick();
    }
};
