#include "store/dataset.h"

#include "store/blockfield.h"
#include "store/dates.h"
#include "store/recordlines.h"
#include "store/textfile.h"

#include <QFileInfo>

const QString DataSet::AlteredMessage =
    QStringLiteral("Des fichiers ont été altérés\nVérifiez s'il n'y a pas eu perte de données");
const QString DataSet::FullMessage = QStringLiteral("Le fichier est plein");
const QString DataSet::ChangedOnDiskMessage =
    QStringLiteral("Fichiers modifiés sur le disque depuis leur lecture (un autre ordinateur ?) : "
                   "l'enregistrement est arrêté.");

DataSet::DataSet() : m_clock([] { return QDateTime::currentDateTime(); }) {
    m_day = Dates::format(today());
    for (FollowUpInput &input : m_inputs)
        input.date = today();
    Nouveau();
}

void DataSet::setMessageHandler(std::function<void(const QString &)> handler) {
    m_messages = std::move(handler);
}

void DataSet::setClock(std::function<QDateTime()> clock) {
    m_clock = std::move(clock);
}

void DataSet::message(const QString &text) const {
    if (m_messages)
        m_messages(text);
}

void DataSet::markEdited(Kind kind) {
    m_recordModified[idx(kind)] = true;
    m_modified = true;
}

std::array<QString, 3> DataSet::filesOf(const QString &name) {
    const QString stem = name.left(name.size() - 3);
    return {name, stem + QLatin1String("opr"), stem + QLatin1String("jnr")};
}

void DataSet::Synchro() {
    const std::array<QString, 3> files = filesOf(m_fileName);
    m_operationFileName = files[1];
    m_dayActionFileName = files[2];
}

QString DataSet::journalName(const QString &name) {
    return name + QLatin1String("-journal");
}

bool DataSet::repair(Kind kind) {
    BlocList &list = m_lists[idx(kind)];
    int &count = m_counts[idx(kind)];
    count = list.countTags();
    const bool damaged = list.Verif(count);
    const bool renumbered = list.Doublons(count);
    if (damaged || renumbered)
        m_modified = true;
    return damaged;
}

bool DataSet::load(BlocList &list, const QString &path, bool *reencoded,
                   TextFile::Stamp *stamp) const {
    TextFile::Encoding encoding = TextFile::Encoding::Windows1252;
    QString why;
    if (!list.load(path, &encoding, &why, stamp)) {
        message(QStringLiteral("Impossible de lire le fichier ") + path + QStringLiteral(" : ") +
                why);
        return false;
    }
    // Saved again in the program's own encoding.
    if (encoding != TextFile::Encoding::Windows1252)
        *reencoded = true;
    return true;
}

bool DataSet::Charge(const QString &name) {
    const std::array<QString, 3> paths = filesOf(name);
    auto refuse = [this] {
        m_fileName.clear();
        m_operationFileName.clear();
        m_dayActionFileName.clear();
        return false;
    };
    // A save cut short by a crash is finished, or undone, before anything is
    // read.
    const QString journal = journalName(name);
    if (TextFile::recover({paths[0], paths[1], paths[2]}, journal) == TextFile::Recovery::Unmatched)
        message(QStringLiteral("Un enregistrement interrompu, noté dans ") + journal +
                QStringLiteral(", ne correspond pas aux fichiers : il est laissé tel quel."));
    if (!QFileInfo::exists(name) || QFileInfo(name).isDir())
        return refuse();

    // All three files are read before anything is replaced: one that cannot
    // be read leaves the open data set as it was, and is never saved over.
    // A missing sibling means an empty list, never the one of the last set.
    std::array<BlocList, 3> lists{BlocList(5), BlocList(4), BlocList(4)};
    std::array<TextFile::Stamp, 3> stamps;
    bool reencoded = false;
    for (int k = 0; k < 3; ++k) {
        const bool missing =
            k > 0 && !QFileInfo::exists(paths[k]) && !QFileInfo(paths[k]).isSymLink();
        if (!missing && !load(lists[k], paths[k], &reencoded, &stamps[k]))
            return refuse();
    }
    m_stamps = stamps;

    m_fileName = name;
    Synchro();
    m_lists = std::move(lists);
    m_modified = reencoded;
    bool damaged = repair(Kind::Company);
    for (const Kind kind : {Kind::Operation, Kind::DayAction}) {
        m_currents[idx(kind)] = 0;
        damaged = repair(kind) || damaged;
        read(kind);
    }
    // Once per opening, whichever files were repaired.
    if (damaged)
        message(AlteredMessage);

    m_currents[0] = 0;
    LitFiche();
    move(Kind::Company, Move::First);
    return true;
}

