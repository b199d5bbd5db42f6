#include "exchange/export.h"

#include "store/textfile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The lines at offsets first..last from the opening tag at index, empty
// beyond the block's end: its closing tag, or the next block when the closing
// tag was lost (the card readers' rule). Only the lines up to the last offset
// are looked at: a whole-block scan would touch every line of the file.
QStringList blockFields(const BlocList &list, qsizetype tag, int first, int last) {
    const QStringList &lines = list.lines();
    const QString close = QLatin1String("</") + QStringView(lines.at(tag)).mid(1);
    qsizetype end = std::min(tag + last + 1, lines.size());
    for (qsizetype j = tag + 1; j < end; ++j) {
        if (lines.at(j) == close || list.isBlockStart(lines.at(j))) {
            end = j;
            break;
        }
    }
    QStringList fields;
    fields.reserve(last - first + 1);
    for (int offset = first; offset <= last; ++offset)
        fields.append(tag + offset < end ? lines.at(tag + offset) : QString());
    return fields;
}

const char *const xmlElements[] = {"nom", "adr1", "adr2", "cp", "ville", "tel", "fax"};

} // namespace

namespace Export {

QString extension(Format format) {
    switch (format) {
    case Format::Csv:
        return QStringLiteral(".csv");
    case Format::Xml:
        return QStringLiteral(".xml");
    case Format::Txt:
        break;
    }
    return QStringLiteral(".txt");
}

QString withExtension(const QString &name, Format format) {
    if (name.isEmpty() || QFileInfo(name).fileName().contains(u'.'))
        return name;
    return name + extension(format);
}

QString xmlText(const QString &value) {
    const auto plain = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7F && u != u'&' && u != u'<' && u != u'>') || u == u'\t';
    };
    if (std::all_of(value.begin(), value.end(), plain))
        return value;
    QString out;
    out.reserve(value.size() + 16);
    for (const char32_t c : value.toUcs4()) {
        if (c == U'&')
            out += QLatin1String("&amp;");
        else if (c == U'<')
            out += QLatin1String("&lt;");
        else if (c == U'>')
            out += QLatin1String("&gt;");
        else if (c == U'\t' || (c >= 0x20 && c < 0x7F))
            out += QChar(char16_t(c));
        else if (c < 0xA0)
            out += u'?'; // C0 and C1 controls, DEL
        else
            out += QLatin1String("&#") + QString::number(c) + u';';
    }
    return out;
}

QStringList lines(const BlocList &companies, Format format) {
    const std::vector<qsizetype> &tags = companies.index().opens;
    QStringList out;
    if (format == Format::Xml) {
        out.reserve(qsizetype(tags.size()) * 9 + 3);
        out << QStringLiteral("<?xml version=\"1.0\" ?>") << QStringLiteral("<racine>");
        for (const qsizetype tag : tags) {
            const QStringList fields = blockFields(companies, tag, 3, 9);
            out << QStringLiteral("<record>");
            for (int i = 0; i < 7; ++i) {
                const QLatin1String element(xmlElements[i]);
                out << u'<' + element + u'>' + xmlText(fields.at(i)) + QLatin1String("</") +
                           element + u'>';
            }
            out << QStringLiteral("</record>");
        }
        out << QStringLiteral("</racine>");
        return out;
    }
    const QChar separator = format == Format::Csv ? QChar(u';') : QChar(u'\t');
    out.reserve(qsizetype(tags.size()));
    for (const qsizetype tag : tags)
        out << blockFields(companies, tag, 2, 8).join(separator);
    return out;
}

bool write(const QString &path, const BlocList &companies, Format format, QString *message) {
    QString error;
    if (TextFile::write(path, lines(companies, format), &error))
        return true;
    if (message)
        *message = QStringLiteral("Impossible d'enregistrer le fichier ") + path +
                   QStringLiteral(" : ") + error;
    return false;
}

} // namespace Export
