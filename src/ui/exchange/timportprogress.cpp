#include "exchange/timportprogress.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TImportProgress::TImportProgress(const QString &fileName, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("importProgress"));
    setWindowTitle(QStringLiteral("Importer"));
    setModal(true);
    auto *name = new QLabel(QFileInfo(fileName).fileName());
    name->setObjectName(QStringLiteral("labelFichier"));
    m_bar = new QProgressBar;
    m_bar->setObjectName(QStringLiteral("progressLignes"));
    m_bar->setMinimumWidth(300);
    auto *cancel = new QPushButton(QStringLiteral("Annuler"));
    cancel->setObjectName(QStringLiteral("buttonAnnuler"));
    connect(cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(m_bar);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    m_clock.start();
}

bool TImportProgress::step(qsizetype done, qsizetype total) {
    if (!isVisible()) {
        if (m_clock.elapsed() < showAfterMs)
            return true;
        show();
    }
    // Lines, not bytes: a count that fits the bar's int range.
    m_bar->setMaximum(int(std::max<qsizetype>(total, 1)));
    m_bar->setValue(int(done));
    QApplication::processEvents();
    return !m_cancelled;
}
