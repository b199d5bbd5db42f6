// The record card's import and export commands: dialogs and messages around
// the exchange rules of the core.
#include "card/tfiche.h"

#include "common/dialogs.h"
#include "exchange/export.h"
#include "exchange/import.h"
#include "exchange/timportprogress.h"

#include <QApplication>

namespace {

// "Ficher": the spelling users know, kept on purpose.
const QString ImportFilter =
    QStringLiteral("Ficher texte+tabulations (*.txt *.tsv);;Fichier texte+point-virgule (*.csv)");
const QString ExportFilter = QStringLiteral(
    "Fichier texte+tabulation (*.txt);;Fichier texte+point-virgule (*.csv);;Fichier xml (*.xml)");

} // namespace

int TFiche::Importer() {
    const QString path =
        Dialogs::instance().openFileName(this, QStringLiteral("Importer"), ImportFilter);
    if (path.isEmpty())
        return -1;
    TextFile::LineText lines;
    QChar separator;
    const Import::Status status = Import::readFile(path, lines, separator);
    if (status != Import::Status::Done) {
        Dialogs::instance().message(this, Import::message(status, path));
        return -1;
    }
    // Companies are imported from any page; the company page then shows them.
    if (m_kind != Kind::Company)
        Societes();
    collect();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TImportProgress progress(path, this);
    const Import::Result result = Import::importLines(
        m_data, lines.lines, separator,
        [&progress](qsizetype done, qsizetype total) { return progress.step(done, total); });
    progress.hide();
    QApplication::restoreOverrideCursor();

    display(Kind::Company);
    if (result.truncated)
        Dialogs::instance().message(this, Import::TruncatedMessage);
    if (result.cancelled)
        return -1;
    Q_EMIT dataSetChanged();
    return result.imported;
}

void TFiche::Exporter() {
    collect();
    m_data.EcritFiche();
    const auto formatOf = [](int type) { return Export::Format(std::clamp(type, 1, 3)); };
    int type = 1;
    const QString name = Dialogs::instance().saveFileName(
        this, QStringLiteral("Exporter"), ExportFilter, QStringLiteral("Export.txt"), &type,
        [&](const QString &typed, int chosen) {
            return Export::withExtension(typed, formatOf(chosen));
        });
    if (name.isEmpty())
        return;
    const auto format = formatOf(type);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString message;
    const bool written = Export::write(name, m_data.list(Kind::Company), format, &message);
    QApplication::restoreOverrideCursor();
    if (!written)
        Dialogs::instance().message(this, message);
}
