#include "interview/transcript.h"

#include "store/records.h"
#include "store/textfile.h"

#include <QFileInfo>

namespace Transcript {

QString fileName(const QString &chosen) {
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".txt");
}

bool save(const QString &path, const QString &text, QString *error) {
    return TextFile::write(path, TextLines::fromText(text), error);
}

} // namespace Transcript
