#pragma once

#include <QStringList>

class QWidget;

// One function per entry of the "Utilitaires" menu: each creates its window,
// runs it modally and frees it.
void showCalendrier(QWidget *parent);
void showCalculatrice(QWidget *parent);
void showHorloge(QWidget *parent);
void showEuro(QWidget *parent);
// Edits the main window's notepad lines in place; every way out keeps the edits.
void showBlocnotes(QWidget *parent, QStringList &notes);
void showDepartements(QWidget *parent);
void showPeseLettres(QWidget *parent);
void showPrenoms(QWidget *parent);
void showCodesApe(QWidget *parent);
