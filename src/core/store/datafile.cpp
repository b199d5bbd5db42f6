#include "store/datafile.h"

namespace DataFile {

namespace {
qsizetype nameStart(const QString &path) {
    // Both separators: a name typed in the Windows way still splits right.
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
}
} // namespace

bool hasDataExtension(const QString &path) {
    return path.right(4).toUpper() == QLatin1String(".TVR");
}

QString withDataExtension(const QString &path) {
    const qsizetype start = nameStart(path);
    QString name = path.mid(start);
    const qsizetype dot = name.lastIndexOf(u'.');
    // File names are case-sensitive here: SUIVI.TVR is kept, not turned into
    // a second data set SUIVI.tvr beside the one that was opened.
    if (dot > 0 && name.mid(dot).toUpper() == QLatin1String(".TVR"))
        return path;
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return {};
    return path.left(start) + name + QLatin1String(".tvr");
}

QString displayName(const QString &path) {
    return path.mid(nameStart(path));
}

} // namespace DataFile
