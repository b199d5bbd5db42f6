#include "app/commandtable.h"

#include "app/tmainform.h"

namespace {

Command separator(Place place) {
    return {place, nullptr, {}, {}};
}

} // namespace

Page pageOf(Kind kind) {
    return Page(1 << int(kind));
}

const QList<TopMenu> &menuTable() {
    static const QList<TopMenu> menus = {
        {Place::Fichier, "menuFichier", QStringLiteral("&Fichier"), 3},
        // "&Ediiton": the spelling users know, kept on purpose.
        {Place::Edition, "menuEdition", QStringLiteral("&Ediiton"), 4},
        {Place::Base, "menuBase", QStringLiteral("&Base"), 5},
        {Place::Selection, "menuSelection", QStringLiteral("&Sélection"), 6},
        {Place::Outils, "menuOutils", QStringLiteral("&Outils"), 7},
        {Place::Parametres, "menuParametres", QStringLiteral("&Paramètres"), 8},
        {Place::Utilitaires, "menuUtilitaires", QStringLiteral("&Utilitaires"), 9},
        {Place::Aide, "menuAide", QStringLiteral("&Aide"), 10},
    };
    return menus;
}

const QList<Command> &commandTable() {
    using F = TMainForm;
    using enum Place;
    using enum Glyph;
    static const QList<Command> commands = {
        // clang-format off
        {Fichier, "actionNouveau", QStringLiteral("&Nouveau"), QStringLiteral("Nouveau fichier"), &F::Nouveau1Click},
        {Fichier, "actionOuvrir", QStringLiteral("&Ouvrir..."), QStringLiteral("Ouvrir un fichier"), &F::OpenItemClick},
        {Fichier, "actionEnregistrer", QStringLiteral("&Enregistrer"), QStringLiteral("Enregistrer le fichier en cours"), &F::SaveItemClick, false, true},
        {Fichier, "actionEnregistrerSous", QStringLiteral("Enregistrer &sous..."), {}, &F::Enregistrersous1Click, false, true},
        {.place = Fichier, .name = "menuImprimer", .caption = QStringLiteral("&Imprimer..."), .hint = QStringLiteral("Imprimer"), .enabled = false, .needsDataSet = true, .opensSubmenu = true},
        {.place = Fichier, .name = "actionListeSocietes", .caption = QStringLiteral("&Liste des sociétés..."), .hint = QStringLiteral("Imprime listing d'adresses"), .handler = &F::printCompanyList, .submenu = "menuImprimer"},
        {.place = Fichier, .name = "actionEnveloppes", .caption = QStringLiteral("&Enveloppes"), .hint = QStringLiteral("Imprimer enveloppes à partir du fichier"), .handler = &F::printEnvelopes, .submenu = "menuImprimer"},
        {.place = Fichier, .name = "menuApercu", .caption = QStringLiteral("Aperçu avant impression"), .hint = QStringLiteral("Aperçu avant impression"), .enabled = false, .needsDataSet = true, .opensSubmenu = true},
        {.place = Fichier, .name = "actionApercuFiche", .caption = QStringLiteral("Fiche courante"), .hint = QStringLiteral("Aperçu de la fiche courante"), .handler = &F::previewCard, .enabled = false, .needsDataSet = true, .submenu = "menuApercu"},
        {.place = Fichier, .name = "actionApercuEnveloppe", .caption = QStringLiteral("Enveloppe courante"), .hint = QStringLiteral("Aperçu de l'enveloppe courante"), .handler = &F::previewEnvelope, .enabled = false, .needsDataSet = true, .tabs = Page::Company | Page::DayAction, .submenu = "menuApercu"},
        {.place = Fichier, .name = "actionApercuListe", .caption = QStringLiteral("Liste des sociétés..."), .hint = QStringLiteral("Aperçu du listing d'adresses"), .handler = &F::previewCompanyList, .submenu = "menuApercu"},
        {.place = Fichier, .name = "actionApercuEnveloppes", .caption = QStringLiteral("Enveloppes..."), .hint = QStringLiteral("Aperçu des enveloppes à partir du fichier"), .handler = &F::previewEnvelopes, .submenu = "menuApercu"},
        {.place = Fichier, .name = "actionMiseEnPage", .caption = QStringLiteral("&Mise en page..."), .hint = QStringLiteral("Mise en page"), .handler = &F::setUpPage},
        // "Confuguration": the spelling users know, kept on purpose.
        {.place = Fichier, .name = "actionConfigurerImprimante", .caption = QStringLiteral("&Configurer l'imprimante..."), .hint = QStringLiteral("Confuguration de l'imprimante"), .handler = &F::setUpPrinter},
        {Fichier, "actionImporter", QStringLiteral("I&mporter..."), QStringLiteral("Importer fichier"), &F::importCompanies},
        {Fichier, "actionExporter", QStringLiteral("E&xporter..."), QStringLiteral("Exporter fichier"), &F::exportCompanies, false, true},
        {Fichier, "actionExporterAgenda", QStringLiteral("Exporter l'&agenda..."), QStringLiteral("Exporter les actions vers un agenda (iCalendar)"), &F::exportCalendar, false, true},
        separator(Fichier),
        {Fichier, "actionQuitter", QStringLiteral("&Quitter"), QStringLiteral("Quitter l'application"), &F::ExitItemClick, true, false, {}, 0, false, false, QKeySequence(Qt::ALT | Qt::Key_X)},

        {Edition, "actionCopier", QStringLiteral("C&opier"), QStringLiteral("Copier"), &F::copyAddress, false, true},
        {Edition, "actionColler", QStringLiteral("Co&ller"), QStringLiteral("Coller"), &F::pasteAddress, false, true},
        separator(Edition),
        {.place = Edition, .name = "actionRechercheSociete", .caption = QStringLiteral("Recherche &Société..."), .hint = QStringLiteral("Recherche par nom"), .handler = &F::findCompanyByName, .enabled = false, .needsDataSet = true, .tabs = Page::Company},
        // "Télephone": the spelling users know, kept on purpose.
        {.place = Edition, .name = "actionRechercheTelephone", .caption = QStringLiteral("Recherche &Télephone..."), .hint = QStringLiteral("Recherche par téléphone"), .handler = &F::findCompanyByPhone, .enabled = false, .needsDataSet = true, .tabs = Page::Company},
        {.place = Edition, .name = "actionRechercheNumero", .caption = QStringLiteral("Recherche Numéro &fiche..."), .hint = QStringLiteral("Recherche par numéro de fiche"), .handler = &F::findCompanyByCode, .enabled = false, .needsDataSet = true, .tabs = Page::Company},
        {.place = Edition, .name = "actionRechercheDecideur", .caption = QStringLiteral("Recherche nom &décideur..."), .hint = QStringLiteral("Recherche par nom de décideur"), .handler = &F::findCompanyByContact, .enabled = false, .needsDataSet = true, .tabs = Page::Company},
        {.place = Edition, .name = "actionTrier", .caption = QStringLiteral("&Trier..."), .hint = QStringLiteral("Trier les fiches"), .handler = &F::sortCompanies, .enabled = false, .needsDataSet = true, .tabs = Page::Company},
        separator(Edition),
        {.place = Edition, .name = "actionRechercheResume", .caption = QStringLiteral("Rechercher &résumé..."), .hint = QStringLiteral("Rechercher résumé opération"), .handler = &F::findOperationBySummary, .enabled = false, .tabs = Page::Operation},
        {.place = Edition, .name = "actionTrierOperations", .caption = QStringLiteral("Trier &opérations..."), .hint = QStringLiteral("Trier opérations"), .handler = &F::sortOperations, .enabled = false, .tabs = Page::Operation},
        separator(Edition),
        {.place = Edition, .name = "actionRechercheAction", .caption = QStringLiteral("Rechercher &action..."), .hint = QStringLiteral("Rechercher action"), .handler = &F::findDayAction, .enabled = false, .tabs = Page::DayAction},
        {.place = Edition, .name = "actionTrierJournees", .caption = QStringLiteral("Trier &journées..."), .hint = QStringLiteral("Trier journées"), .handler = &F::sortDayActions, .enabled = false, .tabs = Page::DayAction},

        {Base, "actionSocietes", QStringLiteral("&Sociétés"), QStringLiteral("Fiche contacts"), &F::showCompanies},
        {Base, "actionOperations", QStringLiteral("&Opérations"), QStringLiteral("Fiche opérations"), &F::showOperations, true, false, Page::Company | Page::DayAction},
        {Base, "actionJournee", QStringLiteral("&Journée"), QStringLiteral("Actions à faire"), &F::showDayActions, true, false, Page::Company | Page::Operation},
        {Base, "actionEntretien", QStringLiteral("&Entretien"), QStringLiteral("Préparation à l'entretien"), &F::startInterview},
        separator(Base),
        {Base, "actionPrecedent", QStringLiteral("&Précédent                  PgUp"), QStringLiteral("Fiche précédente"), &F::showPreviousRecord, false, true},
        {Base, "actionSuivant", QStringLiteral("Sui&vant                        PgDn"), QStringLiteral("Fiche suivante"), &F::showNextRecord, false, true},
        {Base, "actionPremier", QStringLiteral("P&remier"), QStringLiteral("Première fiche"), &F::showFirstRecord, false, true},
        {Base, "actionDernier", QStringLiteral("&Dernier"), QStringLiteral("Dernière fiche"), &F::showLastRecord, false, true},
        separator(Base),
        {Base, "actionNouvelleFiche", QStringLiteral("&Nouvelle fiche"), QStringLiteral("Nouvelle fiche"), &F::addRecord},
        {Base, "actionSupprimerFiche", QStringLiteral("S&upprimer fiche"), QStringLiteral("Supprimer fiche"), &F::deleteRecord, false, true},
        // "&Listre": the spelling users know, kept on purpose.
        {.place = Base, .name = "actionListe", .caption = QStringLiteral("&Listre                           F2"), .hint = QStringLiteral("Liste des contacts"), .handler = &F::showRecordList, .enabled = false, .needsDataSet = true},
        {.place = Base, .name = "actionImprimerFiche", .caption = QStringLiteral("&Imprimer fiche"), .hint = QStringLiteral("Imprimer fiche courante"), .handler = &F::printCard, .enabled = false, .needsDataSet = true},

        {Selection, "actionToutesSocietes", QStringLiteral("&Toutes les fiches"), QStringLiteral("Montrer toutes les fiches"), &F::Touteslesfiches1Click, false, true, Page::Company, 1, true, true},
        {Selection, "actionCodePostal", QStringLiteral("&Code postal..."), QStringLiteral("Montrer par code postal"), &F::selectByPostalCode, false, true, Page::Company, 1, true},
        {Selection, "actionVille", QStringLiteral("&Ville..."), QStringLiteral("Montrer par ville"), &F::selectByTown, false, true, Page::Company, 1, true},
        separator(Selection),
        {Selection, "actionToutesOperations", QStringLiteral("Toutes &les fiches"), QStringLiteral("Afficher toutes les fiches"), &F::selectAllOperations, false, false, Page::Operation | Page::DayAction, 2, true, true},
        {Selection, "actionType", QStringLiteral("&Type..."), QStringLiteral("Afficher type d'opération"), &F::selectByOperationType, false, false, Page::Operation | Page::DayAction, 2, true},
        separator(Selection),
        {Selection, "actionToutesJournees", QStringLiteral("Toutes les fiches"), QStringLiteral("Montrer toutes les fiches"), &F::selectAllDayActions, false, false, Page::DayAction, 3, true, true},
        {Selection, "actionActionsDuJour", QStringLiteral("&Actions du jour..."), QStringLiteral("Montrer les choses à faire"), &F::selectActionsOfDay, false, false, Page::DayAction, 3, true},

        {Outils, "actionTraitementTexte", QStringLiteral("&Traitement de texte"), QStringLiteral("Traitement de texte"), &F::openWordProcessor, false, true},
        {.place = Outils, .name = "actionEnveloppeCourante", .caption = QStringLiteral("&Enveloppe courante"), .hint = QStringLiteral("Imprimer enveloppe"), .handler = &F::printEnvelope, .enabled = false, .needsDataSet = true, .tabs = Page::Company | Page::DayAction},
        // "activiré": the spelling users know, kept on purpose.
        {Outils, "actionRapportActivite", QStringLiteral("&Rapport d'activité"), QStringLiteral("Rapport d'activiré"), &F::showActivityReport, false, true},
        {Outils, "actionPlanning", QStringLiteral("&Planning"), QStringLiteral("Planning des relances"), &F::showFollowUpPlanning, false, true},
        {Outils, "actionAFaire", QStringLiteral("À &faire..."), QStringLiteral("Ce qui est à faire aujourd'hui"), &F::showTodo, false, true},
        {Outils, "actionStatsOperations", QStringLiteral("&Stats opérations"), QStringLiteral("Statistiques sur les opérations"), &F::showOperationStats, false, true},
        {Outils, "actionOutilsEntretien", QStringLiteral("E&ntretien"), QStringLiteral("Simulation d'un entretien"), &F::startInterview, false, true},
        {Outils, "actionCurriculum", QStringLiteral("&Curriculum vitae"), QStringLiteral("Préparation du CV"), &F::writeCv, false, true},

        {Parametres, "actionIdentite", QStringLiteral("&Identité"), QStringLiteral("Identification de la société"), &F::editIdentity},
        {Parametres, "actionActivite", QStringLiteral("&Activité"), QStringLiteral("Secteur d'activité de la société"), &F::editActivities},
        {Parametres, "actionTypeOperation", QStringLiteral("&Type d'opération"), QStringLiteral("Types d'opération"), &F::editOperationTypes},
        {Parametres, "actionVousDecrire", QStringLiteral("&Vous décrire"), QStringLiteral("Eléments pour votre CV"), &F::editProfile},
        separator(Parametres),
        {Parametres, "actionOuvrirAuto", QStringLiteral("&Ouvrir automatiquement"), QStringLiteral("Ouvrir le fichier en cours automatiquement"), &F::Ouvrirautomatiquement1Click, true, false, {}, 0, true},

        {Utilitaires, "actionCalendrier", QStringLiteral("&Calendrier"), QStringLiteral("Calendrier"), &F::showCalendar},
        {Utilitaires, "actionCalculatrice", QStringLiteral("C&alculatrice"), QStringLiteral("Calculatrice"), &F::showCalculator},
        {Utilitaires, "actionHorloge", QStringLiteral("&Horloge"), QStringLiteral("Horloge"), &F::showClock},
        // "&Euto": the spelling users know, kept on purpose.
        {Utilitaires, "actionEuro", QStringLiteral("&Euto conversion"), QStringLiteral("Convertisseur euro"), &F::showEuroConverter},
        {Utilitaires, "actionBlocNotes", QStringLiteral("&Bloc-notes"), QStringLiteral("Blocnotes"), &F::showNotepad},
        {Utilitaires, "actionDepartements", QStringLiteral("&Départements"), QStringLiteral("Liste des départements"), &F::showDepartments},
        {Utilitaires, "actionPeseLettres", QStringLiteral("&Pèse lettres"), QStringLiteral("Pèse-Lettres"), &F::showLetterScale},
        {Utilitaires, "actionPrenoms", QStringLiteral("P&rénoms"), QStringLiteral("Liste des prénoms"), &F::showFirstNames},
        {Utilitaires, "actionCodesActivite", QStringLiteral("C&odes activité"), QStringLiteral("Les codes APE des sociétés"), &F::showActivityCodes},

        // "d el'aide": the spelling users know, kept on purpose.
        {Aide, "actionIndex", QStringLiteral("&Index"), QStringLiteral("Sommaire d el'aide"), &F::showHelpContents},
        {Aide, "actionRechercher", QStringLiteral("&Rechercher"), QStringLiteral("Rechercher dans l'aide"), &F::searchHelp},
        {Aide, "actionUtiliserAide", QStringLiteral("&Utiliser l'aide"), QStringLiteral("Comment utiliser l'aide"), &F::showHelpOnHelp},
        separator(Aide),
        {Aide, "actionAPropos", QStringLiteral("&A propos"), QStringLiteral("Informations sur le programme, la version"), &F::About1Click},

        {Tools, "toolNouveau", QStringLiteral("Nouveau fichier"), {}, &F::Nouveau1Click, true, false, {}, 0, false, false, {}, NewFile},
        {Tools, "toolOuvrir", QStringLiteral("Ouvrir"), {}, &F::OpenItemClick, true, false, {}, 0, false, false, {}, Open},
        {Tools, "toolEnregistrer", QStringLiteral("Enregistrer"), {}, &F::SaveItemClick, false, true, {}, 0, false, false, {}, Save},
        separator(Tools),
        {Tools, "toolCopier", QStringLiteral("Copier"), {}, &F::copyAddress, false, true, {}, 0, false, false, {}, Copy},
        {Tools, "toolColler", QStringLiteral("Coller"), {}, &F::pasteAddress, false, true, {}, 0, false, false, {}, Paste},
        separator(Tools),
        {Tools, "toolPremier", QStringLiteral("Premier"), {}, &F::showFirstRecord, false, true, {}, 0, false, false, {}, First},
        {Tools, "toolPrecedent", QStringLiteral("Précédent"), {}, &F::showPreviousRecord, false, true, {}, 0, false, false, {}, Previous},
        {Tools, "toolSuivant", QStringLiteral("Suivant"), {}, &F::showNextRecord, false, true, {}, 0, false, false, {}, Next},
        {Tools, "toolDernier", QStringLiteral("Dernier"), {}, &F::showLastRecord, false, true, {}, 0, false, false, {}, Last},
        separator(Tools),
        {Tools, "toolNouvelleFiche", QStringLiteral("Nouvelle fiche"), {}, &F::addRecord, true, true, {}, 0, false, false, {}, NewRecord},
        separator(Tools),
        {Tools, "toolSocietes", QStringLiteral("Sociétés"), {}, &F::showCompanies, true, false, Page::Operation | Page::DayAction, 0, false, false, {}, Companies},
        {Tools, "toolOperations", QStringLiteral("Opérations"), {}, &F::showOperations, true, false, Page::Company | Page::DayAction, 0, false, false, {}, Operations},
        {Tools, "toolJournee", QStringLiteral("Journée"), {}, &F::showDayActions, true, false, Page::Company | Page::Operation, 0, false, false, {}, DayActions},
        {Tools, "toolEntretien", QStringLiteral("Entretien"), {}, &F::startInterview, true, false, {}, 0, false, false, {}, Interview},
        {Tools, "toolAFaire", QStringLiteral("À faire"), {}, &F::showTodo, false, true, {}, 0, false, false, {}, Checklist},
        separator(Tools),
        {.place = Tools, .name = "toolImprimerFiche", .caption = QStringLiteral("Imprimer fiche"), .hint = {}, .handler = &F::printCard, .enabled = false, .needsDataSet = true, .glyph = Printer},
        {.place = Tools, .name = "toolImprimerEnveloppe", .caption = QStringLiteral("Imprimer enveloppe"), .hint = {}, .handler = &F::printEnvelope, .enabled = false, .needsDataSet = true, .tabs = Page::Company | Page::DayAction, .glyph = Envelope},
        // clang-format on
    };
    return commands;
}
