#include "card/tfiche.h"

#include "common/dialogs.h"
#include "followup/todowindow.h"
#include "store/companypage.h"
#include "store/datafile.h"
#include "store/dayactionpage.h"
#include "store/documentlist.h"
#include "store/operationpage.h"
#include "store/tcombo.h"
#include "store/textfile.h"
#include "store/tfcp.h"
#include "store/tjour.h"
#include "store/tlistesoc.h"
#include "store/tsociete.h"
#include "store/tstyp.h"
#include "store/tville.h"
#include "wordproc/ttexte.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

TFiche::TFiche(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fiche"));
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_company = new CompanyPage;
    m_operation = new OperationPage;
    m_dayAction = new DayActionPage;
    m_pages->addWidget(m_company);
    m_pages->addWidget(m_operation);
    m_pages->addWidget(m_dayAction);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    m_data.setMessageHandler([this](const QString &text) {
        // The question that follows a stopped save says it.
        if (m_saving && text.startsWith(DataSet::ChangedOnDiskMessage))
            return;
        Dialogs::instance().message(this, text);
    });

    connect(m_company, &CardPage::edited, this, [this] { m_data.markEdited(Kind::Company); });
    connect(m_operation, &CardPage::edited, this, [this] { m_data.markEdited(Kind::Operation); });
    connect(m_dayAction, &CardPage::edited, this, [this] { m_data.markEdited(Kind::DayAction); });
    connect(m_company, &CompanyPage::followUpRequested, this,
            [this] { addFollowUp(Kind::Company); });
    connect(m_operation, &OperationPage::followUpRequested, this,
            [this] { addFollowUp(Kind::Operation); });
    connect(m_dayAction, &DayActionPage::pickRequested, this, &TFiche::pickCompany);
    connect(m_dayAction, &DayActionPage::validateRequested, this, &TFiche::validateDayAction);
    m_company->documents()->setClock([this] { return m_data.today(); });

    // The navigation keys work from every field of the card.
    installEventFilter(this);
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);

    displayAll();
}

TFiche::~TFiche() {
    delete m_todo;
}

CardPage *TFiche::page(Kind kind) const {
    switch (kind) {
    case Kind::Company:
        return m_company;
    case Kind::Operation:
        return m_operation;
    case Kind::DayAction:
        break;
    }
    return m_dayAction;
}

void TFiche::collect() {
    switch (m_kind) {
    case Kind::Company:
        m_company->collect(m_data.company(), m_data.followUpInput(Kind::Company));
        break;
    case Kind::Operation:
        m_operation->collect(m_data.operation(), m_data.followUpInput(Kind::Operation));
        break;
    case Kind::DayAction:
        m_dayAction->collect(m_data.dayAction());
        break;
    }
}

void TFiche::display(Kind kind) {
    switch (kind) {
    case Kind::Company:
        m_company->display(m_data.company(), m_data.followUpInput(Kind::Company));
        showDocuments();
        break;
    case Kind::Operation:
        m_operation->display(m_data.operation(), m_data.followUpInput(Kind::Operation));
        break;
    case Kind::DayAction:
        m_dayAction->display(m_data.dayAction());
        break;
    }
    Q_EMIT recordChanged(kind);
}

void TFiche::showDocuments() {
    m_company->documents()->showCompany(m_onDisk ? m_data.fileName() : QString(),
                                        m_data.company().code);
}

void TFiche::displayAll() {
    display(Kind::Company);
    display(Kind::Operation);
    display(Kind::DayAction);
}

void TFiche::activate() {
    m_identity.load(QLatin1String(Identity::FileName));
    if (m_settings.load(QLatin1String(Settings::FileName))) {
        m_data.setFileName(m_settings.lastFile);
        m_data.setSelectionMode(Kind::Company, m_settings.selectionMode);
    }
    if (m_lists.load(QLatin1String(ComboLists::FileName))) {
        m_company->setActivities(m_company->activities() + m_lists.activities);
        m_operation->setTypes(m_operation->types() + m_lists.operationTypes);
    }
    if (QFileInfo::exists(QLatin1String(ProfileFileName)))
        m_profile = TextFile::read(QLatin1String(ProfileFileName));
    m_todoFile = QFileInfo(QLatin1String(TodoSettings::FileName)).absoluteFilePath();
    m_todoSettings.load(m_todoFile);
    // The start page, shown by no command.
    showKind(Kind::Company);
    m_company->firstField()->setFocus();
}

