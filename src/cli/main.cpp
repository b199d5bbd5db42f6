// tavrin-cli: the program's capabilities without a window. This file only
// dispatches; each family of verbs has its own file.
#include "cli.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

// One row per verb, in the order the usage text lists them.
const CliVerb verbs[] = {
    {"check", "check FICHIER.tvr [--write]", checkVerb},
    {"show", "show FICHIER.tvr societe|operation|journee N", showVerb},
    {"export", "export FICHIER.tvr txt|csv|xml SORTIE", exportVerb},
    {"import", "import FICHIER.tvr ENTREE [--write]", importVerb},
    {"search",
     "search FICHIER.tvr societe nom|telephone|code|decideur TEXTE\n"
     "search FICHIER.tvr operation resume TEXTE\n"
     "search FICHIER.tvr journee action TEXTE",
     searchVerb},
    {"sort",
     "sort FICHIER.tvr societe nom|code-postal|ville|code|date [--write]\n"
     "sort FICHIER.tvr operation|journee code|date [--write]",
     sortVerb},
    {"list", "list FICHIER.tvr societe|operation|journee", listVerb},
    {"rtf2html", "rtf2html ENTREE.rtf SORTIE", rtf2htmlVerb},
    {"rtf-roundtrip", "rtf-roundtrip ENTREE.rtf SORTIE.rtf", rtfRoundtripVerb, true},
    {"profile", "profile FICHIER [--write SORTIE]", profileVerb},
    {"cv", "cv FICHIER [IDENTITE]", cvVerb},
    {"interview",
     "interview SCRIPT --nom NOM [--prenom PRENOM] [--titre TITRE] [--draws a,b,...] [--end]",
     interviewVerb},
    {"print",
     "print FICHIER.tvr fiche societe|operation|journee N [--pdf SORTIE.pdf | --surface "
     "LxH/LMMxHMM]\n"
     "print FICHIER.tvr enveloppe societe|operation|journee N [--paysage] [--pdf SORTIE.pdf | "
     "--surface LxH/LMMxHMM]\n"
     "print FICHIER.tvr enveloppes DE A [--cp CODE | --ville VILLE] [--pdf SORTIE.pdf | --surface "
     "LxH/LMMxHMM]\n"
     "print FICHIER.tvr liste DE A [--pdf SORTIE.pdf | --surface LxH/LMMxHMM]",
     printVerb, true},
    {"stats", "stats FICHIER.tvr [--graphique]", statsVerb},
    {"report", "report FICHIER.tvr [DU AU]", reportVerb},
    {"planning", "planning FICHIER.tvr [JJ/MM/AAAA]", planningVerb},
    {"todo", "todo FICHIER.tvr [--jour JJ/MM/AAAA] [--delai N]", todoVerb},
    {"ics", "ics FICHIER.tvr SORTIE.ics [--depuis JJ/MM/AAAA]", icsVerb},
    {"pieces", "pieces FICHIER.tvr [CODE]", piecesVerb},
};

} // namespace

int Cli::usage() {
    QString text;
    for (const CliVerb &verb : verbs)
        for (const QString &line : QString::fromUtf8(verb.usage).split(u'\n'))
            text += (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("\n       ")) +
                    QStringLiteral("tavrin-cli ") + line;
    err(text);
    return Usage;
}

int main(int argc, char **argv) {
    // A verb that needs fonts or rich text runs on the offscreen platform
    // unless the user chose one.
    std::unique_ptr<QCoreApplication> application;
    for (const CliVerb &verb : verbs)
        if (argc > 1 && verb.gui && std::strcmp(argv[1], verb.name) == 0) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            application = std::make_unique<QGuiApplication>(argc, argv);
        }
    if (!application)
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Cli::usage();
    const QString name = args.takeFirst();
    for (const CliVerb &verb : verbs)
        if (name == QLatin1String(verb.name))
            return verb.run(args);
    return Cli::usage();
}
