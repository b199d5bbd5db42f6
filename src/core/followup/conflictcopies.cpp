#include "followup/conflictcopies.h"

#include <QDir>
#include <QFileInfo>

namespace ConflictCopies {

bool isCopyOf(const QString &name, const QString &base) {
    if (base.isEmpty() || name.size() <= base.size() ||
        !name.startsWith(base, Qt::CaseInsensitive) || name.at(base.size()).isLetterOrNumber())
        return false;
    const QStringView rest = QStringView(name).sliced(base.size());
    for (const char *mark : {"sync-conflict", "conflicted copy", "conflit", "_conflict"})
        if (rest.contains(QLatin1String(mark), Qt::CaseInsensitive))
            return true;
    return false;
}

QStringList beside(const QString &dataFile) {
    const QFileInfo info(dataFile);
    const QString base = info.completeBaseName();
    QStringList copies;
    const QStringList names =
        info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names)
        if (isCopyOf(name, base))
            copies << name;
    return copies;
}

QString message(const QStringList &copies) {
    if (copies.isEmpty())
        return {};
    return QStringLiteral("Copies en conflit laissées par la synchronisation, à examiner :\n") +
           copies.join(u'\n');
}

} // namespace ConflictCopies
