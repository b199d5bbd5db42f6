#pragma once

#include "common/dialogs.h"

#include <QColor>
#include <QFont>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <tuple>

// Answers message boxes and file dialogs from queued replies and records what
// was asked, so window tests never block on a modal box.
class FakeDialogs : public Dialogs {
public:
    FakeDialogs() { Dialogs::setInstance(this); }
    ~FakeDialogs() override { Dialogs::setInstance(nullptr); }

    QStringList messages;                        // texts of plain message boxes
    QStringList warnings;                        // texts of warning boxes
    QQueue<QMessageBox::StandardButton> answers; // replies to warnings, none = Escape
    QQueue<QString> files;                       // replies to file dialogs, "" = cancel
    int fileDialogs = 0;                         // how many file dialogs were opened
    QQueue<int> types;                           // file types chosen in save dialogs, 1 if none
    QStringList filters;                         // the filters of the file dialogs, in order
    QStringList suggestions;                     // the names the save dialogs suggested
    QQueue<bool> printAnswers;                   // replies to print dialogs, none = cancel
    int printDialogs = 0;                        // how many print dialogs were opened
    std::function<void(QPrinter &)> onPrint;     // sets up the printer when OK is answered
    QQueue<std::pair<QFont, QColor>> fonts;      // replies to font dialogs, none = cancel
    QFont fontShown;                             // what the last font dialog opened with
    int previews = 0;                            // how many print previews were opened
    std::function<void(QPrinter &)> onPreview;   // readies the printer before the pages are drawn
    QStringList choices;                         // texts of the boxes with worded buttons
    QQueue<int> picks;                           // replies to them, none = escape

    void message(QWidget *, const QString &text) override { messages << text; }
    QMessageBox::StandardButton warning(QWidget *, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton) override {
        warnings << text;
        if (!answers.isEmpty())
            return answers.dequeue();
        return (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel
               : (buttons & QMessageBox::No)   ? QMessageBox::No
                                               : QMessageBox::Ok;
    }
    int choice(QWidget *, const QString &text, const QStringList &, int escape) override {
        choices << text;
        return picks.isEmpty() ? escape : picks.dequeue();
    }
    QString openFileName(QWidget *, const QString &, const QString &filter,
                         const QString &) override {
        ++fileDialogs;
        filters << filter;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    // Several files answer one dialog as one reply, "\n" between names.
    QStringList openFileNames(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &directory) override {
        return openFileName(parent, caption, filter, directory).split(u'\n', Qt::SkipEmptyParts);
    }
    QString chooseSaveFile(QWidget *, const QString &, const QString &filter,
                           const QString &suggested, int *type) override {
        ++fileDialogs;
        filters << filter;
        suggestions << suggested;
        const int chosen = types.isEmpty() ? 1 : types.dequeue();
        if (type)
            *type = chosen;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    bool print(QWidget *, QPrinter &printer) override {
        ++printDialogs;
        const bool ok = !printAnswers.isEmpty() && printAnswers.dequeue();
        if (ok && onPrint)
            onPrint(printer);
        return ok;
    }
    bool font(QWidget *, QFont &font, QColor &colour) override {
        fontShown = font;
        if (fonts.isEmpty())
            return false;
        std::tie(font, colour) = fonts.dequeue();
        return true;
    }
    void preview(QWidget *, QPrinter &printer,
                 const std::function<void(QPrinter &)> &paint) override {
        ++previews;
        if (onPreview)
            onPreview(printer);
        paint(printer);
    }
};
