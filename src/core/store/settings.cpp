#include "store/settings.h"

#include "store/textfile.h"

#include <QFileInfo>

namespace {

bool readLines(const QString &path, QStringList &lines) {
    if (!QFileInfo(path).isFile())
        return false;
    bool ok = false;
    lines = TextFile::read(path, &ok);
    return ok;
}

} // namespace

bool Settings::load(const QString &path) {
    QStringList lines;
    if (!readLines(path, lines))
        return false;
    if (!lines.isEmpty())
        lastFile = lines.at(0);
    int selection = selectionNumber(selectionMode);
    int *values[] = {&autoOpen, &reservedPage, &guideOffset, &selection};
    for (int i = 0; i < 4 && i + 1 < lines.size(); ++i) {
        bool ok = false;
        const int value = lines.at(i + 1).trimmed().toInt(&ok);
        if (ok)
            *values[i] = value;
    }
    selectionMode = selectionFromNumber(selection);
    return true;
}

bool Settings::save(const QString &path, QString *error) const {
    return TextFile::write(path,
                           {lastFile, QString::number(autoOpen), QString::number(reservedPage),
                            QString::number(guideOffset),
                            QString::number(selectionNumber(selectionMode))},
                           error);
}

bool Identity::load(const QString &path) {
    QStringList read;
    if (!readLines(path, read))
        return false;
    for (int i = 0; i < Lines; ++i)
        lines[i] = i < read.size() ? read.at(i) : QString();
    return true;
}

bool Identity::save(const QString &path, QString *error) const {
    return TextFile::write(path, QStringList(lines.begin(), lines.end()), error);
}

bool ComboLists::load(const QString &path) {
    QStringList read;
    if (!readLines(path, read))
        return false;
    QStringList *section = nullptr;
    for (const QString &line : read) {
        if (line == QLatin1String("[ACTIVITE]"))
            section = &activities;
        else if (line == QLatin1String("[OPERATION]"))
            section = &operationTypes;
        else if (section)
            section->append(line);
    }
    return true;
}

bool ComboLists::save(const QString &path, QString *error) const {
    QStringList lines{QStringLiteral("[ACTIVITE]")};
    lines += activities;
    lines += QStringLiteral("[OPERATION]");
    lines += operationTypes;
    return TextFile::write(path, lines, error);
}
