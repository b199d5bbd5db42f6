#pragma once

#include "store/bloclist.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One former employer of the candidate, a block of the profile's employer list.
struct Employer {
    QString company, activity, address, postalCode, town, position, department;
    QString entry, leaving; // as typed in the date mask
    bool stillEmployed = false;
    QStringList responsibilities;
    QStringList tail; // the block's other lines, written back as they were

    static constexpr int ScanLimit = 200;

    // Block `block` of the list, or an empty employer when it does not exist.
    static Employer read(const BlocList &list, int block);
    // Content lines of the block, without the tags.
    QStringList lines() const;
    bool operator==(const Employer &) const = default;
};

// The candidate's profile ("Mon profil"), read from the lines of Tavrin.moi and
// written back into them. Holds what the profile window shows: the sections,
// the employer list, the current employer and the two change flags.
class Profile {
public:
    static constexpr int IdentityCount = 14, FormationCount = 18, SkillCount = 14,
                         CharacteristicCount = 24, LanguageRow = 10;
    static constexpr int MaxEmployers = 9999;
    // A date mask nobody typed in.
    static const QString BlankDate;
    static const QStringList Markers; // "PAGE1" ... "PAGE6"
    static const QStringList IdentityLabels, EmployerLabels, SkillLabels, CharacteristicLabels;

    std::array<QString, IdentityCount> identity;
    // Year and title of five courses, then language and level of four.
    std::array<QString, FormationCount> formation;
    QStringList divers;
    std::array<int, SkillCount> skills{};
    QStringList knowledge;
    std::array<int, CharacteristicCount> characteristics;

    Profile();

    // Fills the profile from the profile list. False, with the message in
    // error, when a rating is not an integer; the profile is then unusable.
    bool Init(const QStringList &lines, QString *error = nullptr);
    // Stores the current employer, tidies the list and, when something
    // changed, returns the new profile list.
    std::optional<QStringList> Result();

    const BlocList &employers() const { return m_employers; }
    int count() const { return m_count; }
    int current() const { return m_current; }
    // "current/count", from 1.
    QString indicator() const;
    // The employer in the fields of the window.
    const Employer &employer() const { return m_employer; }
    // An edit of the employer's fields.
    void setEmployer(const Employer &employer);

    void previous();
    void next();
    // False ("Le fichier est plein") when the list cannot grow.
    bool newEmployer();
    void deleteEmployer();

    // "field : level".
    void addKnowledge(const QString &field, const QString &level);
    void removeKnowledge(int row);

    bool changed() const { return m_changed; }
    bool employerChanged() const { return m_employerChanged; }
    // An edit of an identity, formation or rating field.
    void markChanged() { m_changed = true; }

    void LitFiche();
    void EcritFiche();

private:
    // Gives the blocks the numbers 0 to count - 1 in list order, unless they
    // already carry each of them once.
    void renumberIfNeeded();

    BlocList m_employers{5};
    Employer m_employer;
    int m_count = 0;
    int m_current = 0;
    bool m_changed = false;
    bool m_employerChanged = false;
};