QStringList DataSet::changedOnDisk() const {
    QStringList changed;
    if (!m_stamps)
        return changed;
    const std::array<QString, 3> paths = filesOf(m_fileName);
    for (int k = 0; k < 3; ++k)
        if (TextFile::changedSince(paths[k], (*m_stamps)[k]))
            changed << paths[k];
    return changed;
}

bool DataSet::Sauve(const QString &name, bool replaceChanged) {
    m_saveConflicts.clear();
    if (!m_modified)
        return true;
    // Another computer's save is never replaced unasked.
    if (!replaceChanged && !m_fileName.isEmpty() &&
        QFileInfo(name).absoluteFilePath() == QFileInfo(m_fileName).absoluteFilePath()) {
        m_saveConflicts = changedOnDisk();
        if (!m_saveConflicts.isEmpty()) {
            QStringList names;
            for (const QString &path : std::as_const(m_saveConflicts))
                names << QFileInfo(path).fileName();
            message(ChangedOnDiskMessage + u'\n' + names.join(QLatin1String(", ")));
            return false;
        }
    }
    m_fileName = name;
    Synchro();
    // All three cards: a day action typed just before saving must reach the file.
    write(Kind::Company);
    write(Kind::Operation);
    write(Kind::DayAction);
    m_lists[0].Squize();

    // The files the user opened are kept as backups at the first save of
    // the run, damaged or not.
    const bool backups = !m_backedUp.contains(m_fileName);
    QString failed, error;
    m_saveWarning.clear();
    auto contentOf = [this](int k) -> TextFile::ByteSource {
        return [this, k](const TextFile::ByteSink &sink) { return m_lists[k].encode(sink); };
    };
    QList<TextFile::Stamp> written;
    if (!TextFile::writeAll({{m_fileName, contentOf(0)},
                             {m_operationFileName, contentOf(1)},
                             {m_dayActionFileName, contentOf(2)}},
                            {journalName(m_fileName), backups}, &failed, &error, &m_saveWarning,
                            &written)) {
        message(QStringLiteral("Impossible d'enregistrer le fichier ") + failed +
                QStringLiteral(" : ") + error);
        return false;
    }
    if (!m_saveWarning.isEmpty())
        message(m_saveWarning);
    if (backups)
        m_backedUp.insert(m_fileName);
    std::array<TextFile::Stamp, 3> stamps;
    for (int k = 0; k < 3; ++k)
        stamps[k] = written.value(k);
    m_stamps = stamps;
    m_modified = false;
    m_recordModified = {false, false, false};
    return true;
}

void DataSet::Nouveau() {
    for (BlocList &list : m_lists)
        list.clear();
    m_stamps.reset();
    m_counts = {0, 0, 0};
    m_currents = {0, 0, 0};
    m_recordModified = {false, false, false};
    m_modified = false;
    m_modes[idx(Kind::Company)] = Selection::Cleared;
    m_modes[idx(Kind::Operation)] = Selection::Cleared;
    m_fileName.clear();
    m_operationFileName.clear();
    m_dayActionFileName.clear();
    read(Kind::Operation);
    read(Kind::DayAction);
    read(Kind::Company);
}

void DataSet::read(Kind kind) {
    const BlocList &list = m_lists[idx(kind)];
    const int block = m_currents[idx(kind)];
    switch (kind) {
    case Kind::Company:
        m_company = Company::read(list, block, today());
        m_inputs[idx(kind)].date = today();
        break;
    case Kind::Operation:
        m_operation = Operation::read(list, block, today());
        m_inputs[idx(kind)].date = today();
        break;
    case Kind::DayAction:
        m_dayAction = DayAction::read(list, block, now());
        break;
    }
    m_recordModified[idx(kind)] = false;
}