bool TFiche::Charge(const QString &fileName) {
    collect();
    const bool loaded = m_data.Charge(fileName);
    m_onDisk = m_onDisk || loaded;
    displayAll();
    if (loaded) {
        setWindowTitle(DataFile::displayName(fileName));
        Q_EMIT dataSetChanged();
    }
    if (m_todo && m_todo->isVisible())
        m_todo->refresh();
    return loaded;
}

bool TFiche::Sauve(const QString &fileName, bool replaceChanged) {
    collect();
    const bool modified = m_data.TestModif();
    const QString before = m_onDisk ? m_data.fileName() : QString();
    m_saving = true;
    const bool saved = m_data.Sauve(fileName, replaceChanged);
    m_saving = false;
    if (modified && saved) {
        m_onDisk = true;
        // Saved under another name: the documents go with the data set.
        if (!before.isEmpty() && QFileInfo(before) != QFileInfo(fileName))
            m_company->documents()->copyLinks(before, fileName);
        showDocuments();
        setWindowTitle(DataFile::displayName(fileName));
    }
    return saved;
}

void TFiche::Nouveau() {
    m_data.Nouveau();
    m_onDisk = false;
    displayAll();
    setWindowTitle(QString());
    Q_EMIT dataSetChanged();
    if (m_todo && m_todo->isVisible())
        m_todo->refresh();
}

void TFiche::showKind(Kind kind) {
    collect();
    m_data.write(m_kind);
    m_kind = kind;
    m_pages->setCurrentIndex(int(kind));
    m_data.read(kind);
    display(kind);
}

void TFiche::showPage(Kind kind) {
    showKind(kind);
    Q_EMIT kindChanged(kind);
}

void TFiche::move(DataSet::Move move) {
    collect();
    if (!m_data.move(m_kind, move))
        return;
    display(m_kind);
    page(m_kind)->firstField()->setFocus();
}

void TFiche::Ajout() {
    collect();
    m_data.Ajout(m_kind);
    display(m_kind);
    page(m_kind)->firstField()->setFocus();
    Q_EMIT dataSetChanged();
}

void TFiche::Supprime() {
    // The card's unsaved changes go with the record.
    m_data.Supprime(m_kind);
    display(m_kind);
}

void TFiche::Copier() {
    if (m_kind != Kind::Company)
        return;
    collect();
    m_data.Copier();
}

void TFiche::Coller() {
    if (m_kind != Kind::Company)
        return;
    collect();
    m_data.Coller();
    display(Kind::Company);
}

void TFiche::addFollowUp(Kind kind) {
    collect();
    m_data.addFollowUp(kind);
    display(kind);
}

void TFiche::pickCompany() {
    TListeSoc picker(this);
    picker.Init(m_data.list(Kind::Company));
    Dialogs::instance().exec(&picker);
    const QString code = picker.Result();
    if (code.isEmpty())
        return;
    collect();
    m_data.pickCompany(code);
    display(Kind::DayAction);
}

void TFiche::validateDayAction() {
    collect();
    m_data.validateDayAction();
    // The company card changed behind the day-action page.
    display(Kind::Company);
    display(Kind::DayAction);
}

void TFiche::SetSel(Selection mode) {
    m_data.setSelectionMode(Kind::Company, mode);
    if (mode == Selection::PostalCode) {
        TFcp dialog(this);
        dialog.Init(m_data.postalCode());
        Dialogs::instance().exec(&dialog);
        if (dialog.isAccepted())
            m_data.setPostalCode(dialog.Result());
    } else if (mode == Selection::Town) {
        TVille dialog(this);
        dialog.Init(m_data.town());
        Dialogs::instance().exec(&dialog);
        if (dialog.isAccepted())
            m_data.setTown(dialog.Result());
    }
}

