#include "interview/dialogue.h"

namespace {

// Word total over answer count, to the nearest integer, halves to even.
int average(int total, int count) {
    if (count == 0)
        return total;
    int q = total / count;
    const int twice = 2 * (total % count);
    if (twice > count || (twice == count && q % 2 != 0))
        ++q;
    return q;
}

} // namespace

QString Dialogue::message(Start start) {
    switch (start) {
    case Start::NoScript:
        return QStringLiteral("Aucun script n'est chargé");
    case Start::NoName:
        return QStringLiteral("Il manque le nom");
    case Start::Incomplete:
        return QStringLiteral("Le script est incomplet");
    case Start::Started:
        break;
    }
    return QString();
}

Dialogue::Start Dialogue::Nouveaudial(const QString &name, const QString &firstName,
                                      const QString &title) {
    if (!hasScript())
        return Start::NoScript;
    const QString who = name.trimmed();
    if (who.isEmpty())
        return Start::NoName;
    Script script = Script::parse(m_scriptLines);
    if (!script.complete())
        return Start::Incomplete;
    m_answers = 0;
    m_score = StartScore;
    m_wordTotal = 0;
    m_turnLimit = BaseTurns + m_random.bounded(ExtraTurns);
    m_caption = who + u' ' + firstName.trimmed();
    m_running = true;
    m_script = std::move(script);
    m_transcript = {m_caption};
    m_lastAnswer.clear();
    QString opening = draw(m_script.openings);
    const qsizetype marker = opening.indexOf(QLatin1String("[TITRE]"));
    if (marker >= 0)
        opening.replace(marker, 7, title.trimmed());
    say(opening);
    return Start::Started;
}

QString Dialogue::padded(const QString &typed) {
    return EffacePonctuation(u' ' + trimControls(lowerAscii(typed)) + u' ');
}

void Dialogue::submit(const QString &typed) {
    if (!m_running)
        return;
    const QString answer = padded(typed);
    m_lastAnswer = typed;
    m_transcript.append(typed);
    const bool closing = Reponse(answer);
    CalculScore(answer);
    ++m_answers;
    if (m_answers > m_turnLimit)
        m_running = false;
    if (closing)
        summary(QStringLiteral("Vous aavez réalisé ")); // sic: kept on purpose
}

bool Dialogue::Reponse(const QString &answer) {
    if (answer.size() < 5) {
        say(QStringLiteral("Je vous écoute..."));
        return false;
    }
    const QString folded = SansAccents(answer);
    QStringList candidates;
    for (const QString &entry : std::as_const(m_script.keywords)) {
        const qsizetype hyphen = entry.indexOf(u'-');
        if (hyphen < 0 || !folded.contains(QStringView(entry).left(hyphen)))
            continue;
        bool ok = false;
        const int n = QStringView(entry).mid(hyphen + 1).toInt(&ok);
        if (!ok || n < 1 || n > m_script.questions.size())
            continue;
        QString &question = m_script.questions[n - 1];
        if (question.startsWith(u'*'))
            continue;
        candidates.append(question);
        question.prepend(u'*');
    }
    if (!candidates.isEmpty()) {
        say(draw(candidates));
        return false;
    }
    const bool closing = m_answers >= m_turnLimit;
    QString line = draw(closing ? m_script.closings : m_script.questions);
    if (line.startsWith(u'*'))
        line.remove(0, 1);
    say(line);
    return closing;
}

void Dialogue::CalculScore(const QString &answer) {
    const qsizetype length = answer.size();
    if (length <= 10)
        m_score -= 5;
    else if (length <= 20)
        ;
    else if (length <= 30)
        m_score += 5;
    else if (length <= 50)
        m_score += 10;
    else if (length <= 70)
        m_score += 15;
    else if (length <= 999)
        m_score += 20;
    for (const QString &word : std::as_const(m_script.positives))
        if (!word.isEmpty() && answer.contains(word))
            m_score += 10;
    for (const QString &word : std::as_const(m_script.negatives))
        if (!word.isEmpty() && answer.contains(word))
            m_score -= 10;
    m_wordTotal += NbMots(answer);
}

void Dialogue::FinDial() {
    summary(QStringLiteral("Vous avez réalisé "));
}

void Dialogue::summary(const QString &achieved) {
    m_transcript +=
        {QString(), QStringLiteral("Votre score"),
         achieved + QString::number(m_score) + QStringLiteral(" points"),
         QStringLiteral("Longueur moyenne d'une réponse : ") +
             QString::number(average(m_wordTotal, m_answers)) + QStringLiteral(" mots")};
}

void Dialogue::say(const QString &line) {
    m_recruiterLine = line;
    m_transcript.append(line);
}

QString Dialogue::draw(const QStringList &from) {
    return from.isEmpty() ? QString() : from.at(m_random.bounded(int(from.size())));
}
