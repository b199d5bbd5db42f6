#pragma once

// The selection a kind's moves follow, numbered as the Sélection menu gives it
// and the settings file keeps it. The kinds share the numbers: 2 selects by
// postal code, operation type or day, 3 by town (companies only). Any other
// number selects all records and stays as it is, so that the settings file
// gets back the very number it gave.
enum class Selection : int {
    Cleared = 0, // at start and after New: none chosen
    All = 1,     // "Toutes les fiches"
    PostalCode = 2,
    Type = 2,
    Day = 2,
    Town = 3,
};

// The stored number and back: what the settings file reads and writes.
constexpr int selectionNumber(Selection selection) {
    return int(selection);
}
constexpr Selection selectionFromNumber(int number) {
    return Selection(number);
}
