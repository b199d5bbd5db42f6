#include "interview/scriptfile.h"

#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ScriptFile::shipped(const QString &programDir) {
    const QDir dir(programDir);
    for (const QString &candidate :
         {dir.filePath(QLatin1String(FileName)),
          dir.filePath(QStringLiteral("../share/tavrin/") + QLatin1String(FileName))}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

bool ScriptFile::installAtFirstRun(const QString &startDir, const QString &shipped) {
    const QDir dir(startDir);
    if (shipped.isEmpty() || QFileInfo::exists(dir.filePath(QLatin1String(Settings::FileName))))
        return false;
    const QString target = dir.filePath(QLatin1String(FileName));
    // A folder or a file of that name is the user's: left alone.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return false;
    QFile copy(shipped);
    if (!copy.copy(target))
        return false;
    // The user owns the copy, whatever the installed file's rights.
    QFile::setPermissions(target,
                          QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    return true;
}
