#include "profile/tmoi.h"

#include "common/dialogs.h"
#include "common/fixedframe.h"
#include "store/records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Qt's mask letters: 0 an optional digit, 9 a required one.
const QString DateMask = QStringLiteral("00/00/9999");

const char *const IdentityNames[] = {
    "editNom",     "editAdresse1", "editAdresse2", "editCodePostal", "editVille",
    "editTel1",    "editTel2",     "editEmail",    "editNaissance",  "editAge",
    "editFamille", "editEnfants",  "editMilitaire"};
const char *const EmployerNames[] = {"editSociete", "editActivite", "editAdresse", "editCodePostal",
                                     "editVille",   "editPoste",    "editService"};

QLabel *wrapped(const QString &text) {
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

TMoi::TMoi(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("moi"));
    setWindowTitle(QStringLiteral("Mon profil"));
    setFixedFrame(this);
    // Building the fields is no edit.
    m_filling = true;

    auto *close = new QPushButton(QStringLiteral("Fermer"));
    close->setObjectName(QStringLiteral("buttonFermer"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(close);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabs"));
    // Every tab's name in sight.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->addTab(identityTab(), QStringLiteral("Identité"));
    m_tabs->addTab(formationTab(), QStringLiteral("Formation"));
    m_tabs->addTab(employerTab(), QStringLiteral("Employeurs"));
    m_tabs->addTab(skillsTab(), QStringLiteral("Compétences"));
    m_tabs->addTab(knowledgeTab(), QStringLiteral("Connaissances"));
    m_tabs->addTab(characteristicsTab(), QStringLiteral("Caractéristiques"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Buttons of a tab never close the window on Enter.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    fill();
    m_filling = false;
}

QLineEdit *TMoi::edit(const QString &name, bool onEmployer) {
    auto *e = new QLineEdit;
    e->setObjectName(name);
    connect(e, &QLineEdit::textChanged, this, onEmployer ? &TMoi::employerEdited : &TMoi::edited);
    return e;
}

QLineEdit *TMoi::dateEdit(const QString &name, bool onEmployer) {
    QLineEdit *e = edit(name, onEmployer);
    e->setInputMask(DateMask);
    e->setFixedWidth(90);
    e->installEventFilter(this);
    return e;
}

QSpinBox *TMoi::rating(const QString &name, int low, int high) {
    auto *spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setFixedWidth(60);
    connect(spin, &QSpinBox::valueChanged, this, &TMoi::edited);
    return spin;
}

QWidget *TMoi::identityTab() {
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_title = new QComboBox;
    m_title->setObjectName(QStringLiteral("comboTitre"));
    m_title->setEditable(true);
    m_title->setInsertPolicy(QComboBox::NoInsert);
    m_title->addItems(
        {QStringLiteral("Monsieur"), QStringLiteral("Madame"), QStringLiteral("Mademoiselle")});
    connect(m_title, &QComboBox::currentTextChanged, this, &TMoi::edited);
    grid->addWidget(new QLabel(Profile::IdentityLabels[0]), 0, 0);
    grid->addWidget(m_title, 0, 1, Qt::AlignLeft);
    for (int k = 1; k < Profile::IdentityCount; ++k) {
        const QString name = QLatin1String(IdentityNames[k - 1]);
        QLineEdit *e = k == 9 ? dateEdit(name) : edit(name);
        if (k != 9)
            e->setMinimumWidth(k == 4 || k >= 10 ? 120 : 300);
        m_identity[k - 1] = e;
        auto *label = new QLabel(Profile::IdentityLabels[k]);
        label->setBuddy(e);
        grid->addWidget(label, k, 0);
        grid->addWidget(e, k, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget *TMoi::formationTab() {
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Année")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Intitulé de la formation")), 0, 1);
    for (int r = 0; r < 5; ++r) {
        m_formation[2 * r] = edit(QStringLiteral("editAnnee%1").arg(r + 1));
        m_formation[2 * r]->setFixedWidth(70);
        m_formation[2 * r + 1] = edit(QStringLiteral("editFormation%1").arg(r + 1));
        m_formation[2 * r + 1]->setMinimumWidth(360);
        grid->addWidget(m_formation[2 * r], r + 1, 0);
        grid->addWidget(m_formation[2 * r + 1], r + 1, 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Langue")), 6, 0);
    grid->addWidget(new QLabel(QStringLiteral("Niveau")), 6, 1);
    for (int r = 0; r < 4; ++r) {
        const int k = Profile::LanguageRow + 2 * r;
        m_formation[k] = edit(QStringLiteral("editLangue%1").arg(r + 1));
        m_formation[k]->setFixedWidth(120);
        m_formation[k + 1] = edit(QStringLiteral("editNiveauLangue%1").arg(r + 1));
        grid->addWidget(m_formation[k], r + 7, 0);
        grid->addWidget(m_formation[k + 1], r + 7, 1);
    }
    m_divers = new QPlainTextEdit;
    m_divers->setObjectName(QStringLiteral("memoDivers"));
    m_divers->setFixedHeight(80);
    m_divers->setTabChangesFocus(true);
    connect(m_divers, &QPlainTextEdit::textChanged, this, &TMoi::edited);
    grid->addWidget(new QLabel(QStringLiteral("Divers")), 11, 0, 1, 2);
    grid->addWidget(m_divers, 12, 0, 1, 2);
    return page;
}

QToolButton *TMoi::employerButton(const char *name, const QString &hint, const QString &text) {
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setFixedWidth(32);
    return button;
}

QWidget *TMoi::employerTab() {
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    int row = 0;
    for (int k = 0; k < 7; ++k) {
        m_employer[k] = edit(QLatin1String(EmployerNames[k]), true);
        m_employer[k]->setMinimumWidth(k == 3 ? 80 : 300);
        grid->addWidget(new QLabel(Profile::EmployerLabels[k]), row, 0);
        grid->addWidget(m_employer[k], row++, 1, 1, 3, Qt::AlignLeft);
    }
    m_entry = dateEdit(QStringLiteral("editEntree"), true);
    m_leaving = dateEdit(QStringLiteral("editSortie"), true);
    grid->addWidget(new QLabel(Profile::EmployerLabels[7]), row, 0);
    grid->addWidget(m_entry, row, 1);
    grid->addWidget(new QLabel(Profile::EmployerLabels[8]), row, 2, Qt::AlignRight);
    grid->addWidget(m_leaving, row++, 3);
    m_stillEmployed = new QCheckBox(QStringLiteral("Toujours en poste"));
    m_stillEmployed->setObjectName(QStringLiteral("checkToujours"));
    connect(m_stillEmployed, &QCheckBox::toggled, this, &TMoi::employerEdited);
    grid->addWidget(m_stillEmployed, row++, 1, 1, 3);
    m_responsibilities = new QPlainTextEdit;
    m_responsibilities->setObjectName(QStringLiteral("memoResponsabilites"));
    m_responsibilities->setFixedHeight(90);
    // Tab goes on to the next field: a tab character has no place in the note.
    m_responsibilities->setTabChangesFocus(true);
    connect(m_responsibilities, &QPlainTextEdit::textChanged, this, &TMoi::employerEdited);
    grid->addWidget(new QLabel(QStringLiteral("Responsabilités")), row++, 0, 1, 4);
    grid->addWidget(m_responsibilities, row++, 0, 1, 4);

    QToolButton *previous = employerButton("buttonPrecedent", QStringLiteral("Précédent"), "<");
    QToolButton *next = employerButton("buttonSuivant", QStringLiteral("Suivant"), ">");
    QToolButton *add = employerButton("buttonNouvelle", QStringLiteral("Nouvelle fiche"), "+");
    QToolButton *remove =
        employerButton("buttonSupprimer", QStringLiteral("supprimer fiche"), QStringLiteral("−"));
    m_position = new QLabel;
    m_position->setObjectName(QStringLiteral("labelPosition"));
    auto *buttons = new QHBoxLayout;
    for (QToolButton *b : {previous, next, add, remove})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(m_position);
    buttons->addStretch();
    grid->addLayout(buttons, row++, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    connect(previous, &QToolButton::clicked, this, [this] {
        m_profile.previous();
        LitFiche();
    });
    connect(next, &QToolButton::clicked, this, [this] {
        m_profile.next();
        LitFiche();
    });
    connect(add, &QToolButton::clicked, this, [this] {
        if (!m_profile.newEmployer())
            Dialogs::instance().message(this, QStringLiteral("Le fichier est plein"));
        LitFiche();
        // The button takes no focus: the caret would stay where it was.
        m_employer[0]->setFocus();
    });
    connect(remove, &QToolButton::clicked, this, [this] {
        m_profile.deleteEmployer();
        LitFiche();
    });
    return page;
}

QWidget *TMoi::skillsTab() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        wrapped(QStringLiteral("Indiquer une note comprise entre 0 et 10 en regard de chaque "
                               "compétence en vous basant sur votre expérience professionnelle")));
    auto *grid = new QGridLayout;
    for (int k = 0; k < Profile::SkillCount; ++k) {
        m_skills[k] = rating(QStringLiteral("spinCompetence%1").arg(k + 1), 0, 10);
        grid->addWidget(new QLabel(Profile::SkillLabels[k]), k % 7, 2 * (k / 7));
        grid->addWidget(m_skills[k], k % 7, 2 * (k / 7) + 1);
    }
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *TMoi::knowledgeTab() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    // "l'ctivité", "a vos diférents": the spelling users know, kept on purpose.
    for (const QString &text :
         {QStringLiteral("Vos connaissances liées à l'ctivité de vos différents employeurs"),
          QStringLiteral("Vos connaissances liées a vos diférents postes"),
          QStringLiteral("Vos connaissances issues de vos formations"),
          QStringLiteral("Vos connaissances issues de vos activités extra-professionnelles")})
        layout->addWidget(wrapped(text));
    m_field = new QComboBox;
    m_field->setObjectName(QStringLiteral("comboConnaissances"));
    m_field->setEditable(true);
    m_field->setInsertPolicy(QComboBox::NoInsert);
    m_field->addItems({"Gestion générale", "Pharmacie", "Médecine", "Gestion qualité", "Arts",
                       "Encadrement", "Agronomie", "Environnement écologie", "Biologie animale",
                       "Informatique industrielle", "Informatique gestion", "Production", "Chimie",
                       "Animation d'équipes", "Pilotage de machines numériques",
                       "Informatique bureautique", "Organisation", "Communication",
                       "Mathématiques"});
    m_field->setCurrentIndex(-1);
    m_field->setMinimumWidth(240);
    m_level = new QComboBox;
    m_level->setObjectName(QStringLiteral("comboNiveau"));
    m_level->addItems(
        {QStringLiteral("Initiation"), QStringLiteral("Pratique"), QStringLiteral("Maîtrise")});
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("buttonOk"));
    connect(ok, &QPushButton::clicked, this, &TMoi::addKnowledge);
    auto *choice = new QGridLayout;
    choice->addWidget(new QLabel(QStringLiteral("Connaissances")), 0, 0);
    choice->addWidget(new QLabel(QStringLiteral("Niveau")), 0, 1);
    choice->addWidget(m_field, 1, 0);
    choice->addWidget(m_level, 1, 1);
    choice->addWidget(ok, 1, 2);
    layout->addLayout(choice);
    m_knowledge = new QListWidget;
    m_knowledge->setObjectName(QStringLiteral("listConnaissances"));
    m_knowledge->installEventFilter(this);
    layout->addWidget(m_knowledge);
    return page;
}

QWidget *TMoi::characteristicsTab() {
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    for (int k = 0; k < Profile::CharacteristicCount; ++k) {
        m_characteristics[k] = rating(QStringLiteral("spinCaracteristique%1").arg(k + 1), 1, 4);
        grid->addWidget(new QLabel(Profile::CharacteristicLabels[k]), k % 12, 2 * (k / 12));
        grid->addWidget(m_characteristics[k], k % 12, 2 * (k / 12) + 1);
    }
    return page;
}

bool TMoi::Init(const QStringList &lines, QString *error) {
    Profile profile;
    if (!profile.Init(lines, error))
        return false;
    m_profile = std::move(profile);
    fill();
    return true;
}

void TMoi::fill() {
    const bool filling = m_filling;
    m_filling = true;
    m_title->setEditText(m_profile.identity[0]);
    for (int k = 1; k < Profile::IdentityCount; ++k)
        m_identity[k - 1]->setText(m_profile.identity[k]);
    for (int k = 0; k < Profile::FormationCount; ++k)
        m_formation[k]->setText(m_profile.formation[k]);
    m_divers->setPlainText(TextLines::toText(m_profile.divers));
    for (int k = 0; k < Profile::SkillCount; ++k)
        m_skills[k]->setValue(m_profile.skills[k]);
    m_knowledge->clear();
    m_knowledge->addItems(m_profile.knowledge);
    for (int k = 0; k < Profile::CharacteristicCount; ++k)
        m_characteristics[k]->setValue(m_profile.characteristics[k]);
    m_filling = filling;
    LitFiche();
}

void TMoi::LitFiche() {
    const bool filling = m_filling;
    m_filling = true;
    const Employer &e = m_profile.employer();
    const QString *fields[] = {&e.company, &e.activity, &e.address,   &e.postalCode,
                               &e.town,    &e.position, &e.department};
    for (int k = 0; k < 7; ++k)
        m_employer[k]->setText(*fields[k]);
    m_entry->setText(e.entry);
    m_leaving->setText(e.leaving);
    m_stillEmployed->setChecked(e.stillEmployed);
    m_responsibilities->setPlainText(TextLines::toText(e.responsibilities));
    m_position->setText(m_profile.indicator());
    m_filling = filling;
}

void TMoi::edited() {
    if (!m_filling)
        m_profile.markChanged();
}

void TMoi::employerEdited() {
    if (m_filling)
        return;
    Employer e = m_profile.employer();
    QString *fields[] = {&e.company, &e.activity, &e.address,   &e.postalCode,
                         &e.town,    &e.position, &e.department};
    for (int k = 0; k < 7; ++k)
        *fields[k] = m_employer[k]->text();
    // The mask's blanks are what the file keeps for an untyped date.
    e.entry = m_entry->displayText();
    e.leaving = m_leaving->displayText();
    e.stillEmployed = m_stillEmployed->isChecked();
    e.responsibilities = TextLines::fromText(m_responsibilities->toPlainText());
    m_profile.setEmployer(e);
}

void TMoi::addKnowledge() {
    m_profile.addKnowledge(m_field->currentText(), m_level->currentText());
    m_knowledge->addItem(m_profile.knowledge.constLast());
}

void TMoi::removeKnowledge() {
    QListWidgetItem *item = m_knowledge->currentItem();
    if (!item || !item->isSelected())
        return;
    m_profile.removeKnowledge(m_knowledge->row(item));
    delete item;
}

void TMoi::collect() {
    m_profile.identity[0] = m_title->currentText();
    for (int k = 1; k < Profile::IdentityCount; ++k)
        m_profile.identity[k] =
            k == 9 ? m_identity[k - 1]->displayText() : m_identity[k - 1]->text();
    for (int k = 0; k < Profile::FormationCount; ++k)
        m_profile.formation[k] = m_formation[k]->text();
    m_profile.divers = TextLines::fromText(m_divers->toPlainText());
    for (int k = 0; k < Profile::SkillCount; ++k)
        m_profile.skills[k] = m_skills[k]->value();
    for (int k = 0; k < Profile::CharacteristicCount; ++k)
        m_profile.characteristics[k] = m_characteristics[k]->value();
}

std::optional<QStringList> TMoi::Result() {
    collect();
    return m_profile.Result();
}

void TMoi::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_tabs->setCurrentIndex(0);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TMoi::eventFilter(QObject *watched, QEvent *event) {
    // A click in an untyped date starts typing at its first digit, not where the
    // mouse happened to land.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *date = qobject_cast<QLineEdit *>(watched);
        if (date && !date->inputMask().isEmpty() &&
            !date->displayText().contains(QRegularExpression(QStringLiteral("\\d"))))
            date->setCursorPosition(0);
    }
    if (watched == m_knowledge && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        removeKnowledge();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
