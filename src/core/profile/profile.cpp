#include "profile/profile.h"

#include "store/blockfield.h"
#include "store/records.h"

#include <algorithm>

namespace {

const QLatin1String Memo("MEMO");

QString dateOrBlank(const QString &date) {
    return date.isEmpty() ? Profile::BlankDate : date;
}

// A section runs to the next line that is exactly a marker.
qsizetype sectionEnd(const QStringList &lines, qsizetype from) {
    qsizetype i = from;
    while (i < lines.size() && !Profile::Markers.contains(lines.at(i)))
        ++i;
    return i;
}

// The fixed lines of a section from `from`: none when the list ends before
// all of them; cut short by the next marker otherwise, so that a lost line
// never makes the marker a value.
std::optional<QStringList> fixedLines(const QStringList &lines, qsizetype from, qsizetype count) {
    if (from + count > lines.size())
        return std::nullopt;
    return lines.mid(from, std::min(count, sectionEnd(lines, from) - from));
}

// Fills the fields from the lines; those with no line read empty.
template <std::size_t N> void readTexts(const QStringList &values, std::array<QString, N> &fields) {
    for (std::size_t k = 0; k < N; ++k)
        fields[k] = values.value(qsizetype(k));
}

// Ratings with no line keep their value.
template <std::size_t N>
bool readRatings(const QStringList &values, int low, int high, std::array<int, N> &ratings,
                 QString *error) {
    std::array<int, N> read = ratings;
    for (qsizetype k = 0; k < values.size(); ++k) {
        const QString &line = values.at(k);
        bool ok = false;
        const int value = line.toInt(&ok);
        if (!ok) {
            if (error)
                *error = QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(line);
            return false;
        }
        read[std::size_t(k)] = std::clamp(value, low, high);
    }
    ratings = read;
    return true;
}

} // namespace

const QString Profile::BlankDate = QStringLiteral("  /  /    ");
const QStringList Profile::Markers{"PAGE1", "PAGE2", "PAGE3", "PAGE4", "PAGE5", "PAGE6"};
const QStringList Profile::IdentityLabels{
    "Titre", "Nom/Prénom",     "Adresse",   "Adresse",       "Code postal",
    "Ville", "Téléphone",      "Téléphone", "E.Mail",        "Date naissance",
    "Age",   "Sit. familiale", "Enfants",   "Sit. militaire"};
const QStringList Profile::EmployerLabels{"Société",     "Activité",      "Adresse",
                                          "Code postal", "Ville",         "Poste",
                                          "Service",     "Date d'entrée", "Date de sortie"};
const QStringList Profile::SkillLabels{
    "Décider",    "Gérer",    "Diriger",   "Administrer", "Produire", "Organiser",  "Communiquer",
    "Développer", "Chercher", "Contrôler", "Créer",       "Négocier", "Conseiller", "Former"};
const QStringList Profile::CharacteristicLabels{"Ambition",
                                                "Autorité naturelle",
                                                "Capacité à prendre des risques",
                                                "Confiance en soi",
                                                "Consciencieux, fiable",
                                                "Esprit d'initiative",
                                                "Facilité de contact",
                                                "Faculté d'adaptation",
                                                "Faculté d'écoute",
                                                "Goût du challenge",
                                                "Imagination",
                                                "Idépendance, autonomie", // sic: kept on purpose
                                                "Optimisme",
                                                "Puissance de travail",
                                                "Respect des usages sociaux",
                                                "Résistance au stress",
                                                "Sens des réalités",
                                                "Sens de la hiérarchie",
                                                "Stabilité du comportement",
                                                "Sens du travail d'équipe",
                                                "Tolérance",
                                                "Vivacité d'esprit",
                                                "Joie de vivre",
                                                "Intuition"};

Employer Employer::read(const BlocList &list, int block) {
    Employer e;
    BlockField::Reader reader(list, block);
    if (reader.found()) {
        QString *fields[] = {&e.company,  &e.activity,   &e.address, &e.postalCode, &e.town,
                             &e.position, &e.department, &e.entry,   &e.leaving};
        int offset = 1;
        for (QString *field : fields)
            *field = reader.field(offset++);
        e.stillEmployed = reader.field(10) == QLatin1String("Y");
        // Lines that are not responsibilities are kept too, after them.
        QStringList beyond;
        reader.walk(
            11, ScanLimit,
            [&e](QStringView line) {
                if (line.startsWith(Memo))
                    e.responsibilities.append(BlocList::prefixedText(line));
                else
                    e.tail.append(line.toString());
            },
            beyond);
        e.tail += beyond;
    }
    e.entry = dateOrBlank(e.entry);
    e.leaving = dateOrBlank(e.leaving);
    return e;
}

QStringList Employer::lines() const {
    QStringList out;
    for (const QString &field : {company, activity, address, postalCode, town, position, department,
                                 dateOrBlank(entry), dateOrBlank(leaving)})
        out.append(safeField(field));
    out.append(stillEmployed ? QStringLiteral("Y") : QStringLiteral("N"));
    out += TextLines::prefixed(Memo, responsibilities);
    out += tail;
    return out;
}

Profile::Profile() {
    identity[0] = QStringLiteral("Monsieur");
    identity[9] = BlankDate;
    characteristics.fill(1);
    LitFiche();
}

