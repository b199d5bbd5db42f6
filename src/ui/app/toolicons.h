#pragma once

#include <QIcon>

// The glyphs of the tool bar, drawn so that they do not depend on an icon
// theme being installed.
enum class Glyph {
    None,
    NewFile,
    Open,
    Save,
    Copy,
    Paste,
    First,
    Previous,
    Next,
    Last,
    NewRecord,
    Companies,
    Operations,
    DayActions,
    Interview,
    Printer,
    Envelope,
    Checklist,
};

QIcon toolIcon(Glyph glyph);
