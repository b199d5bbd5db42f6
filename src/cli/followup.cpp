// todo, ics and pieces: the to-do, the calendar export and the documents
// sent, on a data set opened as the program opens it.
#include "cli.h"

#include "followup/calendarexport.h"
#include "followup/links.h"
#include "followup/todo.h"
#include "followup/todosettings.h"
#include "reports/reportfields.h"
#include "store/dates.h"
#include "store/textfile.h"

#include <QDateTime>
#include <QFileInfo>

using namespace Cli;
using ReportFields::flat;

namespace {

QString notADay(const QString &text) {
    return QStringLiteral("'%1' n'est pas une date correcte").arg(text);
}

// Takes "--option VALUE" out of args; false when the option has no value.
bool takeOption(QStringList &args, const QString &option, QString &value) {
    const qsizetype at = args.indexOf(option);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

} // namespace

int todoVerb(const QStringList &arguments) {
    QStringList args = arguments;
    QString day = Dates::format(QDate::currentDate()), delayText;
    if (!takeOption(args, QStringLiteral("--jour"), day) ||
        !takeOption(args, QStringLiteral("--delai"), delayText) || args.size() != 1)
        return usage();
    if (!isDay(day)) {
        err(notADay(day));
        return BadInput;
    }
    // The delay the window uses, unless given.
    TodoSettings settings;
    settings.load(QString::fromLatin1(TodoSettings::FileName));
    int delay = settings.delay;
    if (!delayText.isNull()) {
        bool ok = false;
        delay = delayText.toInt(&ok);
        if (!ok || delay < 1) {
            err(QStringLiteral("'%1' n'est pas un nombre de jours correct").arg(delayText));
            return BadInput;
        }
    }
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    for (const Todo::Line &line : Todo::lines(data.list(Kind::Company), data.list(Kind::Operation),
                                              data.list(Kind::DayAction), Dates::parse(day), delay))
        outFields({Todo::word(line.kind), QString::number(line.block), Dates::format(line.date),
                   flat(line.label)});
    return Done;
}

int icsVerb(const QStringList &arguments) {
    QStringList args = arguments;
    QString from;
    if (!takeOption(args, QStringLiteral("--depuis"), from) || args.size() != 2)
        return usage();
    if (!from.isNull() && !isDay(from)) {
        err(notADay(from));
        return BadInput;
    }
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    int events = 0;
    const QByteArray bytes = CalendarExport::calendar(
        data.list(Kind::DayAction), CalendarExport::identity(data.fileName()),
        from.isNull() ? QDate() : Dates::parse(from), QDateTime::currentDateTimeUtc(), &events);
    QString error;
    if (!TextFile::writeBytes(args[1], bytes, &error)) {
        err(QStringLiteral("Impossible d'enregistrer le fichier ") + args[1] +
            QStringLiteral(" : ") + error);
        return FileError;
    }
    out(QStringLiteral("événements: %1").arg(events));
    return Done;
}

int piecesVerb(const QStringList &args) {
    if (args.isEmpty() || args.size() > 2)
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    const QString name = Links::fileName(data.fileName());
    const QString folder = QFileInfo(data.fileName()).absolutePath();
    Links::LinkFile file;
    QString error;
    if (!file.load(name, &error)) {
        err(QStringLiteral("Impossible de lire le fichier ") + name + QStringLiteral(" : ") +
            error);
        return FileError;
    }
    const QList<Links::Link> &lines = file.lines();
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines[i].valid && !lines[i].raw.trimmed().isEmpty())
            err(QStringLiteral("Ligne %1 non reconnue, gardée telle quelle : %2")
                    .arg(i + 1)
                    .arg(flat(QString::fromUtf8(lines[i].raw))));
    for (const qsizetype i : file.of(args.size() == 2 ? args[1] : QString())) {
        const Links::Link &link = lines[i];
        QStringList fields{link.code, Dates::format(link.date), flat(link.path)};
        if (Links::isMissing(link, folder))
            fields << QStringLiteral("manquant");
        outFields(fields);
    }
    return Done;
}
