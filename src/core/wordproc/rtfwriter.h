#pragma once

#include "store/textfile.h"

#include <QByteArray>
#include <QStringList>

class QTextDocument;

namespace WordProc {

// The document as RTF in the layout the HTML export reads, a line per item
// (the file ends each with CR LF). Only ASCII is written: the other
// characters as \'hh when Windows-1252 has them, \uN? beyond.
QStringList writeRtf(const QTextDocument &document);
// The same as the file's bytes, every line ended by CR LF: no line is held
// twice, and a huge paragraph is read from the document a slice at a time.
QByteArray rtfFile(const QTextDocument &document);
// The same bytes handed to sink a few megabytes at a time, so that a huge
// document is never held twice; false when the sink refused a part.
bool writeRtfTo(const QTextDocument &document, const TextFile::ByteSink &sink);

} // namespace WordProc
