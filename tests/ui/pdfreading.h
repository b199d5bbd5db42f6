#pragma once

// Reads a printed PDF file back with poppler's tools: its page count and the
// boxes of its words, in points from the top-left corner of their page.
#include <QFile>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace PdfReading {

inline QString run(const QString &program, const QStringList &args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("%s could not read the file (poppler-utils is a test dependency)",
               qPrintable(program));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// 0 when the file is not there.
inline int pages(const QString &pdf) {
    if (!QFile::exists(pdf))
        return 0;
    static const QRegularExpression line(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                         QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

struct Word {
    QString text;
    QRectF box;
};

inline QList<Word> words(const QString &pdf) {
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> out;
    const QString html = run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.append(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return out;
}

} // namespace PdfReading
