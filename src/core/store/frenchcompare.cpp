#include "store/frenchcompare.h"

FrenchCompare::FrenchCompare() : m_collator(QLocale(QLocale::French, QLocale::France)) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Digits compare one by one, as characters; spaces and punctuation count.
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}
