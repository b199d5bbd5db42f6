#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QProgressBar;

// The progress of an import that lasts: modal, it comes up only once the
// import has run for showAfterMs; "Annuler" asks the import to stop.
class TImportProgress : public QDialog {
    Q_OBJECT
public:
    static inline int showAfterMs = 500; // tests lower it

    TImportProgress(const QString &fileName, QWidget *parent = nullptr);

    // The import's progress callback: lines read and in all; false once
    // "Annuler" was pressed.
    bool step(qsizetype done, qsizetype total);
    bool cancelled() const { return m_cancelled; }

private:
    QElapsedTimer m_clock;
    QProgressBar *m_bar;
    bool m_cancelled = false;
};
