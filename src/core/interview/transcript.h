#pragma once

#include <QString>

// The interview transcript kept as a text file, like the program's others.
namespace Transcript {

// The file a transcript goes to: the name chosen, ".txt" added when the name
// itself (not a folder) has no extension.
QString fileName(const QString &chosen);

// Writes the transcript's text, one line a line, in Windows-1252 with CR LF;
// false with the reason in French on failure.
bool save(const QString &path, const QString &text, QString *error = nullptr);

} // namespace Transcript
