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

// Appends the XML form of value to out, without a temporary per character:
// it is ASCII whatever the value holds.
void appendXml(QByteArray &out, QStringView value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        char32_t c = value[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < value.size() &&
            QChar::isLowSurrogate(value[i + 1].unicode()))
            c = QChar::surrogateToUcs4(char16_t(c), value[++i].unicode());
        if (c == U'&') {
            out += "&amp;";
        } else if (c == U'<') {
            out += "&lt;";
        } else if (c == U'>') {
            out += "&gt;";
        } else if (c == U'\t' || (c >= 0x20 && c < 0x7F)) {
            out += char(c);
        } else if (c < 0xA0 || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF) {
            // C0 and C1 controls, DEL, and what XML forbids even as a
            // reference: a lone surrogate, U+FFFE, U+FFFF.
            out += '?';
        } else {
            out += "&#";
            out += QByteArray::number(uint(c));
            out += ';';
        }
    }
}

// Appends value in Windows-1252; a huge field a slice at a time, never
// encoded whole beside the output.
void appendEncoded(QByteArray &out, const QString &value) {
    constexpr qsizetype Slice = 1 << 16;
    if (value.size() <= Slice) {
        out += TextFile::encode(value);
        return;
    }
    for (qsizetype at = 0; at < value.size(); at += Slice)
        out += TextFile::encode(value.mid(at, Slice));
}

QByteArray xmlBytes(const BlocList &companies) {
    const std::vector<qsizetype> &tags = companies.index().opens;
    QByteArray out;
    out.reserve(qsizetype(tags.size()) * 200 + 64);
    out += "<?xml version=\"1.0\" ?>\r\n<racine>\r\n";
    for (const qsizetype tag : tags) {
        const QStringList fields = blockFields(companies, tag, CompanyLine::Name, CompanyLine::Fax);
        out += "<record>\r\n";
        for (int i = 0; i < 7; ++i) {
            const char *element = xmlElements[i];
            out.append('<').append(element).append('>');
            appendXml(out, fields.at(i));
            out.append("</").append(element).append(">\r\n");
        }
        out += "</record>\r\n";
    }
    out += "</racine>";
    return out;
}

QByteArray txtBytes(const BlocList &companies, QChar separator) {
    const std::vector<qsizetype> &tags = companies.index().opens;
    // A byte a character: the exact size is known before writing, so the
    // text never grows by copies.
    qsizetype size = 0;
    for (const qsizetype tag : tags) {
        size += 2 + 6;
        for (const QString &field :
             blockFields(companies, tag, CompanyLine::Date, CompanyLine::Phone))
            size += field.size();
    }
    QByteArray out;
    out.reserve(size + 2);
    const QByteArray separatorByte = TextFile::encode(QString(separator));
    for (const qsizetype tag : tags) {
        if (tag != tags.front())
            out += "\r\n";
        const QStringList fields =
            blockFields(companies, tag, CompanyLine::Date, CompanyLine::Phone);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += separatorByte;
            appendEncoded(out, fields.at(i));
        }
    }
    return out;
}

// The export's text in Windows-1252, as the file holds it but for the line
// end that ends it.
QByteArray textBytes(const BlocList &companies, Format format) {
    switch (format) {
    case Format::Csv:
        return txtBytes(companies, u';');
    case Format::Xml:
        return xmlBytes(companies);
    case Format::Txt:
        break;
    }
    return txtBytes(companies, u'\t');
}

} // namespace

QString xmlText(const QString &value) {
    QByteArray out;
    out.reserve(value.size());
    appendXml(out, value);
    return QString::fromLatin1(out);
}

QString ExportXml(const BlocList &companies) {
    return QString::fromLatin1(xmlBytes(companies));
}

QString ExportTxt(const BlocList &companies, QChar separator) {
    return TextFile::decode(txtBytes(companies, separator));
}

QString text(const BlocList &companies, Format format) {
    return TextFile::decode(textBytes(companies, format));
}

bool write(const QString &path, const BlocList &companies, Format format, QString *message) {
    // Built as the file's bytes, with no text of the whole export beside
    // them: the largest sets and fields stay within a few times their size.
    QByteArray bytes = textBytes(companies, format);
    if (!bytes.isEmpty())
        bytes += "\r\n";
    QString error;
    if (TextFile::writeBytes(path, bytes, &error))
        return true;
    if (message)
        *message = QStringLiteral("Impossible d'enregistrer le fichier ") + path +
                   QStringLiteral(" : ") + error;
    return false;
}

} // namespace Export
