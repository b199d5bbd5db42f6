#include "interview/script.h"

namespace {

const QString Separator = QStringLiteral("\\*");

QString entry(const QString &line) {
    const qsizetype hyphen = line.indexOf(u'-');
    return trimControls(hyphen < 0 ? line : line.mid(hyphen + 1));
}

void addQuestion(Script &script, const QString &line) {
    const qsizetype slash = line.indexOf(u'/');
    const QString head = slash < 0 ? QString() : lowerAscii(line.left(slash));
    const QString question = trimControls(slash < 0 ? line : line.mid(slash + 1));
    if (question.size() > Script::QuestionMin)
        script.questions.append(question);
    const qsizetype d = head.indexOf(u'-');
    if (d < 0)
        return;
    const QString number = head.left(std::max<qsizetype>(d - 1, 0));
    const QString words = SansAccents(head.mid(d + 2, 255));
    for (const QString &word : words.split(u','))
        if (!word.isEmpty())
            script.keywords.append(u' ' + word + QStringLiteral(" -") + number);
}

} // namespace

QString EffacePonctuation(QString text) {
    static const QString marks = QStringLiteral("&#@,'?;:/!§.");
    for (QChar &c : text)
        if (marks.contains(c))
            c = u' ';
    return text;
}

QString SansAccents(QString text) {
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0xE0:
        case 0xE2:
            c = u'a';
            break;
        case 0xE7:
            c = u'c';
            break;
        case 0xE8:
        case 0xE9:
        case 0xEA:
        case 0xEB:
            c = u'e';
            break;
        case 0xEE:
        case 0xEF:
            c = u'i';
            break;
        case 0xF4:
        case 0xF6:
            c = u'o';
            break;
        case 0xF9:
        case 0xFB:
            c = u'u';
            break;
        default:
            break;
        }
    }
    return text;
}

int NbMots(const QString &text) {
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool space = c == u' ';
        if (!space && !inWord)
            ++words;
        inWord = !space;
    }
    return words;
}

QString trimControls(const QString &text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && text.at(to - 1).unicode() <= 0x20)
        --to;
    return text.mid(from, to - from);
}

QString lowerAscii(QString text) {
    for (QChar &c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return text;
}

Script Script::parse(const QStringList &lines) {
    Script script;
    if (lines.isEmpty())
        return script;
    script.label = lines.first();
    QStringList *sections[] = {&script.openings, nullptr, &script.closings, &script.positives,
                               &script.negatives};
    int section = 0;
    for (qsizetype i = 1; i < lines.size() && section < 5; ++i) {
        const QString &line = lines.at(i);
        if (line == Separator)
            ++section;
        else if (section == 1)
            addQuestion(script, line);
        else
            sections[section]->append(entry(line));
    }
    return script;
}
