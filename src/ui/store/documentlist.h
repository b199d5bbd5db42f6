#pragma once

#include "followup/links.h"

#include <QDate>
#include <QWidget>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The documents sent to the company shown (letter, CV, notice), kept in the
// link file beside the data set. The file is read again for each company
// shown and before each change, then saved at once, so that a link added
// meanwhile on another computer is neither hidden nor overwritten. Links are
// no part of the records: changing them does not modify the data set.
class DocumentList : public QWidget {
    Q_OBJECT
public:
    explicit DocumentList(QWidget *parent = nullptr);

    // The data file (empty when none is open) and the code of the company
    // shown (empty for none); the list is disabled without both.
    void showCompany(const QString &dataFile, const QString &code);
    // The day new links are dated with.
    void setClock(std::function<QDate()> today) { m_today = std::move(today); }

    // Links files to the company shown; one already linked is not repeated.
    void add(const QStringList &files);
    // The data set was saved under another name: its links go with it.
    void copyLinks(const QString &fromDataFile, const QString &toDataFile);

private:
    QString folder() const;
    QString linkFileName() const;
    // Reads the link file; false after telling the user it cannot be read.
    bool reload(bool tell);
    bool save();
    void tell(const QString &what, const QString &file, const QString &error);
    void refresh();
    void choose();
    void open(QListWidgetItem *item);
    void removeCurrent();

    QString m_dataFile, m_code;
    Links::LinkFile m_links;
    QString m_error;
    std::function<QDate()> m_today = [] { return QDate::currentDate(); };
    QListWidget *m_list;
    QPushButton *m_add, *m_remove;
};
