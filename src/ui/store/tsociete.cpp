#include "store/tsociete.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TSociete::TSociete(QWidget *parent) : SmallDialog(QStringLiteral("Société"), parent) {
    auto *heading = new QLabel(QStringLiteral("Lignes constituant l'en-tête de votre courrier"));
    heading->setObjectName(QStringLiteral("labelEnTete"));
    heading->setAlignment(Qt::AlignCenter);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    heading->setFont(font);

    const QString labels[] = {QStringLiteral("Nom Prénom"), QStringLiteral("Adresse"),
                              QStringLiteral("Adresse"), QStringLiteral("CP Ville"),
                              QStringLiteral("Téléphone")};
    auto *form = new QFormLayout;
    for (int i = 0; i < 5; ++i) {
        m_edits[i] = new QLineEdit;
        m_edits[i]->setObjectName(QStringLiteral("editIdentite%1").arg(i + 1));
        m_edits[i]->setMinimumWidth(280);
        form->addRow(labels[i], m_edits[i]);
    }
    auto *content = new QVBoxLayout;
    content->addWidget(heading);
    content->addSpacing(8);
    content->addLayout(form);
    finish(content);
}

void TSociete::Init(const QStringList &lines) {
    for (int i = 0; i < 5; ++i)
        m_edits[i]->setText(lines.value(i));
    m_edits[0]->setFocus();
}

QStringList TSociete::Result() const {
    if (!isAccepted())
        return {};
    QStringList lines;
    for (const QLineEdit *edit : m_edits)
        lines.append(edit->text());
    return lines;
}
