#include "followup/todosettings.h"

#include "store/textfile.h"

#include <QFileInfo>

bool TodoSettings::load(const QString &path) {
    if (!QFileInfo(path).isFile())
        return false;
    bool ok = false;
    const QStringList lines = TextFile::read(path, &ok);
    if (!ok)
        return false;
    bool number = false;
    if (!lines.isEmpty()) {
        const int show = lines.at(0).trimmed().toInt(&number);
        if (number)
            showAtStart = show == 1;
    }
    if (lines.size() > 1) {
        const int days = lines.at(1).trimmed().toInt(&number);
        if (number && days > 0)
            delay = days;
    }
    return true;
}

bool TodoSettings::save(const QString &path, QString *error) const {
    return TextFile::write(
        path, {showAtStart ? QStringLiteral("1") : QStringLiteral("0"), QString::number(delay)},
        error);
}
