#pragma once

// Times the word processor's RTF reading, writing and HTML export on generated
// letters and prints its own table.
void benchLetters();
