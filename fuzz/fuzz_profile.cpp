// The profile file and the recruiter's script as the program reads them: no
// crash; a profile written back reads again with the same employers and
// ratings in range, and never grows when saved again; a dialogue over any script
// answers every line.
#include "interview/dialogue.h"
#include "profile/cv.h"
#include "profile/profile.h"
#include "store/textfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void profile(const QStringList &lines, const std::uint8_t *moves, std::size_t count) {
    Profile p;
    if (!p.Init(lines))
        return;
    Cv::lines(lines);
    for (std::size_t i = 0; i < count; ++i) {
        switch (moves[i] % 5) {
        case 0:
            p.next();
            break;
        case 1:
            p.previous();
            break;
        case 2:
            p.newEmployer();
            break;
        case 3:
            p.deleteEmployer();
            break;
        default: {
            Employer e = p.employer();
            e.company += u'x';
            p.setEmployer(e);
        }
        }
        if (p.current() < 0 || p.current() >= p.count())
            std::abort();
    }
    p.markChanged();
    const QStringList written = *p.Result();
    // A fixed line is never read as a marker: the marker ends its section.
    for (const QString &line : p.identity)
        if (Profile::Markers.contains(line))
            std::abort();
    for (const QString &line : p.formation)
        if (Profile::Markers.contains(line))
            std::abort();
    Profile again;
    if (!again.Init(written) || again.employers().countTags() != p.employers().countTags() ||
        again.skills != p.skills || again.characteristics != p.characteristics)
        std::abort();
    Cv::lines(written);
    // Saved again and again, a profile never grows (the tidying of the
    // employer list may shorten it), unless a free line equals a marker and
    // starts that section again.
    for (const QString &line : p.divers + p.knowledge + p.employers().toList())
        if (Profile::Markers.contains(line))
            return;
    QStringList previous = written;
    for (int save = 0; save < 3; ++save) {
        Profile next;
        if (!next.Init(previous))
            std::abort();
        next.markChanged();
        const QStringList saved = *next.Result();
        if (saved.size() > previous.size())
            std::abort();
        previous = saved;
    }
}

void script(const QStringList &lines, const std::uint8_t *draws, std::size_t count) {
    QList<int> numbers;
    for (std::size_t i = 0; i < count; ++i)
        numbers.append(draws[i]);
    ScriptedRandom random(numbers);
    Dialogue d(random);
    d.setScript(lines);
    if (d.Nouveaudial(lines.value(1), lines.value(2), lines.value(3)) != Dialogue::Start::Started)
        return;
    for (const QString &line : lines) {
        if (!d.running())
            break;
        d.submit(line);
    }
    if (d.answers() > d.turnLimit() + 1 || d.turnLimit() < 15 || d.turnLimit() > 24)
        std::abort();
    d.FinDial();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2)
        return 0;
    // The first byte picks the reader, the second how many of the next bytes
    // drive the window's moves or the draws.
    const std::size_t count = std::min<std::size_t>(data[1] % 32, size - 2);
    const QStringList lines = TextFile::splitLines(
        TextFile::decodeText(QByteArrayView(data + 2 + count, qsizetype(size - 2 - count))));
    if (data[0] % 2)
        profile(lines, data + 2, count);
    else
        script(lines, data + 2, count);
    return 0;
}
