// print: the record card, envelopes and the address listing, as a trace of
// the drawing calls or into a PDF file.
#include "cli.h"

#include "print/addressprint.h"
#include "print/cardprint.h"
#include "print/pdfsurface.h"
#include "print/recordingsurface.h"
#include "store/settings.h"

#include <QRegularExpression>

#include <functional>
#include <memory>

using namespace Cli;

namespace {

struct Options {
    QStringList words;
    bool landscape = false;
    std::optional<QString> postalCode, town, pdf, surface;
};

// Splits the words from the options; false on an unknown or incomplete option.
bool parse(const QStringList &args, Options &o) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            o.words << a;
            continue;
        }
        if (a == QLatin1String("--paysage")) {
            o.landscape = true;
            continue;
        }
        std::optional<QString> *value = a == QLatin1String("--cp")        ? &o.postalCode
                                        : a == QLatin1String("--ville")   ? &o.town
                                        : a == QLatin1String("--pdf")     ? &o.pdf
                                        : a == QLatin1String("--surface") ? &o.surface
                                                                          : nullptr;
        if (!value || value->has_value() || i + 1 >= args.size())
            return false;
        *value = args[++i];
    }
    return !(o.postalCode && o.town) && !(o.pdf && o.surface);
}

std::optional<int> integer(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// "LxH/LMMxHMM": portrait units and millimetres.
std::unique_ptr<RecordingSurface> recordingSurface(const std::optional<QString> &geometry) {
    if (!geometry)
        return std::make_unique<RecordingSurface>();
    static const QRegularExpression form(
        QStringLiteral("^(\\d+)x(\\d+)/(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)$"));
    const QRegularExpressionMatch m = form.match(*geometry);
    if (!m.hasMatch())
        return nullptr;
    const int w = m.captured(1).toInt(), h = m.captured(2).toInt();
    const double wmm = m.captured(3).toDouble(), hmm = m.captured(4).toDouble();
    if (w <= 0 || h <= 0 || wmm <= 0 || hmm <= 0)
        return nullptr;
    return std::make_unique<RecordingSurface>(RecordingSurface::fromUnits(w, h, wmm, hmm));
}

} // namespace

int printVerb(const QStringList &args) {
    Options o;
    if (!parse(args, o) || o.words.size() != 4)
        return usage();
    const QString what = o.words[1];
    const bool card = what == QLatin1String("fiche");
    const bool envelope = what == QLatin1String("enveloppe");
    const bool envelopes = what == QLatin1String("enveloppes");
    const bool listing = what == QLatin1String("liste");
    std::optional<Kind> kind;
    std::optional<int> first, last;
    if (card || envelope) {
        kind = kindFromWord(o.words[2]);
        first = integer(o.words[3]);
        if (!kind || !first)
            return usage();
    } else if (envelopes || listing) {
        first = integer(o.words[2]);
        last = integer(o.words[3]);
        if (!first || !last)
            return usage();
    } else {
        return usage();
    }
    if ((o.landscape && !envelope) || ((o.postalCode || o.town) && !envelopes))
        return usage();
    std::unique_ptr<RecordingSurface> recording;
    if (!o.pdf && !(recording = recordingSurface(o.surface)))
        return usage();

    DataSet data;
    if (const int status = open(data, o.words[0]))
        return status;
    if (o.postalCode &&
        (o.postalCode->isEmpty() || !std::all_of(o.postalCode->begin(), o.postalCode->end(),
                                                 [](QChar c) { return c >= u'0' && c <= u'9'; }))) {
        err(QStringLiteral("Code postal non valide"));
        return BadInput;
    }
    Settings settings;
    settings.load(QString::fromLatin1(Settings::FileName));
    Identity identity;
    identity.load(QString::fromLatin1(Identity::FileName));
    EnvelopeSetup setup;
    for (int i = 0; i < 4; ++i)
        setup.sender << identity.lines[std::size_t(i)];
    setup.guide = settings.guideOffset;
    if (o.postalCode) {
        setup.mode = Selection::PostalCode;
        setup.postalCode = *o.postalCode;
    } else if (o.town) {
        setup.mode = Selection::Town;
        setup.town = o.town->toUpper();
    }

    std::function<bool(PrintSurface &)> printout;
    if (card || envelope) {
        data.jumpTo(*kind, *first);
        if (card && kind == Kind::Company)
            printout = [&](PrintSurface &s) { return ImpFiche(s, data.company()); };
        else if (card && kind == Kind::Operation)
            printout = [&](PrintSurface &s) { return ImpFiche(s, data.operation()); };
        else if (card)
            printout = [&](PrintSurface &s) { return ImpFiche(s, data.dayAction()); };
        else if (kind == Kind::Operation)
            return Done; // an operation has no envelope
        else {
            const EnvelopeAddress to = kind == Kind::Company
                                           ? EnvelopeAddress::of(data.company())
                                           : EnvelopeAddress::of(data.dayAction());
            const int orientation = o.landscape ? 1 : 0;
            printout = [=](PrintSurface &s) { return ImpEnv(s, setup, to, orientation); };
        }
    } else {
        const PrintRange range = PrintRange::fromPages(*first, *last, data.count(Kind::Company));
        const BlocList &companies = data.list(Kind::Company);
        if (envelopes)
            printout = [&](PrintSurface &s) { return Enveloppes(s, companies, range, setup); };
        else
            printout = [&](PrintSurface &s) { return Imprime(s, companies, range); };
    }

    if (o.pdf) {
        PdfSurface pdf(*o.pdf);
        if (!printout(pdf)) {
            err(pdf.errorString());
            return FileError;
        }
        return Done;
    }
    // The trace stands for a printer: the user would be asked for an envelope.
    if (envelope)
        err(envelopeNotice());
    printout(*recording);
    for (const QString &line : recording->trace())
        out(line);
    out(QStringLiteral("orientation\t") +
        (recording->orientation() == PrintSurface::Orientation::Landscape
             ? QStringLiteral("paysage")
             : QStringLiteral("portrait")));
    return Done;
}
