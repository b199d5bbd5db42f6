// Saves tried the way storage software tests itself: every I/O call of
// "tavrin-cli check --write" fails in turn, or the program dies just before or
// after it; the next opening must then find the old set or the new one, whole,
// with the backups of a finished save and no leftovers. Odd files beside the
// data file are refused without a hang and without a write.

#include "core/coretest.h"
#include "store/dataset.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>

namespace {

const char *const Endings[] = {"tvr", "opr", "jnr"};

struct Run {
    int status;
    QString err;
};

struct Fault {
    qint64 failAt = 0, crashBefore = 0, crashAfter = 0;
    int error = EIO;
    QString log, failReadsOf;
};

// The three files as another program left them: UTF-8 with accents, so that
// the save rewrites each of them in Windows-1252.
QByteArray oldContent(int k) {
    const QByteArray tag = k == 0 ? "00000" : "0000";
    QByteArray text;
    for (const char *name : {"Société Générale", "Crédit Agricole"})
        text += "<BLOC" + tag + ">\r\n10001\r\n01/02/2024\r\n" + name + "\r\nrue d'Été\r\n</BLOC" +
                tag + ">\r\n";
    return text;
}

// On a memory file system where there is one: the sweep makes thousands of
// flushes.
QString scratch() {
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable()
               ? QStringLiteral("/dev/shm/tavrin-pannes-XXXXXX")
               : QDir::tempPath() + QStringLiteral("/tavrin-pannes-XXXXXX");
}

class Set {
public:
    QTemporaryDir root{scratch()};
    QString name;
    bool linked;

    explicit Set(const QString &name, bool linked = false) : name(name), linked(linked) { reset(); }

    QString dir() const { return root.path(); }
    // Where the files really are: beside the names, or in a folder the names
    // link to.
    QString home() const { return linked ? root.filePath(QStringLiteral("vrai")) : dir(); }
    QString path(int k = 0) const { return dir() + u'/' + name + u'.' + Endings[k]; }
    QString real(int k) const { return home() + u'/' + name + u'.' + Endings[k]; }
    void reset() {
        QDir(dir()).removeRecursively();
        QDir().mkpath(home());
        for (int k = 0; k < 3; ++k) {
            writeFile(real(k), oldContent(k));
            if (linked)
                QVERIFY(QFile::link(real(k), path(k)));
        }
    }
    Run save(const Fault *fault = nullptr) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (fault) {
            env.insert("LD_PRELOAD", TAVRIN_FAULT_SHIM);
            env.insert("FAULT_DIR", dir());
            const std::pair<const char *, qint64> numbers[] = {{"FAULT_AT", fault->failAt},
                                                               {"CRASH_BEFORE", fault->crashBefore},
                                                               {"CRASH_AFTER", fault->crashAfter},
                                                               {"FAULT_ERRNO", fault->error}};
            for (const auto &[key, value] : numbers)
                env.insert(key, QString::number(value));
            env.insert("FAULT_LOG", fault->log);
            env.insert("FAIL_READS_OF", fault->failReadsOf);
        }
        p.setProcessEnvironment(env);
        p.start(TAVRIN_CLI, {"check", path(), "--write"});
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return {-1, QStringLiteral("délai dépassé")};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 137,
                QString::fromUtf8(p.readAllStandardError())};
    }
};

