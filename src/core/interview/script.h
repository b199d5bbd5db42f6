#pragma once

#include <QString>
#include <QStringList>

// Normalising the candidate's answers.
QString EffacePonctuation(QString text);
// Folds the lower-case accented letters à â ç è é ê ë î ï ô ö ù û only.
QString SansAccents(QString text);
int NbMots(const QString &text);
// Trims spaces and control characters at both ends.
QString trimControls(const QString &text);
// Lowers the letters A to Z only.
QString lowerAscii(QString text);

// The recruiter's script (Recrut.scp): a label line, then five sections ended
// by a line "\*": openings, questions with their keywords, closings, good
// words and bad words.
struct Script {
    static constexpr int MinLines = 3;
    static constexpr int QuestionMin = 20; // a question must be longer

    QString label;
    QStringList openings;
    QStringList questions;
    // " keyword -N", N counting the retained questions from 1.
    QStringList keywords;
    QStringList closings;
    QStringList positives;
    QStringList negatives;

    static Script parse(const QStringList &lines);
    // Something to say at the start, in the dialogue and at the end.
    bool complete() const {
        return !openings.isEmpty() && !questions.isEmpty() && !closings.isEmpty();
    }
};
