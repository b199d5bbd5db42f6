#include "common/dialogs.h"

#include "common/fontcolourdialog.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

namespace {
RealDialogs realDialogs;
Dialogs *current = &realDialogs;
} // namespace

Dialogs &Dialogs::instance() {
    return *current;
}

void Dialogs::setInstance(Dialogs *dialogs) {
    current = dialogs ? dialogs : &realDialogs;
}

int Dialogs::exec(QDialog *dialog) {
    return dialog->exec();
}

bool Dialogs::print(QWidget *parent, QPrinter &printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool Dialogs::font(QWidget *parent, QFont &font, QColor &colour) {
    FontColourDialog dialog(font, colour, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    colour = dialog.selectedColour();
    return true;
}

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &suggested, int *type, const FileNameRule &rule,
                              Replace replace) {
    QString offered = suggested;
    for (;;) {
        int chosenType = 1;
        const QString typed = chooseSaveFile(parent, caption, filter, offered, &chosenType);
        if (type)
            *type = chosenType;
        if (typed.isEmpty())
            return {};
        const QString name = rule ? rule(typed, chosenType) : typed;
        const QFileInfo file(name);
        if (replace == Replace::CallerAsks || !file.exists() || file.isDir())
            return name;
        const QString question = QStringLiteral("Le fichier ") + file.fileName() +
                                 QStringLiteral(" existe déjà.\nVoulez-vous le remplacer ?");
        if (warning(parent, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
            QMessageBox::Yes)
            return name;
        offered = name;
    }
}

void Dialogs::preview(QWidget *parent, QPrinter &printer,
                      const std::function<void(QPrinter &)> &paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}

void RealDialogs::message(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

QMessageBox::StandardButton RealDialogs::warning(QWidget *parent, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int RealDialogs::choice(QWidget *parent, const QString &text, const QStringList &buttons,
                        int escape) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"), text,
                    QMessageBox::NoButton, parent);
    QList<QPushButton *> pressed;
    for (const QString &caption : buttons)
        pressed.append(box.addButton(caption, QMessageBox::ActionRole));
    if (escape >= 0 && escape < pressed.size()) {
        box.setEscapeButton(pressed.at(escape));
        box.setDefaultButton(pressed.at(escape));
    }
    box.exec();
    const qsizetype at = pressed.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return at < 0 ? escape : int(at);
}

QString RealDialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                  const QString &directory) {
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QStringList RealDialogs::openFileNames(QWidget *parent, const QString &caption,
                                       const QString &filter, const QString &directory) {
    return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
}

QString RealDialogs::chooseSaveFile(QWidget *parent, const QString &caption, const QString &filter,
                                    const QString &suggested, int *type) {
    // The question about an existing file comes from saveFileName, once the
    // caller's suffix is on the name.
    QString selected;
    const QString name = QFileDialog::getSaveFileName(parent, caption, suggested, filter, &selected,
                                                      QFileDialog::DontConfirmOverwrite);
    if (type)
        *type = std::max(int(filter.split(QLatin1String(";;")).indexOf(selected)), 0) + 1;
    return name;
}
