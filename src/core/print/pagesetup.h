#pragma once

// The values of the page setup: the envelope orientation (0 portrait, 1
// landscape) for the run only, the guide offset (0 or 100 mm, added to every
// envelope height) and a reserved value that nothing reads, both kept in the
// settings file.
struct PageSetup {
    int reserved = 0;
    int orientation = 0;
    int guideOffset = 0;

    // The dialog is seeded only when both values are in range; otherwise it
    // opens on its defaults.
    static bool seeds(int reserved, int orientation) {
        return reserved >= 0 && reserved <= 3 && orientation >= 0 && orientation <= 1;
    }
    // What the dialog handed back: orientation -1 (refused) changes nothing.
    void store(int newReserved, int newOrientation, bool guideRight) {
        if (newOrientation < 0)
            return;
        reserved = newReserved;
        orientation = newOrientation;
        guideOffset = guideRight ? 100 : 0;
    }
};
