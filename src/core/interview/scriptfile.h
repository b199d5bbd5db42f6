#pragma once

#include <QString>
#include <QStringList>

// The recruiter's script file of the start directory, and the sample script
// shipped with the program.
namespace ScriptFile {

inline constexpr const char *FileName = "Recrut.scp";

// The shipped script: beside the program, else in the data folder of an
// installation (<prefix>/share/tavrin); empty when neither exists.
QString shipped(const QString &programDir);

// At the first run in a start directory (no settings file there yet), copies
// the shipped script into it unless the directory has one. True when copied;
// an unwritable directory simply stays without a script.
bool installAtFirstRun(const QString &startDir, const QString &shipped);

} // namespace ScriptFile
