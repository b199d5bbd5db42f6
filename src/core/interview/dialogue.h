#pragma once

#include "interview/randomsource.h"
#include "interview/script.h"

#include <QString>
#include <QStringList>

// A practice interview with the scripted recruiter: what the dialogue window
// shows, without the window.
class Dialogue {
public:
    static constexpr int BaseTurns = 15, ExtraTurns = 10, StartScore = 100;

    explicit Dialogue(RandomSource &random) : m_random(random) {}

    // The lines of the script file; fewer than 3 means no script.
    void setScript(const QStringList &lines) { m_scriptLines = lines; }
    bool hasScript() const { return m_scriptLines.size() >= Script::MinLines; }
    // The caption of the recruiter's box, when the script has a first line.
    QString recruiterLabel() const { return m_scriptLines.value(0); }

    enum class Start { Started, NoScript, NoName, Incomplete };
    // Starts a dialogue with the candidate the identity window gave (values
    // trimmed here). Nothing is reset unless it starts.
    Start Nouveaudial(const QString &name, const QString &firstName, const QString &title);
    static QString message(Start start);

    // The answer box is editable.
    bool running() const { return m_running; }
    // An answer as typed, while the dialogue runs.
    void submit(const QString &typed);
    // Appends the summary; "Terminer dialogue" also stops the dialogue.
    void FinDial();
    void stop() { m_running = false; }

    // The answer as the rules read it: lowered, trimmed, one space each side,
    // punctuation blanked.
    static QString padded(const QString &typed);
    // Chooses the recruiter's next line; true when that line closes the dialogue.
    bool Reponse(const QString &padded);
    void CalculScore(const QString &padded);

    QString caption() const { return m_caption; }
    QString recruiterLine() const { return m_recruiterLine; }
    QString lastAnswer() const { return m_lastAnswer; }
    const QStringList &transcript() const { return m_transcript; }
    const Script &script() const { return m_script; }
    int score() const { return m_score; }
    int answers() const { return m_answers; }
    int turnLimit() const { return m_turnLimit; }
    int wordTotal() const { return m_wordTotal; }

private:
    void say(const QString &line);
    QString draw(const QStringList &from);
    void summary(const QString &achieved);

    RandomSource &m_random;
    QStringList m_scriptLines;
    Script m_script;
    QStringList m_transcript;
    QString m_caption, m_recruiterLine, m_lastAnswer;
    int m_answers = 0;
    int m_turnLimit = BaseTurns;
    int m_score = StartScore;
    int m_wordTotal = 0;
    bool m_running = false;
};