// The calls a save makes, by name, in order.
QStringList calls(const Set &set, Fault fault = {}) {
    fault.log = set.root.filePath(QStringLiteral("../appels-") + QFileInfo(set.dir()).fileName());
    set.save(&fault);
    QFile log(fault.log);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QStringList names = QString::fromLatin1(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    log.remove();
    return names;
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT

    QList<QByteArray> m_new; // the three files once saved

    // What the next opening finds; an empty string when all is well.
    QString verdict(const Set &set, const Run &run, bool failed) {
        DataSet next;
        QStringList said;
        next.setMessageHandler([&said](const QString &text) { said << text; });
        if (!next.Charge(set.path()))
            return "l'ouverture suivante échoue : " + said.join(u' ');
        int old = 0, fresh = 0;
        for (int k = 0; k < 3; ++k) {
            const QByteArray now = fileBytes(set.path(k));
            old += now == oldContent(k);
            fresh += now == m_new.at(k);
            if (set.linked && !QFileInfo(set.path(k)).isSymLink())
                return QStringLiteral("le lien %1 est remplacé").arg(set.path(k));
        }
        if (old != 3 && fresh != 3)
            return QStringLiteral("mélange : %1 anciens, %2 nouveaux").arg(old).arg(fresh);
        const bool backupTold = run.err.contains(QStringLiteral("copie de sauvegarde"));
        if (failed && run.status == 0 && fresh != 3)
            return QStringLiteral("un échec annoncé comme réussi");
        if (run.status != 0 && run.status != 137) {
            if (!run.err.startsWith(QStringLiteral("Impossible")) && !backupTold)
                return "message : " + run.err;
            if (fresh == 3 && !backupTold &&
                !run.err.contains(QStringLiteral("sera terminé à la prochaine ouverture")))
                return "annoncé en échec, terminé ensuite : " + run.err;
        }
        QStringList expected;
        for (int k = 0; k < 3; ++k) {
            const QString file = QFileInfo(set.real(k)).fileName();
            expected << file;
            // A finished save keeps what was opened as backups, unless it
            // said it could not.
            if (fresh == 3)
                expected << file + ".bak";
            if (fresh == 3 && !backupTold && fileBytes(set.real(k) + ".bak") != oldContent(k))
                return "copie de sauvegarde perdue : " + file;
        }
        const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden;
        QStringList found = QDir(set.home()).entryList(all);
        if (set.linked)
            found += QDir(set.dir()).entryList(all);
        for (const QString &file : found)
            if (!expected.contains(file) && file != QLatin1String("vrai"))
                return "reste : " + file;
        return {};
    }

private Q_SLOTS:
    void initTestCase() {
        Set set("suivi");
        const Run run = set.save();
        QCOMPARE(run.status, 0);
        for (int k = 0; k < 3; ++k) {
            m_new << fileBytes(set.path(k));
            QVERIFY(m_new.last() != oldContent(k));
        }
    }
    void everyCallOfASave_data() {
        columns<QString, bool>("name", "linked");
        row("plain name", "suivi", false);
        row("name outside Windows-1252", QStringLiteral("Łódź-Ω"), false);
        row("through symbolic links", "suivi", true);
    }
    void everyCallOfASave() {
        const auto [name, linked] = fetch<QString, bool>("name", "linked");
        Set set(name, linked);
        const qint64 count = calls(set).size();
        QVERIFY(count > 20);
        int tried = 0;
        // Dying after a call leaves what dying before the next one does: only
        // the last call needs both.
        for (qint64 at = 1; at <= count + 1; ++at) {
            QList<Fault> faults(3);
            faults[0].failAt = faults[1].failAt = at;
            faults[1].error = ENOSPC;
            faults[2].crashBefore = at;
            if (at > count) {
                faults.resize(1);
                faults[0] = Fault();
                faults[0].crashAfter = count;
            }
            for (const Fault &fault : std::as_const(faults)) {
                // Errors alike for every call but the writes: one sweep of both.
                if (fault.error == ENOSPC && (linked || name != QLatin1String("suivi")))
                    continue;
                set.reset();
                const Run run = set.save(&fault);
                const QString wrong = verdict(set, run, fault.failAt > 0);
                if (!wrong.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("appel %1 (%2), échec %3, arrêt %4/%5 : %6")
                                         .arg(at)
                                         .arg(calls(set).value(at - 1))
                                         .arg(fault.failAt ? fault.error : 0)
                                         .arg(fault.crashBefore)
                                         .arg(fault.crashAfter)
                                         .arg(wrong)));
                ++tried;
            }
        }
        qInfo("%d faults tried over %lld calls", tried, count);
    }
    // A rename of the save fails, and the program dies at any later point of
    // putting the old files back.
    void crashWhileUndoing() {
        Set set("suivi");
        const QStringList names = calls(set);
        int tried = 0;
        for (qint64 at = 1; at <= names.size(); ++at) {
            if (names.at(at - 1) != QLatin1String("rename"))
                continue;
            Fault failing;
            failing.failAt = at;
            set.reset();
            const qint64 total = calls(set, failing).size();
            for (qint64 crash = at + 1; crash <= total; ++crash) {
                Fault both = failing;
                both.crashBefore = crash;
                set.reset();
                const Run run = set.save(&both);
                const QString wrong = verdict(set, run, true);
                if (!wrong.isEmpty())
                    QFAIL(qPrintable(
                        QStringLiteral("échec %1, arrêt %2 : %3").arg(at).arg(crash).arg(wrong)));
                ++tried;
            }
        }
        QVERIFY(tried > 0);
        qInfo("%d double faults tried", tried);
    }
    // What stands beside the data file instead of a record file.
    void oddFilesAreRefused_data() {
        QTest::addColumn<QString>("kind");
        row("pipe", "fifo");
        row("link to /dev/zero", "zero");
        row("folder", "dossier");
        row("read error", "eio");
    }
    void oddFilesAreRefused() {
        QFETCH(QString, kind);
        Set set("suivi");
        const QString opr = set.path(1);
        Fault fault;
        if (kind == "eio") // a file there, whose reading fails
            fault.failReadsOf = QStringLiteral(".opr");
        else
            QVERIFY(QFile::remove(opr));
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(opr).constData(), 0644), 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", opr));
        else if (kind == "dossier")
            QVERIFY(QDir().mkdir(opr));
        const Run run = set.save(&fault);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("Impossible de lire le fichier " + opr + " : "),
                 qPrintable(run.err));
        QCOMPARE(fileBytes(set.path(0)), oldContent(0));
        QCOMPARE(fileBytes(set.path(2)), oldContent(2));
        QCOMPARE(QDir(set.dir()).entryList(QDir::Files | QDir::System).size(),
                 kind == "dossier" ? 2 : 3);
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