void TFiche::SetOpr(Selection mode) {
    m_data.setSelectionMode(Kind::Operation, mode);
    if (mode == Selection::Type) {
        TStyp dialog(this);
        dialog.Init(m_operation->types());
        Dialogs::instance().exec(&dialog);
        m_data.setOperationType(dialog.Result());
    }
}

void TFiche::SetJnr(Selection mode) {
    m_data.setSelectionMode(Kind::DayAction, mode);
    if (mode == Selection::Day) {
        TJour dialog(this);
        dialog.Init(m_data.day(), m_data.today());
        Dialogs::instance().exec(&dialog);
        m_data.setDay(dialog.Result());
    }
}

void TFiche::Psoc() {
    TSociete dialog(this);
    dialog.Init(QStringList(m_identity.lines.begin(), m_identity.lines.begin() + 5));
    Dialogs::instance().exec(&dialog);
    const QStringList lines = dialog.Result();
    if (lines.isEmpty() || lines.first().isEmpty())
        return;
    for (int i = 0; i < 5; ++i)
        m_identity.lines[i] = lines.at(i);
}

void TFiche::Activite() {
    TCombo dialog(QStringLiteral("Domaine d'activité"), QStringLiteral("Activité"), this);
    dialog.Init(m_company->activities());
    Dialogs::instance().exec(&dialog);
    m_company->setActivities(dialog.Result());
}

void TFiche::TypeOperation() {
    TCombo dialog(QStringLiteral("Les types d'opérations"), QStringLiteral("Type"), this);
    dialog.Init(m_operation->types());
    Dialogs::instance().exec(&dialog);
    m_operation->setTypes(dialog.Result());
}

void TFiche::TrTexte() {
    TTexte window(this);
    window.Setsoc(m_identity.lines[0], m_identity.lines[1], m_identity.lines[2],
                  m_identity.lines[3]);
    Dialogs::instance().exec(&window);
}

TFiche::Ini TFiche::GetIni() const {
    return {m_settings.autoOpenOn(), m_settings.lastFile, m_settings.selectionMode};
}

void TFiche::SetIni(bool autoOpen) {
    m_settings.autoOpen = autoOpen ? 1 : 0;
}

bool TFiche::saveFile(bool ok, const QString &name, const QString &error, QStringList *failures) {
    if (ok)
        return true;
    if (failures)
        failures->append(name + QStringLiteral(" : ") + error);
    else
        Dialogs::instance().message(this, QStringLiteral("Impossible d'enregistrer le fichier ") +
                                              name + QStringLiteral(" : ") + error);
    return false;
}

bool TFiche::SauveIni(const QString &fileName, QStringList *failures) {
    m_settings.lastFile = fileName;
    m_settings.selectionMode = m_data.selectionMode(Kind::Company);
    const QString name = QLatin1String(Settings::FileName);
    QString error;
    return saveFile(m_settings.save(name, &error), name, error, failures);
}

bool TFiche::SauveSoc(QStringList *failures) {
    const QString name = QLatin1String(Identity::FileName);
    QString error;
    return saveFile(m_identity.save(name, &error), name, error, failures);
}

bool TFiche::SauveCombo(QStringList *failures) {
    m_lists.activities = m_company->activities();
    m_lists.operationTypes = m_operation->types();
    const QString name = QLatin1String(ComboLists::FileName);
    QString error;
    return saveFile(m_lists.save(name, &error), name, error, failures);
}

bool TFiche::SauveMoi(QStringList *failures) {
    const QString name = QLatin1String(ProfileFileName);
    QString error;
    return saveFile(TextFile::write(name, m_profile, &error), name, error, failures);
}

bool TFiche::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    void (TFiche::*action)() = nullptr;
    if (modifiers == Qt::NoModifier && key->key() == Qt::Key_PageDown)
        action = &TFiche::Suivant;
    else if (modifiers == Qt::NoModifier && key->key() == Qt::Key_PageUp)
        action = &TFiche::Precedent;
    else if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Home)
        action = &TFiche::Premier;
    else if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_End)
        action = &TFiche::Dernier;
    else if (modifiers == Qt::NoModifier && key->key() == Qt::Key_F2)
        action = &TFiche::Liste;
    if (!action)
        return QWidget::eventFilter(watched, event);
    (this->*action)();
    return true;
}
