#include "store/records.h"

#include "store/blockfield.h"
#include "store/dates.h"
#include "store/recordlines.h"

namespace {

const QLatin1String Memo("MEMO"), Text("TEXT"), Mem3("MEM3"), Mem4("MEM4"), Data("DATA");

QString codeOrNext(const QString &code, const BlocList &list) {
    return code.isEmpty() ? QString::number(list.nextCode()) : code;
}

// The text fields of a kind with their lines: the reader and the writer both
// walk these tables, so that they cannot disagree on a position.
template <typename Record> struct TextField {
    int line;
    QString Record::*member;
};

const TextField<Company> companyFields[] = {
    {CompanyLine::Code, &Company::code},
    {CompanyLine::Name, &Company::name},
    {CompanyLine::Address1, &Company::address1},
    {CompanyLine::Address2, &Company::address2},
    {CompanyLine::PostalCode, &Company::postalCode},
    {CompanyLine::Town, &Company::town},
    {CompanyLine::Phone, &Company::phone},
    {CompanyLine::Fax, &Company::fax},
    {CompanyLine::Email, &Company::email},
    {CompanyLine::Contact, &Company::contact},
    {CompanyLine::Web, &Company::web},
    {CompanyLine::Activity, &Company::activity},
};

const TextField<Operation> operationFields[] = {
    {OperationLine::Code, &Operation::code},
    {OperationLine::Type, &Operation::type},
    {OperationLine::Summary, &Operation::summary},
    {OperationLine::FixedCost, &Operation::fixedCost},
    {OperationLine::UnitCost, &Operation::unitCost},
};

const TextField<DayAction> dayActionFields[] = {
    {DayActionLine::Code, &DayAction::code},
    {DayActionLine::Action, &DayAction::action},
    {DayActionLine::CompanyCode, &DayAction::companyCode},
    {DayActionLine::CompanyName, &DayAction::companyName},
    {DayActionLine::Result, &DayAction::result},
    {DayActionLine::GroupName, &DayAction::groupName},
    {DayActionLine::GroupAddress1, &DayAction::groupAddress1},
    {DayActionLine::GroupAddress2, &DayAction::groupAddress2},
    {DayActionLine::GroupPostalCode, &DayAction::groupPostalCode},
    {DayActionLine::GroupTown, &DayAction::groupTown},
    {DayActionLine::GroupPhone, &DayAction::groupPhone},
};

template <typename Record, std::size_t N>
void readFields(Record &record, const BlockField::Reader &reader,
                const TextField<Record> (&fields)[N]) {
    for (const auto &[line, member] : fields)
        record.*member = reader.field(line);
}

// The fixed part of a block's content: every line up to the prefixed ones,
// each set by its position.
class FixedLines {
public:
    explicit FixedLines(int prefixed) : m_lines(prefixed - 1) {}

