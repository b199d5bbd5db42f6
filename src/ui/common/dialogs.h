#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QColor;
class QDialog;
class QFont;
class QPrinter;
class QWidget;

// Every message box and file dialog of the program goes through this interface,
// so that window tests can answer them without a real modal box.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Plain message box with an OK button; a "\n" in text starts a second line.
    virtual void message(QWidget *parent, const QString &text) = 0;

    // Warning box captioned "Avertissement" with the given buttons; returns the
    // button pressed (Escape or closing the box gives the escape button). Enter
    // presses defaultButton when one is given.
    virtual QMessageBox::StandardButton
    warning(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // Warning box captioned "Avertissement" whose buttons say what each answer
    // does, in order; returns the index of the one pressed, escape on Escape or
    // when the box is closed. Enter presses escape too: the answer that loses
    // nothing.
    virtual int choice(QWidget *parent, const QString &text, const QStringList &buttons,
                       int escape) = 0;

    // File dialogs; an empty result means the dialog was cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                 const QString &directory = {}) = 0;
    // The open dialog where several files may be chosen at once.
    virtual QStringList openFileNames(QWidget *parent, const QString &caption,
                                      const QString &filter, const QString &directory = {}) = 0;

    // Turns the name typed in a save dialog into the file that will be written,
    // given the file type chosen (counted from 1 in the filter's order).
    using FileNameRule = std::function<QString(const QString &typed, int type)>;
    enum class Replace { Ask, CallerAsks };

    // The save dialog for a file the caller is about to write: returns the name
    // that rule makes of the typed one (the typed one without a rule), or empty
    // when cancelled, and sets type (when given) to the file type chosen. When
    // that file exists, asks once whether to replace it; "Non" opens the dialog
    // again on the same name, so that the user picks another or cancels.
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &suggested = {}, int *type = nullptr,
                         const FileNameRule &rule = {}, Replace replace = Replace::Ask);

    // Runs a program dialog modally and returns its result code; tests
    // override it to fill the dialog and press its buttons without a loop.
    virtual int exec(QDialog *dialog);

    // The print dialog on the printer; true on OK.
    virtual bool print(QWidget *parent, QPrinter &printer);
    // The font dialog, with a colour choice; on OK (true) font and colour
    // hold what was chosen.
    virtual bool font(QWidget *parent, QFont &font, QColor &colour);

    // The instance used by every window; tests install their own.
    static Dialogs &instance();
    static void setInstance(Dialogs *dialogs); // nullptr restores the real one

    // The print preview of the pages that paint draws on the printer; its
    // print button prints them.
    virtual void preview(QWidget *parent, QPrinter &printer,
                         const std::function<void(QPrinter &)> &paint);

protected:
    // The platform's save dialog alone: the name typed, empty on cancel; type
    // as for saveFileName. It asks nothing about an existing file.
    virtual QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &filter,
                                   const QString &suggested, int *type) = 0;
};

// The real modal boxes and dialogs of the platform.
class RealDialogs : public Dialogs {
public:
    void message(QWidget *parent, const QString &text) override;
    QMessageBox::StandardButton warning(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int choice(QWidget *parent, const QString &text, const QStringList &buttons,
               int escape) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &directory) override;
    QStringList openFileNames(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &directory) override;

protected:
    QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &filter,
                           const QString &suggested, int *type) override;
};
