#pragma once

#include "followup/todo.h"

#include <QString>

// The to-do's settings, in their own file beside the program's other
// settings files (which keep their layout): line 1 "1" to show the to-do
// when a data set opens, "0" not to; line 2 the delay in days after which
// a company is "sans réponse".
struct TodoSettings {
    static constexpr const char *FileName = "Tavrin.taf";

    bool showAtStart = true; // "Afficher au démarrage"
    int delay = Todo::DefaultDelay;

    // A missing line, or one that is not a number (a delay below 1 neither),
    // leaves its value. False when the file is missing.
    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;
};