void DataSet::write(Kind kind) {
    if (!m_recordModified[idx(kind)])
        return;
    m_modified = true;
    BlocList &list = m_lists[idx(kind)];
    const int block = m_currents[idx(kind)];
    QStringList lines;
    switch (kind) {
    case Kind::Company:
        lines = m_company.lines();
        break;
    case Kind::Operation:
        lines = m_operation.lines();
        break;
    case Kind::DayAction:
        lines = m_dayAction.lines();
        break;
    }
    lines.prepend(list.openTag(block));
    lines.append(list.closeTag(block));

    const qsizetype at = list.findBlock(block);
    if (at >= 0)
        list.deleteBlockAt(at, list.closeTag(block));
    // A company keeps its place; operations and day actions move to the end.
    if (kind == Kind::Company && at >= 0 && at < list.size())
        list.insert(at, lines);
    else
        list.append(lines);
    // The first card of an empty list is written before any Ajout counted it.
    int &count = m_counts[idx(kind)];
    if (block >= count)
        count = block + 1;
}

bool DataSet::Ajout(Kind kind) {
    write(kind);
    int &count = m_counts[idx(kind)];
    if (count > BlocList::MaxCreatedCount) {
        message(FullMessage);
        return false;
    }
    m_lists[idx(kind)].append(QStringLiteral(" "));
    ++count;
    m_currents[idx(kind)] = count - 1;
    read(kind);
    return true;
}

void DataSet::appendCompanies(const std::function<int(BlocList &)> &fill) {
    BlocList &list = m_lists[idx(Kind::Company)];
    const qsizetype size = list.size();
    const int count = fill(list);
    if (count < 0) {
        list.removeLines(size, list.size() - size);
        return;
    }
    m_counts[idx(Kind::Company)] = count;
    m_currents[idx(Kind::Company)] = std::max(count - 1, 0);
    m_modified = true;
    read(Kind::Company);
}

void DataSet::Supprime(Kind kind) {
    BlocList &list = m_lists[idx(kind)];
    int &current = m_currents[idx(kind)];
    int &count = m_counts[idx(kind)];
    const qsizetype at = list.findBlock(current);
    if (at >= 0)
        list.deleteBlockAt(at, list.closeTag(current));
    m_modified = true;
    list.Renum(current, count);
    if (current > count - 1)
        current = std::max(count - 1, 0);
    read(kind);
}

QString DataSet::selectionText() const {
    const auto criterion = [](const QString &what, const QString &value) -> QString {
        return what + u' ' + (value.isEmpty() ? QStringLiteral("(vide)") : value);
    };
    QStringList parts;
    const Selection companies = m_modes[idx(Kind::Company)];
    if (companies == Selection::PostalCode)
        parts << criterion(QStringLiteral("code postal"), m_postalCode);
    else if (companies == Selection::Town)
        parts << criterion(QStringLiteral("ville"), m_town);
    if (m_modes[idx(Kind::Operation)] == Selection::Type)
        parts << criterion(QStringLiteral("type"), m_operationType);
    if (m_modes[idx(Kind::DayAction)] == Selection::Day)
        parts << criterion(QStringLiteral("jour"), m_day);
    return parts.isEmpty() ? QString() : QStringLiteral("Sélection : ") + parts.join(u", ");
}

int DataSet::step(Kind kind, Move move) const {
    const int current = m_currents[idx(kind)];
    const int count = m_counts[idx(kind)];
    const Selection mode = m_modes[idx(kind)];
    int offset = -1;
    std::function<bool(const QString &)> matches;
    if (kind == Kind::Company && mode == Selection::PostalCode) {
        offset = CompanyLine::PostalCode;
        matches = [this](const QString &line) { return line == m_postalCode; };
    } else if (kind == Kind::Company && mode == Selection::Town) {
        offset = CompanyLine::Town;
        matches = [this](const QString &line) { return line.toUpper() == m_town; };
    } else if (kind == Kind::Operation && mode == Selection::Type) {
        offset = OperationLine::Type;
        matches = [this](const QString &line) { return line.toUpper() == m_operationType; };
    } else if (kind == Kind::DayAction && mode == Selection::Day) {
        offset = DayActionLine::Date;
        matches = [this](const QString &line) { return line == m_day; };
    }
    if (offset < 0) {
        switch (move) {
        case Move::Previous:
            return std::max(current - 1, 0);
        case Move::Next:
            return std::max(std::min(current + 1, count - 1), 0);
        case Move::First:
            return 0;
        case Move::Last:
            return std::max(count - 1, 0);
        }
    }
    const BlocList::Step steps[] = {BlocList::Step::Previous, BlocList::Step::Next,
                                    BlocList::Step::First, BlocList::Step::Last};
    const int found = m_lists[idx(kind)].findMatching(steps[int(move)], current, offset, matches);
    return found >= 0 ? found : current;
}