    void set(int line, const QString &text) { m_lines[line - 1] = safeField(text); }
    template <typename Record, std::size_t N>
    void set(const Record &record, const TextField<Record> (&fields)[N]) {
        for (const auto &[line, member] : fields)
            set(line, record.*member);
    }
    QStringList take() { return std::move(m_lines); }

private:
    QStringList m_lines;
};

QString yesNo(bool on) {
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

// A field line that would read as a tag is written with a look-alike first
// character, so that typed text can never break the file's blocks.
QString safeField(const QString &text) {
    return BlockField::safeLine(text);
}

namespace FollowUp {

FollowUpRow parse(const QString &text) {
    FollowUpRow row;
    const qsizetype first = text.indexOf(u'\t');
    if (first < 0) {
        row.date = text;
        return row;
    }
    row.date = text.left(first);
    const qsizetype second = text.indexOf(u'\t', first + 1);
    if (second < 0) {
        row.action = text.mid(first + 1);
        return row;
    }
    row.action = text.mid(first + 1, second - first - 1);
    row.text = text.mid(second + 1);
    return row;
}

QStringList lines(const QList<FollowUpRow> &rows) {
    QStringList out;
    for (const FollowUpRow &row : rows) {
        const QString joined = row.date + u'\t' + row.action + u'\t' + row.text;
        if (joined.size() < 10)
            break;
        out.append(Data + joined);
    }
    return out;
}

bool add(QList<FollowUpRow> &rows, const QDate &date, const QString &action, const QString &text) {
    if (action.trimmed().isEmpty() || text.trimmed().isEmpty())
        return false;
    for (int i = 0; i < GridRows; ++i) {
        if (i >= rows.size())
            rows.resize(i + 1);
        if (rows[i].date.isEmpty()) {
            rows[i] = {Dates::format(date), action, text};
            return true;
        }
    }
    return false;
}

} // namespace FollowUp

namespace TextLines {

QStringList fromText(const QString &text) {
    if (text.isEmpty())
        return {};
    QString plain = text;
    plain.remove(u'\r');
    return plain.split(u'\n');
}

QString toText(const QStringList &lines) {
    return lines.join(u'\n');
}

QStringList prefixed(const QString &prefix, const QStringList &lines) {
    QStringList out;
    for (const QString &line : lines) {
        if (line.size() <= BlocList::PrefixedTextLength) {
            out.append(prefix + line);
            continue;
        }
        // Cut after the last space that fits, so that no word is split; a
        // word longer than a whole line is cut where the line is full.
        const int limit = BlocList::PrefixedTextLength;
        for (qsizetype i = 0; i < line.size();) {
            qsizetype length = std::min<qsizetype>(limit, line.size() - i);
            if (i + length < line.size()) {
                const qsizetype space = line.lastIndexOf(u' ', i + length - 1);
                if (space >= i)
                    length = space + 1 - i;
            }
            out.append(prefix + line.mid(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace TextLines

Company Company::read(const BlocList &list, int block, const QDate &today) {
    Company c;
    c.date = today;
    BlockField::Reader reader(list, block);
    if (reader.found()) {
        readFields(c, reader, companyFields);
        const QDate date = Dates::parse(reader.field(CompanyLine::Date));
        if (date.isValid())
            c.date = date;
        reader.walk(
            CompanyLine::Prefixed, ScanLimit,
            [&c](QStringView line) {
                if (line.startsWith(Memo))
                    c.notice.append(BlocList::prefixedText(line));
                else if (line.startsWith(Text))
                    c.observations.append(BlocList::prefixedText(line));
                else if (line.startsWith(Data))
                    c.followUps.append(FollowUp::parse(BlocList::prefixedText(line)));
            },
            c.tail);
    }
    c.code = codeOrNext(c.code, list);
    return c;
}

QStringList Company::lines() const {
    FixedLines fixed(CompanyLine::Prefixed);
    fixed.set(*this, companyFields);
    fixed.set(CompanyLine::Date, Dates::format(date));
    QStringList out = fixed.take();
    out += TextLines::prefixed(Memo, notice);
    out += TextLines::prefixed(Text, observations);
    out += FollowUp::lines(followUps);
    out += tail;
    return out;
}

Operation Operation::read(const BlocList &list, int block, const QDate &today) {
    Operation o;
    o.start = o.end = today;
    BlockField::Reader reader(list, block);
    if (reader.found()) {
        readFields(o, reader, operationFields);
        // One guarded step: a bad start date leaves the end date unread.
        const QString start = reader.field(OperationLine::Start);
        const QString end = reader.field(OperationLine::End);
        bool ok = true;
        if (!start.isEmpty()) {
            const QDate d = Dates::parse(start);
            ok = d.isValid();
            if (ok)
                o.start = d;
        }
        if (ok && !end.isEmpty()) {
            const QDate d = Dates::parse(end);
            if (d.isValid())
                o.end = d;
        }
        o.urgent = reader.field(OperationLine::Urgent) == QLatin1String("Y");
        reader.walk(
            OperationLine::Prefixed, ScanLimit,
            [&o](QStringView line) {
                if (line.startsWith(Mem3))
                    o.description.append(BlocList::prefixedText(line));
                else if (line.startsWith(Mem4))
                    o.highlights.append(BlocList::prefixedText(line));
                else if (line.startsWith(Data))
                    o.followUps.append(FollowUp::parse(BlocList::prefixedText(line)));
            },
            o.tail);
    }
    o.code = codeOrNext(o.code, list);
    return o;
}

QStringList Operation::lines() const {
    FixedLines fixed(OperationLine::Prefixed);
    fixed.set(*this, operationFields);
    fixed.set(OperationLine::Start, Dates::format(start));
    fixed.set(OperationLine::End, Dates::format(end));
    fixed.set(OperationLine::Urgent, yesNo(urgent));
    QStringList out = fixed.take();
    out += TextLines::prefixed(Mem3, description);
    out += TextLines::prefixed(Mem4, highlights);
    out += FollowUp::lines(followUps);
    out += tail;
    return out;
}

DayAction DayAction::read(const BlocList &list, int block, const QDateTime &now) {
    DayAction d;
    d.date = now.date();
    d.time = now.time();
    BlockField::Reader reader(list, block);
    if (reader.found()) {
        readFields(d, reader, dayActionFields);
        const QString date = reader.field(DayActionLine::Date);
        const QString time = reader.field(DayActionLine::Time);
        bool ok = true;
        if (!date.isEmpty()) {
            const QDate parsed = Dates::parse(date);
            ok = parsed.isValid();
            if (ok)
                d.date = parsed;
        }
        if (ok && !time.isEmpty()) {
            const QTime parsed = Dates::parseTime(time);
            if (parsed.isValid())
                d.time = parsed;
        }
        d.validated = reader.field(DayActionLine::Validated) == QLatin1String("Y");
        reader.walk(
            DayActionLine::Prefixed, ScanLimit,
            [&d](QStringView line) {
                if (line.startsWith(Memo))
                    d.comment.append(BlocList::prefixedText(line));
            },
            d.tail);
    }
    d.code = codeOrNext(d.code, list);
    return d;
}

QStringList DayAction::lines() const {
    FixedLines fixed(DayActionLine::Prefixed);
    fixed.set(*this, dayActionFields);
    fixed.set(DayActionLine::Date, Dates::format(date));
    fixed.set(DayActionLine::Time, Dates::formatTime(time));
    fixed.set(DayActionLine::Validated, yesNo(validated));
    QStringList out = fixed.take();
    out += TextLines::prefixed(Memo, comment);
    out += tail;
    return out;
}
