#pragma once

#include "profile/profile.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;

// "Mon profil": the candidate's identity, education, former employers,
// ratings and knowledge, on six tabs. The profile itself is the core's; the
// window shows it and reports every edit. No way of closing it cancels.
class TMoi : public QDialog {
    Q_OBJECT
public:
    explicit TMoi(QWidget *parent = nullptr);

    // Fills the window from the profile list; false, with the message in
    // error, when a rating is not an integer (the window must not be shown).
    bool Init(const QStringList &lines, QString *error = nullptr);
    // The new profile list when something changed.
    std::optional<QStringList> Result();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *identityTab();
    QWidget *formationTab();
    QWidget *employerTab();
    QWidget *skillsTab();
    QWidget *knowledgeTab();
    QWidget *characteristicsTab();
    QLineEdit *edit(const QString &name, bool onEmployer = false);
    QLineEdit *dateEdit(const QString &name, bool onEmployer = false);
    QSpinBox *rating(const QString &name, int low, int high);
    QToolButton *employerButton(const char *name, const QString &hint, const QString &text);

    void fill();
    void LitFiche();
    void collect();
    // An edit: of the profile, or of the employer shown.
    void edited();
    void employerEdited();
    void addKnowledge();
    void removeKnowledge();

    Profile m_profile;
    bool m_filling = false;

    QTabWidget *m_tabs;
    QComboBox *m_title;
    std::array<QLineEdit *, Profile::IdentityCount - 1> m_identity;
    std::array<QLineEdit *, Profile::FormationCount> m_formation;
    QPlainTextEdit *m_divers;
    std::array<QLineEdit *, 7> m_employer;
    QLineEdit *m_entry;
    QLineEdit *m_leaving;
    QCheckBox *m_stillEmployed;
    QPlainTextEdit *m_responsibilities;
    QLabel *m_position;
    std::array<QSpinBox *, Profile::SkillCount> m_skills;
    QComboBox *m_field;
    QComboBox *m_level;
    QListWidget *m_knowledge;
    std::array<QSpinBox *, Profile::CharacteristicCount> m_characteristics;
};
