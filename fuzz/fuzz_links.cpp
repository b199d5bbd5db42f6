// The link file of the documents sent: every line read comes back in its
// place, a file written and read again reads the same, and so does one moved
// with its data set.
#include "followup/links.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void failure(const char *what) {
    std::fprintf(stderr, "fuzz_links: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Links::LinkFile first = Links::LinkFile::parse(input);
    const QByteArray written = first.bytes();
    const Links::LinkFile again = Links::LinkFile::parse(written);
    if (again.bytes() != written)
        failure("written twice, the bytes differ");
    if (again.lines().size() != first.lines().size())
        failure("a line was lost or added");
    qsizetype lineEnds = 0;
    for (qsizetype i = 0; i < input.size(); ++i)
        if (input[i] == '\n' ||
            (input[i] == '\r' && (i + 1 == input.size() || input[i + 1] != '\n')))
            ++lineEnds;
    const bool unterminated = !input.isEmpty() && input.back() != '\n' && input.back() != '\r';
    if (first.lines().size() != lineEnds + (unterminated ? 1 : 0))
        failure("not one entry per line");
    for (qsizetype i = 0; i < first.lines().size(); ++i) {
        const Links::Link &a = first.lines()[i];
        const Links::Link &b = again.lines()[i];
        if (a.raw != b.raw || a.valid != b.valid || a.code != b.code || a.path != b.path ||
            a.date != b.date)
            failure("a line reads differently once written");
        if (a.raw.contains('\n') || a.raw.contains('\r'))
            failure("a line holds a line end");
    }
    // Saved into another folder: every line still there, the links still links.
    const Links::LinkFile moved =
        first.movedTo(QStringLiteral("/d/suivi"), QStringLiteral("/d/autre"));
    if (moved.lines().size() != first.lines().size())
        failure("a line was lost or added by a move");
    for (qsizetype i = 0; i < first.lines().size(); ++i) {
        const Links::Link &a = first.lines()[i];
        const Links::Link &b = moved.lines()[i];
        if (a.valid != b.valid || a.code != b.code || a.date != b.date ||
            (!a.valid && a.raw != b.raw))
            failure("a line reads differently once moved");
    }
    return 0;
}
