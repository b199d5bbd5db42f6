#include "exchange/export.h"

#include "store/blockfield.h"
#include "store/recordlines.h"
#include "store/textfile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The lines at offsets first..last from the opening tag at index, empty
// beyond the block's end. Only the lines up to the last offset are looked at:
// a whole-block scan would touch every line of the file.
QStringList blockFields(const BlocList &list, qsizetype tag, int first, int last) {
    const qsizetype end = BlockField::contentEnd(list, tag, last);
    QStringList fields;
    fields.reserve(last - first + 1);
    for (int offset = first; offset <= last; ++offset)
        fields.append(BlockField::at(list, tag, end, offset));
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

namespace {

// Appends the XML form of value to out, without a temporary per character.
void appendXml(QString &out, QStringView value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        char32_t c = value[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < value.size() &&
            QChar::isLowSurrogate(value[i + 1].unicode()))
            c = QChar::surrogateToUcs4(char16_t(c), value[++i].unicode());
        if (c == U'&') {
            out += QLatin1String("&amp;");
        } else if (c == U'<') {
            out += QLatin1String("&lt;");
        } else if (c == U'>') {
            out += QLatin1String("&gt;");
        } else if (c == U'\t' || (c >= 0x20 && c < 0x7F)) {
            out += QChar(char16_t(c));
        } else if (c < 0xA0) {
            out += u'?'; // C0 and C1 controls, DEL
        } else {
            char digits[16];
            int n = 0;
            for (char32_t v = c; v; v /= 10)
                digits[n++] = char('0' + v % 10);
            out += QLatin1String("&#");
            while (n)
                out += QLatin1Char(digits[--n]);
            out += u';';
        }
    }
}

} // namespace

QString xmlText(const QString &value) {
    QString out;
    out.reserve(value.size());
    appendXml(out, value);
    return out;
}

QString ExportXml(const BlocList &companies) {
    const std::vector<qsizetype> &tags = companies.index().opens;
    QString out;
    out.reserve(qsizetype(tags.size()) * 200 + 64);
    out += QLatin1String("<?xml version=\"1.0\" ?>\r\n<racine>\r\n");
    for (const qsizetype tag : tags) {
        const QStringList fields = blockFields(companies, tag, CompanyLine::Name, CompanyLine::Fax);
        out += QLatin1String("<record>\r\n");
        for (int i = 0; i < 7; ++i) {
            const QLatin1String element(xmlElements[i]);
            out.append(u'<').append(element).append(u'>');
            appendXml(out, fields.at(i));
            out.append(QLatin1String("</")).append(element).append(QLatin1String(">\r\n"));
        }
        out += QLatin1String("</record>\r\n");
    }
    out += QLatin1String("</racine>");
    return out;
}

QString ExportTxt(const BlocList &companies, QChar separator) {
    const std::vector<qsizetype> &tags = companies.index().opens;
    QString out;
    out.reserve(qsizetype(tags.size()) * 120);
    for (const qsizetype tag : tags) {
        if (tag != tags.front())
            out += QLatin1String("\r\n");
        const QStringList fields =
            blockFields(companies, tag, CompanyLine::Date, CompanyLine::Phone);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += separator;
            out += fields.at(i);
        }
    }
    return out;
}

QString text(const BlocList &companies, Format format) {
    switch (format) {
    case Format::Csv:
        return ExportCsv(companies);
    case Format::Xml:
        return ExportXml(companies);
    case Format::Txt:
        break;
    }
    return ExportTxt(companies);
}

bool write(const QString &path, const BlocList &companies, Format format, QString *message) {
    // The text goes to the text-file module as one line holding the inner
    // line ends: no list of a million lines for the largest sets.
    const QString all = text(companies, format);
    QString error;
    if (TextFile::write(path, all.isEmpty() ? QStringList() : QStringList{all}, &error))
        return true;
    if (message)
        *message = QStringLiteral("Impossible d'enregistrer le fichier ") + path +
                   QStringLiteral(" : ") + error;
    return false;
}

} // namespace Export
