#pragma once

#include <QString>
#include <QStringList>

// The notepad's text and its list of lines (TBlocnotes Init/Result): every
// line ends with a line break, and a final break opens no extra line, so a
// list survives the round trip through the memo unchanged.
QString notepadText(const QStringList &lines);
QStringList notepadLines(const QString &text);
