#pragma once

#include "interview/dialogue.h"
#include "interview/randomsource.h"

#include <QDialog>

#include <memory>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The practice interview: the recruiter's line, the answer box and the last
// answer on the first page, the transcript on the second, the script on the
// third. The dialogue itself is the core's.
class TDial : public QDialog {
    Q_OBJECT
public:
    // Draws come from random, or from the clock when none is given.
    explicit TDial(QWidget *parent = nullptr, RandomSource *random = nullptr);
    ~TDial() override;

    // Asks who the candidate is and starts a dialogue.
    void Nouveaudial();
    void FinDial();
    const Dialogue &dialogue() const { return m_dialogue; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *barButton(const char *name, const QString &hint, int icon);
    QPlainTextEdit *memo(const char *name);
    void FormShow();
    void Memo2KeyPress();
    void terminate();
    void showPage(int page);
    // The transcript page as a text file, and on the run's printer.
    void saveTranscript();
    void printTranscript();
    // Brings the boxes and the transcript up to the dialogue's state.
    void refresh();

    std::unique_ptr<RandomSource> m_ownRandom;
    Dialogue m_dialogue;
    qsizetype m_transcriptShown = 0;

    QToolButton *m_new;
    QToolButton *m_end;
    QToolButton *m_summary;
    QPushButton *m_close;
    QStackedWidget *m_pages;
    QGroupBox *m_recruiterBox;
    QPlainTextEdit *m_recruiter;
    QPlainTextEdit *m_answer;
    QPlainTextEdit *m_said;
    QPlainTextEdit *m_transcript;
    QPlainTextEdit *m_script;
};