bool Profile::Init(const QStringList &lines, QString *error) {
    const qsizetype size = lines.size();
    for (qsizetype i = 0; i < size; ++i) {
        const int section = int(Markers.indexOf(lines.at(i))) + 1;
        const qsizetype from = i + 1;
        // A section met again replaces what an earlier one gave.
        switch (section) {
        case 1:
            if (const auto values = fixedLines(lines, from, IdentityCount)) {
                readTexts(*values, identity);
                identity[9] = dateOrBlank(identity[9]);
            }
            break;
        case 2:
            if (const auto values = fixedLines(lines, from, FormationCount)) {
                readTexts(*values, formation);
                const qsizetype notes = from + values->size();
                divers = lines.mid(notes, sectionEnd(lines, notes) - notes);
            }
            break;
        case 3:
            m_employers.setLines(lines.mid(from, sectionEnd(lines, from) - from));
            break;
        case 4:
            if (const auto values = fixedLines(lines, from, SkillCount);
                values && !readRatings(*values, 0, 10, skills, error))
                return false;
            break;
        case 5:
            knowledge = lines.mid(from, sectionEnd(lines, from) - from);
            break;
        case 6:
            if (const auto values = fixedLines(lines, from, CharacteristicCount);
                values && !readRatings(*values, 1, 4, characteristics, error))
                return false;
            break;
        default:
            break;
        }
    }
    renumberIfNeeded();
    m_count = m_employers.countTags();
    m_current = 0;
    m_changed = false;
    LitFiche();
    return true;
}

void Profile::renumberIfNeeded() {
    const std::vector<int> &numbers = m_employers.tagNumbers();
    std::vector<bool> seen(numbers.size());
    bool sound = true;
    for (const int n : numbers) {
        if (n < 0 || std::size_t(n) >= numbers.size() || seen[n]) {
            sound = false;
            break;
        }
        seen[n] = true;
    }
    if (sound)
        return;
    const std::vector<qsizetype> opens = m_employers.index().opens;
    QStringList lines = m_employers.toList();
    for (std::size_t k = 0; k < opens.size(); ++k) {
        const qsizetype tag = opens[k];
        const QString oldClose = BlockField::closeTagOf(lines.at(tag));
        const qsizetype end = m_employers.blockEnd(tag, oldClose);
        if (end - 1 > tag && lines.at(end - 1) == oldClose)
            lines[end - 1] = m_employers.closeTag(int(k));
        lines[tag] = m_employers.openTag(int(k));
    }
    m_employers.setLines(lines);
}

QString Profile::indicator() const {
    return QString::number(m_current + 1) + u'/' + QString::number(m_count);
}

void Profile::LitFiche() {
    if (m_count == 0)
        m_count = 1;
    m_employer = Employer::read(m_employers, m_current);
    m_employerChanged = false;
}

void Profile::EcritFiche() {
    if (!m_employerChanged)
        return;
    const qsizetype tag = m_employers.findBlock(m_current);
    if (tag >= 0)
        m_employers.deleteBlockAt(tag, m_employers.closeTag(m_current));
    QStringList block{m_employers.openTag(m_current)};
    block += m_employer.lines();
    block.append(m_employers.closeTag(m_current));
    m_employers.append(block);
    m_employerChanged = false;
    m_changed = true;
}

void Profile::setEmployer(const Employer &employer) {
    m_employer = employer;
    m_employerChanged = true;
}

void Profile::previous() {
    EcritFiche();
    m_current = std::max(m_current - 1, 0);
    LitFiche();
}

void Profile::next() {
    EcritFiche();
    m_current = std::min(m_current + 1, m_count - 1);
    LitFiche();
}

bool Profile::newEmployer() {
    EcritFiche();
    if (m_count >= MaxEmployers)
        return false;
    m_employers.append(QStringLiteral(" "));
    ++m_count;
    m_current = m_count - 1;
    LitFiche();
    return true;
}

void Profile::deleteEmployer() {
    const qsizetype tag = m_employers.findBlock(m_current);
    if (tag >= 0)
        m_employers.deleteBlockAt(tag, m_employers.closeTag(m_current));
    m_changed = true;
    m_employers.Renum(m_current, m_count);
    m_current = std::min(m_current, m_count - 1);
    LitFiche();
}

void Profile::addKnowledge(const QString &field, const QString &level) {
    knowledge.append(field + QStringLiteral(" : ") + level);
    m_changed = true;
}

void Profile::removeKnowledge(int row) {
    if (row < 0 || row >= knowledge.size())
        return;
    knowledge.removeAt(row);
    m_changed = true;
}

std::optional<QStringList> Profile::Result() {
    EcritFiche();
    m_employers.Squize();
    if (!m_changed)
        return std::nullopt;
    QStringList out;
    out.reserve(m_employers.size() + divers.size() + knowledge.size() + 80);
    out.append(Markers[0]);
    out += QStringList(identity.begin(), identity.end());
    out.append(Markers[1]);
    out += QStringList(formation.begin(), formation.end());
    out += divers;
    out.append(Markers[2]);
    out += m_employers.toList();
    out.append(Markers[3]);
    for (const int r : skills)
        out.append(QString::number(r));
    out.append(Markers[4]);
    out += knowledge;
    out.append(Markers[5]);
    for (const int r : characteristics)
        out.append(QString::number(r));
    return out;
}
