#pragma once

#include <QString>

// Names of the data file ("*.tvr") as the open and save commands take them.
namespace DataFile {

// True when the last four characters, upper-cased, are ".TVR".
bool hasDataExtension(const QString &path);

// The path with the extension of its file name (from the last "." of the
// name itself, not of a folder) replaced by ".tvr"; empty when no name is left.
QString withDataExtension(const QString &path);

// The file name without its directory, as window captions show it.
QString displayName(const QString &path);

} // namespace DataFile