bool DataSet::move(Kind kind, Move move) {
    const int count = m_counts[idx(kind)];
    const bool forward = move == Move::Next || move == Move::Last;
    if (count < 2 && (kind == Kind::Company ? forward : move == Move::Last))
        return false;
    write(kind);
    m_currents[idx(kind)] = step(kind, move);
    read(kind);
    return true;
}

void DataSet::jumpTo(Kind kind, int block) {
    write(kind);
    m_currents[idx(kind)] = block;
    read(kind);
}

void DataSet::Copier() {
    const Company &c = m_company;
    m_copy = {c.name,  c.address1, c.address2, c.postalCode, c.town,
              c.phone, c.fax,      c.email,    c.contact,    c.activity};
}

void DataSet::Coller() {
    Company &c = m_company;
    QString *fields[] = {&c.name,  &c.address1, &c.address2, &c.postalCode, &c.town,
                         &c.phone, &c.fax,      &c.email,    &c.contact,    &c.activity};
    for (int i = 0; i < 10; ++i)
        *fields[i] = m_copy[i];
    markEdited(Kind::Company);
}

bool DataSet::addFollowUp(Kind kind) {
    FollowUpInput &input = m_inputs[idx(kind)];
    if (input.action.trimmed().isEmpty() || input.text.trimmed().isEmpty())
        return false;
    QList<FollowUpRow> &rows =
        kind == Kind::Operation ? m_operation.followUps : m_company.followUps;
    const bool added = FollowUp::add(rows, input.date, input.action, input.text);
    if (added) {
        input.action.clear();
        input.text.clear();
    }
    markEdited(kind);
    return added;
}

void DataSet::pickCompany(const QString &code) {
    if (code.isEmpty())
        return;
    m_dayAction.companyCode = code;
    markEdited(Kind::DayAction);
    const BlocList &lines = m_lists[idx(Kind::Company)];
    for (const qsizetype i : lines.index().opens) {
        if (i + CompanyLine::Code >= lines.size() || !lines.lineEquals(i + CompanyLine::Code, code))
            continue;
        if (lines.size() > i + CompanyLine::Phone) {
            DayAction &d = m_dayAction;
            d.companyName = d.groupName = lines.at(i + CompanyLine::Name);
            d.groupAddress1 = lines.at(i + CompanyLine::Address1);
            d.groupAddress2 = lines.at(i + CompanyLine::Address2);
            d.groupPostalCode = lines.at(i + CompanyLine::PostalCode);
            d.groupTown = lines.at(i + CompanyLine::Town);
            d.groupPhone = lines.at(i + CompanyLine::Phone);
        }
        return;
    }
}

void DataSet::validateDayAction() {
    if (m_dayAction.validated)
        return;
    m_dayAction.validated = true;
    write(Kind::DayAction);
    markEdited(Kind::DayAction);

    // An empty code would match every company; it names none.
    const QString wanted = m_dayAction.companyCode;
    if (wanted.isEmpty())
        return;
    const int block = BlockField::findFirst(m_lists[idx(Kind::Company)], CompanyLine::Code, wanted,
                                            BlockField::Match::Prefix);
    if (block < 0)
        return;
    jumpTo(Kind::Company, block);
    FollowUpInput &input = m_inputs[idx(Kind::Company)];
    input = {today(), m_dayAction.action, m_dayAction.result};
    addFollowUp(Kind::Company);
    write(Kind::Company);
}

void DataSet::rearrange(Kind kind, BlocList lines) {
    BlocList &list = m_lists[idx(kind)];
    list = std::move(lines);
    m_counts[idx(kind)] = list.countTags();
    m_modified = true;
    read(kind);
}
