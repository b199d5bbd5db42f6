// tavrin-bench: times the data-set operations on generated data sets and
// compares each with a plain read-and-split of the same files.
#include "generate.h"
#include "letters.h"
#include "timing.h"

#include "exchange/export.h"
#include "exchange/import.h"
#include "find/listrows.h"
#include "find/recordsort.h"
#include "find/search.h"
#include "print/addressprint.h"
#include "print/pdfsurface.h"
#include "profile/cv.h"
#include "profile/profile.h"
#include "reports/activityreport.h"
#include "reports/operationstats.h"
#include "reports/planning.h"
#include "store/dataset.h"
#include "store/recordlines.h"
#include "store/textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <malloc.h>
#include <map>
#include <vector>

namespace {

// The reference: read the bytes, decode them, split them into lines.
qsizetype plainReadSplit(const QStringList &paths) {
    qsizetype lines = 0;
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        lines += QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n")).size();
    }
    return lines;
}

// A printer that only counts what is drawn: the printouts' own cost.
class CountingSurface : public PrintSurface {
public:
    qsizetype calls = 0;
    bool beginDocument(const QString &) override { return true; }
    bool endDocument() override { return true; }
    void newPage() override { ++calls; }
    QString errorString() const override { return {}; }
    void setOrientation(Orientation o) override { m_orientation = o; }
    Orientation orientation() const override { return m_orientation; }
    int pageWidth() const override { return m_orientation == Orientation::Portrait ? 4724 : 6780; }
    int pageHeight() const override { return m_orientation == Orientation::Portrait ? 6780 : 4724; }
    double printableWidthMm() const override { return pageWidth() == 4724 ? 200 : 287; }
    double printableHeightMm() const override { return pageHeight() == 4724 ? 200 : 287; }
    void textOut(int, int, const QString &text) override { calls += text.size(); }
    void moveTo(int, int) override {}
    void lineTo(int, int) override { ++calls; }
    void fillRect(const QRect &, const QColor &) override {}
    void setFont(const Font &) override {}
    Font font() const override { return {}; }
    int textWidth(const QString &) const override { return 0; }
    int textHeight(const QString &) const override { return 0; }

private:
    Orientation m_orientation = Orientation::Portrait;
};

// An outside program's run, the reference of the exchange rows and the
// floors; what it prints is thrown away.
void runProgram(const QString &program, const QStringList &args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    p.waitForFinished(-1);
}

