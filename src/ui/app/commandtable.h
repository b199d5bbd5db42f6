#pragma once

#include "app/toolicons.h"

#include <QFlags>
#include <QKeySequence>
#include <QList>
#include <QString>

class TMainForm;
enum class Kind;

// The card pages a command is enabled on.
enum class Page { Company = 0x1, Operation = 0x2, DayAction = 0x4 };
Q_DECLARE_FLAGS(Pages, Page)
Q_DECLARE_OPERATORS_FOR_FLAGS(Pages)

// The page that shows records of a kind.
Page pageOf(Kind kind);

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
    // The pages it is enabled on, applied as the card shows a page; none
    // when the page does not matter.
    Pages tabs = {};
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
