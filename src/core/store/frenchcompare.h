#pragma once

#include <QCollator>
#include <QStringView>

// Compares texts as a French user's locale does, case ignored: the order of
// every sort and table of the program, whatever locale the machine runs in.
class FrenchCompare {
public:
    FrenchCompare();

    // Negative, zero or positive as a sorts before, with or after b.
    int compare(QStringView a, QStringView b) const { return m_collator.compare(a, b); }
    bool operator()(QStringView a, QStringView b) const { return compare(a, b) < 0; }
    // A key that compares as the text does, for sorts that compare each
    // text many times.
    QCollatorSortKey sortKey(const QString &text) const { return m_collator.sortKey(text); }

private:
    QCollator m_collator;
};