bool installed(const QString &program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// The floor a row is compared with: the best time of an outside program's
// run, or 0 when the program is not installed (reported as absent).
double floorOf(int runs, const QString &program, const std::function<void()> &work) {
    if (!installed(program)) {
        std::printf("%s absent : pas de plancher\n", qPrintable(program));
        return 0;
    }
    return best(runs, {}, work);
}

// The peak resident memory of a program's run in kilobytes, as GNU time
// reports it (a child forked from the bench itself would count the bench's
// own pages); -1 when it could not run.
long peakKilobytes(const QString &program, const QStringList &args) {
    const QString time = "/usr/bin/time";
    if (!QFileInfo(program).isExecutable() || !QFileInfo(time).isExecutable())
        return -1;
    QTemporaryDir dir;
    const QString report = dir.filePath("pic");
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(time, QStringList{"-f", "%M", "-o", report, program} + args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return -1;
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const long peak = file.readAll().trimmed().toLong(&ok);
    return ok ? peak : -1;
}

qint64 sizeOf(const QStringList &paths) {
    qint64 total = 0;
    for (const QString &path : paths)
        total += QFileInfo(path).size();
    return total;
}

struct Row {
    QString operation;
    int size;
    double ms;
    double reference;
};

// A profile of `employers` employers, each with two lines of responsibilities.
QStringList generatedProfile(int employers) {
    const BlocList tags(5);
    QStringList lines{"PAGE1"};
    lines += QStringList(14, "Valeur");
    lines += "PAGE2";
    lines += QStringList(18, "2001");
    lines += "PAGE3";
    for (int n = 0; n < employers; ++n) {
        lines += tags.openTag(n);
        lines += QStringList{"Société " + QString::number(n),
                             "Chimie",
                             "1 rue Haute",
                             "75001",
                             "Paris",
                             "Chef de projet",
                             "Études",
                             "01/02/1990",
                             "03/04/1999",
                             "N",
                             "MEMOEncadrer une équipe",
                             "MEMOSuivre les budgets"};
        lines += tags.closeTag(n);
    }
    lines += "PAGE4";
    lines += QStringList(14, "5");
    lines += "PAGE5";
    lines += "Chimie : Pratique";
    lines += "PAGE6";
    lines += QStringList(24, "2");
    return lines;
}

// Reading Tavrin.moi, the profile window's Init and Result, and the CV text.
std::vector<Row> profileRows(const QString &dir, volatile qsizetype &sink) {
    std::vector<Row> rows;
    for (const int employers : {1000, 9000}) {
        const int runs = 15;
        const QString path = dir + "/Tavrin" + QString::number(employers) + ".moi";
        TextFile::write(path, generatedProfile(employers));
        const double read = best(runs, {}, [&] { sink = sink + plainReadSplit({path}); });
        const QStringList lines = TextFile::read(path);
        rows.push_back({"Profil : lecture", employers,
                        best(runs, {}, [&] { sink = sink + TextFile::read(path).size(); }), read});
        rows.push_back({"Profil : Init", employers,
                        best(runs, {},
                             [&] {
                                 Profile p;
                                 sink = sink + p.Init(lines);
                             }),
                        read});
        Profile p;
        p.Init(lines);
        rows.push_back(
            {"Profil : Result", employers,
             best(
                 runs, [&] { p.markChanged(); }, [&] { sink = sink + p.Result()->size(); }),
             read});
        rows.push_back({"CV : texte", employers,
                        best(runs, {}, [&] { sink = sink + Cv::lines(lines).size(); }), read});
    }
    return rows;
}

} // namespace

int main(int argc, char **argv) {
    // glibc hands blocks above 32 MB back to the kernel when they are freed,
    // so that only the largest data set would pay for mapping fresh pages on
    // every run; keeping freed memory makes the sizes comparable.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    // The word processor's rows need fonts, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    // Writes a data set to look at in the windows: --generate DIR NAME COUNT.
    if (const qsizetype at = args.indexOf("--generate"); at > 0 && at + 3 < args.size()) {
        std::puts(qPrintable(
            Generate::dataSet(args.at(at + 1), args.at(at + 2), args.at(at + 3).toInt())));
        return 0;
    }
    if (args.contains("--letters")) {
        benchLetters();
        return 0;
    }
    std::vector<int> sizes{1000, 10000, 90000};
    if (const qsizetype at = args.indexOf("--size"); at > 0 && at + 1 < args.size())
        sizes = {args.at(at + 1).toInt()};

    // tavrin-cli beside the bench in the build tree, for the memory rows.
    QString cli = QCoreApplication::applicationDirPath() + "/../src/cli/tavrin-cli";
    if (const qsizetype at = args.indexOf("--cli"); at > 0 && at + 1 < args.size())
        cli = args.at(at + 1);

    QTemporaryDir dir;
    std::vector<Row> rows;
    struct Memory {
        int size;
        qint64 files;
        long peak; // kilobytes
    };
    std::vector<Memory> memory;
    volatile qsizetype sink = 0;
    for (const int size : sizes) {
        // Best of several runs: the smaller sizes are quick enough for more.
        const int runs = size > 10000 ? 15 : 25;
        const QString tvr = Generate::dataSet(dir.path(), "bench" + QString::number(size), size);
        const QString stem = tvr.left(tvr.size() - 3);
        const QStringList all{tvr, stem + "opr", stem + "jnr"};
        const double readAll = best(runs, {}, [&] { sink = sink + plainReadSplit(all); });
        const double readCompanies = best(runs, {}, [&] { sink = sink + plainReadSplit({tvr}); });

        DataSet data;
        const double charge = best(runs, {}, [&] { sink = sink + data.Charge(tvr); });
        rows.push_back({"Charge (avec contrôles)", size, charge, readAll});
        // The floors: decoding the three files, copying them to the disk.
        const double iconv = floorOf(runs, "iconv", [&] {
            runProgram("iconv", QStringList{"-f", "cp1252", "-t", "utf-8"} + all);
        });
        rows.push_back({"Charge (référence iconv)", size, charge, iconv});

        const QString copy = dir.filePath("copie.tvr");
        const double sauve = best(
            runs, [&] { data.SetModif(); }, [&] { sink = sink + data.Sauve(copy); });
        rows.push_back({"Sauve", size, sauve, readAll});
        QDir(dir.path()).mkpath("cp");
        const QString cpDir = dir.filePath("cp");
        QStringList copied;
        for (const QString &path : all)
            copied << cpDir + "/" + QFileInfo(path).fileName();
        const double cp = installed("sync")
                              ? floorOf(runs, "cp",
                                        [&] {
                                            runProgram("cp", all + QStringList{cpDir});
                                            runProgram("sync", copied);
                                        })
                              : 0;
        rows.push_back({"Sauve (référence cp + sync)", size, sauve, cp});

        memory.push_back({size, sizeOf(all), peakKilobytes(cli, {"check", tvr})});

        const QStringList companies = TextFile::read(tvr);
        // 1 % of the blocks written twice, the copies spread through the file.
        QStringList withDuplicates = companies;
        {
            const BlocList reference(5);
            for (int n = size - 1; n >= 0; n -= 100) {
                const qsizetype at = withDuplicates.indexOf(reference.openTag(n));
                const qsizetype end = withDuplicates.indexOf(reference.closeTag(n), at);
                withDuplicates.append(withDuplicates.mid(at, end - at + 1));
            }
        }
        BlocList list(5);
        int count = 0;
        rows.push_back({"Doublons (1 % en double)", size,
                        best(
                            runs,
                            [&] {
                                list.setLines(withDuplicates);
                                count = list.countTags();
                            },
                            [&] { list.Doublons(count); }),
                        readCompanies});

        QStringList broken = companies;
        broken.removeAt(broken.indexOf(BlocList(5).closeTag(size / 2)));
        rows.push_back({"Verif (une balise perdue)", size,
                        best(
                            runs,
                            [&] {
                                list.setLines(broken);
                                count = list.countTags();
                            },
                            [&] { list.Verif(count); }),
                        readCompanies});

        // Only the first and the last company have this postal code: one move
        // crosses the whole list.
        data.Charge(tvr);
        data.setSelectionMode(Kind::Company, Selection::PostalCode);
        data.setPostalCode(data.list(Kind::Company).at(CompanyLine::PostalCode)); // tag on line 0
        rows.push_back({"Déplacement filtré (tout le fichier)", size,
                        best(
                            runs, [&] { data.jumpTo(Kind::Company, 0); },
                            [&] { data.move(Kind::Company, DataSet::Move::Last); }),
                        readCompanies});

        // As after a record was written: the list changed, its tag index was
        // kept up to date, the next code must be found again.
        list.load(tvr);
        rows.push_back({"Numéro suivant", size,
                        best(
                            runs,
                            [&] {
                                list.append(QStringLiteral(" "));
                                list.removeLines(list.size() - 1, 1);
                            },
                            [&] { sink = sink + list.nextCode(); }),
                        readCompanies});

        // Exchange: an import of 12-field lines into an empty data set, file
        // read to card shown, against sqlite3 importing the same file; each
        // export of the set against copying its data file.
        const QString txt = Generate::importFile(dir.path(), "import" + QString::number(size),
                                                 std::min(size, Import::MaxCount));
        const bool sqlite = !QStandardPaths::findExecutable("sqlite3").isEmpty();
        const double sqliteImport =
            sqlite ? best(runs, {},
                          [&] {
                              runProgram("sqlite3",
                                         {":memory:", ".mode tabs", ".import " + txt + " t"});
                          })
                   : 0;
        if (!sqlite)
            std::printf("sqlite3 absent: import rows without reference\n");
        DataSet imported;
        rows.push_back({"Import .txt (référence sqlite3)", size,
                        best(
                            runs, [&] { imported.Nouveau(); },
                            [&] {
                                Import::Result result;
                                Import::importFile(imported, txt, result);
                                sink = sink + imported.company().name.size();
                            }),
                        sqliteImport});
        const double copyFile = best(runs, {}, [&] {
            runProgram("cp", {tvr, dir.filePath("copie-cp.tvr")});
        });
        data.Charge(tvr);
        const std::pair<const char *, Export::Format> forms[] = {
            {"Export txt (référence cp)", Export::Format::Txt},
            {"Export csv (référence cp)", Export::Format::Csv},
            {"Export xml (référence cp)", Export::Format::Xml}};
        for (const auto &[label, format] : forms)
            rows.push_back({label, size,
                            best(runs, {},
                                 [&] {
                                     sink = sink + Export::write(dir.filePath("export"),
                                                                 data.list(Kind::Company), format,
                                                                 nullptr);
                                 }),
                            copyFile});
        // Finding: a search that matches nothing walks the whole list.
        data.Charge(tvr);
        rows.push_back(
            {"Recherche nom (aucune)", size,
             best(runs, {}, [&] { sink = sink + Search::run(data, Search::Nom, "zzz").size(); }),
             readCompanies});
        rows.push_back(
            {"Recherche résumé (aucune)", size,
             best(runs, {}, [&] { sink = sink + Search::run(data, Search::Resume, "zzz").size(); }),
             readCompanies});
        rows.push_back(
            {"Liste des sociétés (lignes)", size,
             best(runs, {},
                  [&] {
                      sink = sink + ListRows::rows(data.list(Kind::Company), Kind::Company).size();
                  }),
             readCompanies});
        // What the list window does when it opens: the rows are read as shown.
        rows.push_back({"Liste des sociétés (ouverture)", size,
                        best(runs, {},
                             [&] {
                                 const ListRows::Table table(data.list(Kind::Company),
                                                             Kind::Company);
                                 sink = sink + table.rowCount();
                             }),
                        readCompanies});
        const std::pair<const char *, int> sorts[] = {{"Tri sociétés par Société", 0},
                                                      {"Tri sociétés par Date", 4},
                                                      {"Tri sociétés par Code", 3}};
        // Each sort starts from the list as opened.
        const BlocList opened = data.list(Kind::Company);
        for (const auto &[label, item] : sorts)
            rows.push_back({label, size,
                            best(
                                std::min(runs, 7), [&] { data.rearrange(Kind::Company, opened); },
                                [&, item = item] { RecordSort::run(data, Kind::Company, item); }),
                            readCompanies});
        // Printing every record on a surface that only counts, and the listing
        // of the largest set into a PDF file.
        data.Charge(tvr);
        const BlocList &printed = data.list(Kind::Company);
        const PrintRange everything = PrintRange::fromPages(1, size, data.count(Kind::Company));
        rows.push_back({"Liste des sociétés (impression)", size,
                        best(runs, {},
                             [&] {
                                 CountingSurface surface;
                                 Imprime(surface, printed, everything);
                                 sink = sink + surface.calls;
                             }),
                        readCompanies});
        EnvelopeSetup byTown;
        byTown.mode = Selection::Town;
        byTown.town = printed.at(CompanyLine::Town).toUpper();
        rows.push_back({"Enveloppes (ville)", size,
                        best(runs, {},
                             [&] {
                                 CountingSurface surface;
                                 Enveloppes(surface, printed, everything, byTown);
                                 sink = sink + surface.calls;
                             }),
                        readCompanies});
        if (size == sizes.back()) {
            QElapsedTimer timer;
            timer.start();
            PdfSurface pdf(dir.filePath("liste.pdf"));
            Imprime(pdf, printed, everything);
            rows.push_back(
                {"Liste des sociétés (PDF)", size, double(timer.elapsed()), readCompanies});
        }
        // Reports, each against a plain read of the files it reads.
        data.Charge(tvr);
        rows.push_back({"Statistiques opérations", size,
                        best(runs, {},
                             [&] {
                                 auto entries = OperationStats::entries(data.list(Kind::Operation));
                                 OperationStats::sort(entries);
                                 sink = sink + entries.size();
                             }),
                        best(runs, {}, [&] { sink = sink + plainReadSplit({stem + "opr"}); })});
        rows.push_back(
            {"Rapport d'activité (une année)", size,
             best(runs, {},
                  [&] {
                      auto entries = ActivityReport::entries(data.list(Kind::Operation),
                                                             data.list(Kind::DayAction));
                      ActivityReport::sort(entries);
                      sink = sink +
                             ActivityReport::inPeriod(entries, "01/01/2026", "31/12/2026").size();
                  }),
             best(runs, {}, [&] {
                 sink = sink + plainReadSplit({stem + "opr", stem + "jnr"});
             })});
        rows.push_back({"Planning (un jour)", size,
                        best(runs, {},
                             [&] {
                                 Planning planning;
                                 planning.Init(data.list(Kind::Company),
                                               data.list(Kind::DayAction));
                                 sink = sink + planning.LitJour("05/12/2026").size();
                             }),
                        best(runs, {}, [&] {
                            sink = sink + plainReadSplit({tvr, stem + "jnr"});
                        })});
    }

    std::printf("%-38s %8s %12s %14s %7s\n", "opération", "sociétés", "ms", "lecture ms", "ratio");
    std::map<QString, std::map<int, double>> bySize;
    for (const Row &r : rows) {
        if (r.reference > 0)
            std::printf("%-38s %8d %12.2f %14.2f %7.2f\n", qPrintable(r.operation), r.size, r.ms,
                        r.reference, r.ms / r.reference);
        else
            std::printf("%-38s %8d %12.2f %14s %7s\n", qPrintable(r.operation), r.size, r.ms,
                        "absent", "-");
        bySize[r.operation][r.size] = r.ms;
    }
    // The peak of a whole opening and check in its own process, against the
    // size of the three files; an empty data set gives the program's own.
    const QString empty = dir.filePath("vide.tvr");
    TextFile::write(empty, {});
    const long own = peakKilobytes(cli, {"check", empty});
    std::printf("\n%-38s %8s %12s %14s %7s\n", "mémoire (tavrin-cli check)", "sociétés",
                "fichiers Mo", "pic Mo", "ratio");
    for (const Memory &m : memory) {
        if (m.peak < 0) {
            std::printf("%-38s %8d %12.1f %14s %7s\n", "pic", m.size, m.files / 1e6, "absent", "-");
            continue;
        }
        std::printf("%-38s %8d %12.1f %14.1f %7.2f\n", "pic", m.size, m.files / 1e6,
                    m.peak * 1024 / 1e6, m.peak * 1024.0 / double(m.files));
    }
    if (own >= 0)
        std::printf("%-38s %8d %12.1f %14.1f\n", "pic (ensemble vide)", 0, 0.0, own * 1024 / 1e6);
    const std::vector<Row> profile = profileRows(dir.path(), sink);
    std::printf("\n%-38s %8s %12s %14s %7s\n", "opération", "employeurs", "ms", "lecture ms",
                "ratio");
    for (const Row &r : profile)
        std::printf("%-38s %8d %12.2f %14.2f %7.2f\n", qPrintable(r.operation), r.size, r.ms,
                    r.reference, r.ms / r.reference);
    for (std::size_t i = 0; i + 4 < profile.size(); ++i)
        std::printf("%-38s 9000/1000 %8.2f\n", qPrintable(profile[i].operation),
                    profile[i + 4].ms / profile[i].ms);
    if (sizes.size() == 3) {
        std::printf("\n%-38s %12s\n", "opération", "90000/10000");
        // Rows timed at one size only (the PDF listing) have no growth.
        for (const auto &[operation, times] : bySize)
            if (times.contains(90000) && times.contains(10000))
                std::printf("%-38s %12.2f\n", qPrintable(operation),
                            times.at(90000) / times.at(10000));
    }
    if (!args.contains("--size"))
        benchLetters();
    return 0;
}