// Damaged record files: opening, saving and opening again must keep every
// intact block, and the saved data set must open without a repair.
#include "store/dataset.h"
#include "store/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// What no repair may lose, found apart from the store's own code: the intact
// blocks of a record file, each an exact opening tag, its lines and its exact
// closing tag, the newest copy where a number repeats.
namespace Intact {

// The number of a line that is exactly a tag of the width, or -1.
int tagNumber(const QString &line, int width, bool closing) {
    const QString head = closing ? QStringLiteral("</BLOC") : QStringLiteral("<BLOC");
    if (line.size() != head.size() + width + 1 || !line.startsWith(head) || !line.endsWith(u'>'))
        return -1;
    int n = 0;
    for (const QChar c : QStringView(line).mid(head.size(), width)) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The lines of the newest intact copy of each number.
QHash<int, QStringList> newestBlocks(const QStringList &lines, int width) {
    QHash<int, QStringList> blocks;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int n = tagNumber(lines.at(i), width, false);
        if (n < 0)
            continue;
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            if (tagNumber(lines.at(j), width, false) >= 0)
                break;
            const int m = tagNumber(lines.at(j), width, true);
            if (m < 0)
                continue;
            if (m == n)
                blocks.insert(n, lines.mid(i + 1, j - i - 1));
            break;
        }
    }
    return blocks;
}

// Every expected block's lines stand as a whole block of the saved lines;
// the first one missing, or an empty list.
QStringList firstMissing(const QHash<int, QStringList> &expected, const QStringList &saved,
                         int width) {
    QList<QStringList> found = newestBlocks(saved, width).values();
    // Saved blocks are numbered once each, so newestBlocks sees them all.
    for (const QStringList &block : expected) {
        const auto at = std::find(found.begin(), found.end(), block);
        if (at == found.end())
            return block.isEmpty() ? QStringList{QStringLiteral("(bloc vide)")} : block;
        found.erase(at);
    }
    return {};
}

} // namespace Intact

QString scratch() {
    // In memory: a run costs microseconds, not the disk's milliseconds.
    static const QString dir = [] {
        const QString path = QStringLiteral("/dev/shm/tavrin-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        return path;
    }();
    return dir;
}

void put(const QString &path, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
}

[[noreturn]] void failure(const char *what, const QStringList &lines = {}) {
    std::fprintf(stderr, "fuzz_store: %s\n", what);
    for (const QString &line : lines)
        std::fprintf(stderr, "  |%s|\n", line.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_store";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    // First byte even: the bytes are the company file alone; odd: the three
    // files, cut at each "\x01\x02" pair.
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArrayView> files{input.isEmpty() ? input : input.sliced(1)};
    if (!input.isEmpty() && (input[0] & 1)) {
        files.clear();
        QByteArrayView rest = input.sliced(1);
        for (int k = 0; k < 2; ++k) {
            const qsizetype cut = rest.indexOf(QByteArrayView("\x01\x02"));
            files.append(cut < 0 ? rest : rest.first(cut));
            rest = cut < 0 ? QByteArrayView() : rest.sliced(cut + 2);
        }
        files.append(rest);
    }

    const QString dir = scratch();
    const QString in = dir + QStringLiteral("/entree.tvr"),
                  out = dir + QStringLiteral("/sortie.tvr");
    const char *endings[] = {"tvr", "opr", "jnr"};
    for (int k = 0; k < 3; ++k) {
        const QString path = in.left(in.size() - 3) + QLatin1String(endings[k]);
        if (k < files.size())
            put(path, files[k]);
        else
            QFile::remove(path);
    }

    DataSet first;
    first.setMessageHandler([](const QString &) {});
    if (!first.Charge(in))
        failure("the data set does not open");
    QList<QHash<int, QStringList>> expected;
    int counts[3];
    for (int k = 0; k < 3; ++k) {
        const int width = k == 0 ? 5 : 4;
        bool ok = false;
        const QString path = in.left(in.size() - 3) + QLatin1String(endings[k]);
        // What a save in Windows-1252 can hold of each line.
        QStringList lines = QFile::exists(path) ? TextFile::read(path, &ok) : QStringList();
        for (QString &line : lines)
            line = TextFile::decode(TextFile::encode(line));
        expected.append(Intact::newestBlocks(lines, width));
        counts[k] = first.count(Kind(k));
    }
    first.SetModif();
    if (!first.Sauve(out))
        failure("the data set cannot be saved");

    DataSet second;
    QStringList messages;
    second.setMessageHandler([&](const QString &text) { messages << text; });
    if (!second.Charge(out))
        failure("the saved data set does not open");
    if (!messages.isEmpty())
        failure("the saved data set is repaired again", messages);
    for (int k = 0; k < 3; ++k) {
        const BlocList &list = second.list(Kind(k));
        if (second.count(Kind(k)) != counts[k])
            failure("the counts change at the second opening");
        if (list.health() != BlocList::Health::Sound)
            failure("the saved list is not sound", list.toList());
        QFile saved(out.left(out.size() - 3) + QLatin1String(endings[k]));
        if (!saved.open(QIODevice::ReadOnly))
            failure("a saved file is missing");
        const QStringList lines = TextFile::splitLines(TextFile::decode(saved.readAll()));
        const QStringList missing = Intact::firstMissing(expected[k], lines, list.width());
        if (!missing.isEmpty())
            failure("an intact block was lost", missing);
    }
    return 0;
}
