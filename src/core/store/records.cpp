#include "store/records.h"

#include "store/blockfield.h"
#include "store/dates.h"

namespace {

const QLatin1String Memo("MEMO"), Text("TEXT"), Mem3("MEM3"), Mem4("MEM4"), Data("DATA");

QStringList safeFields(QStringList fields) {
    for (QString &field : fields)
        field = safeField(field);
    return fields;
}

QString codeOrNext(const QString &code, const BlocList &list) {
    return code.isEmpty() ? QString::number(list.nextCode()) : code;
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
        c.code = reader.field(1);
        const QDate date = Dates::parse(reader.field(2));
        if (date.isValid())
            c.date = date;
        QString *fields[] = {&c.name, &c.address1, &c.address2, &c.postalCode, &c.town,    &c.phone,
                             &c.fax,  &c.email,    &c.contact,  &c.web,        &c.activity};
        int offset = 3;
        for (QString *field : fields)
            *field = reader.field(offset++);
        reader.walk(
            14, ScanLimit,
            [&c](const QString &line) {
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
    QStringList out = safeFields({code, Dates::format(date), name, address1, address2, postalCode,
                                  town, phone, fax, email, contact, web, activity});
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
        o.code = reader.field(1);
        o.type = reader.field(2);
        o.summary = reader.field(3);
        o.fixedCost = reader.field(4);
        o.unitCost = reader.field(5);
        // One guarded step: a bad start date leaves the end date unread.
        const QString start = reader.field(6);
        const QString end = reader.field(7);
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
        o.urgent = reader.field(8) == QLatin1String("Y");
        reader.walk(
            9, ScanLimit,
            [&o](const QString &line) {
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
    QStringList out =
        safeFields({code, type, summary, fixedCost, unitCost, Dates::format(start),
                    Dates::format(end), urgent ? QStringLiteral("Y") : QStringLiteral("N")});
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
        d.code = reader.field(1);
        const QString date = reader.field(2);
        const QString time = reader.field(3);
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
        d.action = reader.field(4);
        d.companyCode = reader.field(5);
        d.companyName = reader.field(6);
        d.result = reader.field(7);
        d.validated = reader.field(8) == QLatin1String("Y");
        QString *group[] = {&d.groupName,       &d.groupAddress1, &d.groupAddress2,
                            &d.groupPostalCode, &d.groupTown,     &d.groupPhone};
        int offset = 9;
        for (QString *field : group)
            *field = reader.field(offset++);
        reader.walk(
            15, ScanLimit,
            [&d](const QString &line) {
                if (line.startsWith(Memo))
                    d.comment.append(BlocList::prefixedText(line));
            },
            d.tail);
    }
    d.code = codeOrNext(d.code, list);
    return d;
}

QStringList DayAction::lines() const {
    QStringList out = safeFields(
        {code, Dates::format(date), Dates::formatTime(time), action, companyCode, companyName,
         result, validated ? QStringLiteral("Y") : QStringLiteral("N"), groupName, groupAddress1,
         groupAddress2, groupPostalCode, groupTown, groupPhone});
    out += TextLines::prefixed(Memo, comment);
    out += tail;
    return out;
}
