#pragma once

#include "store/selection.h"

#include <QString>
#include <QStringList>

#include <array>

// The files kept in the start directory between runs. A missing file leaves
// the defaults; every save replaces the file whole.

struct Settings {
    static constexpr const char *FileName = "Tavrin.ini";

    QString lastFile;
    int autoOpen = 0; // only 1 means on; other values are kept as read
    int reservedPage = 0;
    int guideOffset = 0;
    Selection selectionMode = Selection::Cleared; // of the companies

    bool autoOpenOn() const { return autoOpen == 1; }
    // Reads what the file holds; a line that is missing or not a decimal
    // integer leaves its value unchanged. False when the file is missing.
    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;
};

struct Identity {
    static constexpr const char *FileName = "Tavrin.soc";
    static constexpr int Lines = 7;

    // Name, two address lines, postal code and town, telephone, two more.
    std::array<QString, Lines> lines;

    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;
};

struct ComboLists {
    static constexpr const char *FileName = "Tavrin.cbx";

    QStringList activities;
    QStringList operationTypes;

    // Appends the file's items to the lists.
    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;
};
