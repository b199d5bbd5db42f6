#include "profile/cv.h"

namespace {

// A line of a truncated profile that is not there reads as empty.
QString lineAt(const QStringList &lines, qsizetype index) {
    return index < lines.size() ? lines.at(index) : QString();
}

QString yearOf(const QString &date) {
    return date.mid(6, 4);
}

} // namespace

QStringList Cv::lines(const QStringList &profile) {
    QStringList out{QString(), QString(), QStringLiteral("Expérience professionnelle"), QString()};
    for (qsizetype k = 0; k < profile.size(); ++k) {
        if (!profile.at(k).startsWith(QLatin1String("<BLOC")))
            continue;
        out.append(yearOf(lineAt(profile, k + 8)) + QStringLiteral("  ") +
                   yearOf(lineAt(profile, k + 9)) + u'\t' + lineAt(profile, k + 1));
        out.append(QStringLiteral("\t\t") + lineAt(profile, k + 6));
    }
    out += QStringList{QString(), QString(), QStringLiteral("Etudes"), QString()};
    for (qsizetype p = 0; p < profile.size(); ++p) {
        if (profile.at(p) != QLatin1String("PAGE2"))
            continue;
        for (int r = 1; r <= 5; ++r) {
            const QString year = lineAt(profile, p + 2 * r - 1);
            if (!year.isEmpty())
                out.append(year + u'\t' + lineAt(profile, p + 2 * r));
        }
    }
    return out;
}

QStringList Cv::document(const QStringList &identity, const QStringList &profile) {
    QStringList out;
    for (int i = 0; i < 4; ++i)
        out.append(identity.value(i));
    return out + lines(profile);
}
