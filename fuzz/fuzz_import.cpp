// The import reader on arbitrary bytes: whatever the file holds, the company
// list keeps balanced tags, one block per number, the count it reports, the
// companies that were there, and no NUL character; its lines are read()'s.
#include "exchange/export.h"
#include "exchange/import.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir dir;
    if (size == 0)
        return 0;
    // The first byte chooses the separator the name calls for.
    const QString path = dir.filePath(data[0] & 1 ? "entree.csv" : "entree.txt");
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }
    DataSet set;
    set.Ajout(Kind::Company);
    set.company().name = QStringLiteral("Déjà là");
    set.markEdited(Kind::Company);
    set.EcritFiche();

    // The import reads the file's lines in one text, as read() gives them.
    const TextFile::LineText text = TextFile::readLineText(path);
    const QStringList lines = TextFile::read(path);
    require(text.lines.size() == lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        require(text.lines.at(i) == lines.at(i));

    Import::Result result;
    require(Import::importFile(set, path, result) == Import::Status::Done);
    const BlocList &list = set.list(Kind::Company);
    const int count = set.count(Kind::Company);
    require(count == 1 + result.imported);
    require(list.countTags() == count);
    require(int(list.index().closes.size()) == count);
    const std::vector<int> &numbers = list.tagNumbers();
    for (int i = 0; i < count; ++i)
        require(numbers[std::size_t(i)] == i);
    require(Company::read(list, 0, QDate()).name == QStringLiteral("Déjà là"));
    for (const QString &line : list.toList())
        require(!line.contains(QChar(0)));
    BlocList copy = list;
    int verified = count;
    require(!copy.Verif(verified) && !copy.Doublons(verified));
    require(Export::text(list, Export::Format::Txt).count(QLatin1String("\r\n")) == count - 1);
    return 0;
}
