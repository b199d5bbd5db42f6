// profile, cv and interview: the candidate's side of the program, on the files
// the profile window, the CV and the dialogue window read.
#include "cli.h"

#include "interview/dialogue.h"
#include "profile/cv.h"
#include "profile/profile.h"
#include "store/settings.h"
#include "store/textfile.h"

#include <QFileInfo>
#include <QTextStream>

using namespace Cli;

namespace {

// Reads a file named on the command line; false, with the message, when it
// is not there or cannot be read.
bool readInput(const QString &path, QStringList &lines, int &status) {
    if (!QFileInfo(path).isFile()) {
        err(QStringLiteral("Le fichier n'existe pas"));
        status = BadInput;
        return false;
    }
    bool ok = false;
    lines = TextFile::read(path, &ok);
    if (!ok) {
        err(QStringLiteral("Impossible de lire ") + path);
        status = FileError;
    }
    return ok;
}

void printEmployer(Profile &profile) {
    const Employer &e = profile.employer();
    out(QStringLiteral("Employeur\t") + profile.indicator());
    const QString fields[] = {e.company,  e.activity,   e.address, e.postalCode, e.town,
                              e.position, e.department, e.entry,   e.leaving};
    for (int k = 0; k < 9; ++k)
        out(Profile::EmployerLabels[k] + u'\t' + fields[k]);
    out(QStringLiteral("Toujours en poste\t") + (e.stillEmployed ? u'Y' : u'N'));
    for (const QString &line : e.responsibilities)
        out(QStringLiteral("Responsabilités\t") + line);
}

void printProfile(Profile &profile) {
    for (int k = 0; k < Profile::IdentityCount; ++k)
        out(Profile::IdentityLabels[k] + u'\t' + profile.identity[k]);
    for (int r = 0; r < 5; ++r)
        out(QStringLiteral("Formation\t") + profile.formation[2 * r] + u'\t' +
            profile.formation[2 * r + 1]);
    for (int r = 0; r < 4; ++r)
        out(QStringLiteral("Langue\t") + profile.formation[Profile::LanguageRow + 2 * r] + u'\t' +
            profile.formation[Profile::LanguageRow + 2 * r + 1]);
    for (const QString &line : profile.divers)
        out(QStringLiteral("Divers\t") + line);
    for (int i = 0; i < profile.count(); ++i) {
        printEmployer(profile);
        profile.next();
    }
    for (int k = 0; k < Profile::SkillCount; ++k)
        out(Profile::SkillLabels[k] + u'\t' + QString::number(profile.skills[k]));
    for (const QString &item : profile.knowledge)
        out(QStringLiteral("Connaissance\t") + item);
    for (int k = 0; k < Profile::CharacteristicCount; ++k)
        out(Profile::CharacteristicLabels[k] + u'\t' + QString::number(profile.characteristics[k]));
}

} // namespace

int profileVerb(const QStringList &args) {
    const bool write = args.size() == 3 && args[1] == QLatin1String("--write");
    if (args.size() != 1 && !write)
        return usage();
    QStringList lines;
    int status = Done;
    if (!readInput(args[0], lines, status))
        return status;
    Profile profile;
    QString error;
    if (!profile.Init(lines, &error)) {
        err(error);
        return BadInput;
    }
    if (write) {
        profile.markChanged();
        QString why;
        if (!TextFile::write(args[2], *profile.Result(), &why)) {
            err(why);
            return FileError;
        }
    }
    printProfile(profile);
    return Done;
}

int cvVerb(const QStringList &args) {
    if (args.size() != 1 && args.size() != 2)
        return usage();
    QStringList lines;
    int status = Done;
    if (!readInput(args[0], lines, status))
        return status;
    QStringList identity;
    if (args.size() == 2) {
        if (!QFileInfo(args[1]).isFile()) {
            err(QStringLiteral("Le fichier n'existe pas"));
            return BadInput;
        }
        Identity soc;
        soc.load(args[1]);
        identity = QStringList(soc.lines.begin(), soc.lines.end());
    }
    for (const QString &line : Cv::document(identity, lines))
        out(line);
    return Done;
}

int interviewVerb(const QStringList &args) {
    if (args.isEmpty())
        return usage();
    QString name, firstName, title = QStringLiteral("Monsieur");
    bool named = false, end = false;
    QList<int> draws;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &option = args[i];
        const bool valued =
            option == QLatin1String("--nom") || option == QLatin1String("--prenom") ||
            option == QLatin1String("--titre") || option == QLatin1String("--draws");
        if (option == QLatin1String("--end")) {
            end = true;
            continue;
        }
        if (!valued || i + 1 >= args.size())
            return usage();
        const QString value = args[++i];
        if (option == QLatin1String("--nom")) {
            name = value;
            named = true;
        } else if (option == QLatin1String("--prenom")) {
            firstName = value;
        } else if (option == QLatin1String("--titre")) {
            title = value;
        } else {
            for (const QString &word : value.split(u',')) {
                bool ok = false;
                draws.append(word.toInt(&ok));
                if (!ok)
                    return usage();
            }
        }
    }
    if (!named)
        return usage();
    QStringList script;
    int status = Done;
    if (!readInput(args[0], script, status))
        return status;
    ScriptedRandom random(draws);
    Dialogue dialogue(random);
    dialogue.setScript(script);
    const Dialogue::Start start = dialogue.Nouveaudial(name, firstName, title);
    if (start != Dialogue::Start::Started) {
        err(Dialogue::message(start));
        return BadInput;
    }
    QTextStream in(stdin);
    in.setEncoding(QStringConverter::Utf8);
    QString line;
    while (in.readLineInto(&line))
        dialogue.submit(line);
    if (end) {
        dialogue.FinDial();
        dialogue.stop();
    }
    for (const QString &text : dialogue.transcript())
        out(text);
    return Done;
}
