#pragma once

#include "common/smalldialog.h"

class QLineEdit;

// The search dialogs: a label, one input that is empty when the dialog
// opens, "Annuler" (also Escape) and "OK" (also Enter in the input).
class SearchDialog : public SmallDialog {
    Q_OBJECT
public:
    SearchDialog(const QString &caption, const QString &label, bool digitsOnly, QWidget *parent);

    // The typed text when OK closed the dialog, else empty.
    QString Result() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    bool m_digitsOnly;
};

class TRNom : public SearchDialog {
    Q_OBJECT
public:
    explicit TRNom(QWidget *parent = nullptr)
        : SearchDialog(QStringLiteral("Recherche par nom"), QStringLiteral("Début nom"), false,
                       parent) {}
};

class TRTel : public SearchDialog {
    Q_OBJECT
public:
    explicit TRTel(QWidget *parent = nullptr)
        : SearchDialog(QStringLiteral("Recherche par téléphone"), QStringLiteral("Téléphone"), true,
                       parent) {}
};

class TRNum : public SearchDialog {
    Q_OBJECT
public:
    explicit TRNum(QWidget *parent = nullptr)
        : SearchDialog(QStringLiteral("Recherche par fiche"), QStringLiteral("N° de fiche"), true,
                       parent) {}
};

class TRDeci : public SearchDialog {
    Q_OBJECT
public:
    explicit TRDeci(QWidget *parent = nullptr)
        : SearchDialog(QStringLiteral("Recherche par décideur"), QStringLiteral("Début nom"), false,
                       parent) {}
};

class TRRes : public SearchDialog {
    Q_OBJECT
public:
    explicit TRRes(QWidget *parent = nullptr)
        : SearchDialog(QStringLiteral("Rechercher résumé"), QStringLiteral("Résumé"), false,
                       parent) {}
};

class TRAct : public SearchDialog {
    Q_OBJECT
public:
    explicit TRAct(QWidget *parent = nullptr)
        : SearchDialog(QStringLiteral("Rechercher action"), QStringLiteral("Résumé"), false,
                       parent) {}
};
