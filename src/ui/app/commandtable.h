#pragma once

#include "app/toolicons.h"

#include <QKeySequence>
#include <QList>
#include <QString>

class TMainForm;

// Where an entry stands: one of the menus in menu-bar order, or the tool bar.
enum class Place {
    Fichier,
    Edition,
    Base,
    Selection,
    Outils,
    Parametres,
    Utilitaires,
    Aide,
    Tools
};

// A top-level menu with its help context number.
struct TopMenu {
    Place place;
    const char *name;
    QString caption;
    int helpContext;
};

// One menu entry or tool button. An entry whose name is null is a separator.
struct Command {
    Place place;
    const char *name;
    QString caption; // the hint for tool buttons
    QString hint;
    void (TMainForm::*handler)() = nullptr;
    bool enabled = true;       // at start
    bool needsDataSet = false; // switched on once a data set is in use
    // Enabled on the company, operation and day-action page ("1"/"0" each),
    // applied as the card shows a page; null when the page does not matter.
    const char *tabs = nullptr;
    int group = 0; // check-mark group of the Sélection menu (1 to 3), 0 for none
    bool checkable = false;
    bool checked = false; // at start
    QKeySequence shortcut = {};
    Glyph glyph = Glyph::None;
    // A submenu of its menu, named by name; the entries that name it as
    // their submenu go into it, in table order.
    bool opensSubmenu = false;
    const char *submenu = nullptr;
};

const QList<TopMenu> &menuTable();
const QList<Command> &commandTable();
