#include "wordproc/rtfwords.h"

#include <QByteArray>
#include <QHash>

namespace WordProc::RtfWords {

// One lookup per control word instead of a comparison with every known one.
Word wordOf(QByteArrayView text) {
    static const QHash<QByteArray, Word> words = [] {
        QHash<QByteArray, Word> t;
        const std::pair<const char *, Word> named[] = {
            {"ansi", Word::ansi},
            {"ansicpg", Word::ansicpg},
            {"b", Word::b},
            {"bin", Word::bin},
            {"blue", Word::blue},
            {"bullet", Word::bullet},
            {"cell", Word::cell},
            {"cf", Word::cf},
            {"colortbl", Word::colortbl},
            {"cpg", Word::cpg},
            {"deff", Word::deff},
            {"emdash", Word::emdash},
            {"emspace", Word::emspace},
            {"endash", Word::endash},
            {"enspace", Word::enspace},
            {"f", Word::f},
            {"fcharset", Word::fcharset},
            {"fi", Word::fi},
            {"fonttbl", Word::fonttbl},
            {"fs", Word::fs},
            {"green", Word::green},
            {"i", Word::i},
            {"ilvl", Word::ilvl},
            {"intbl", Word::intbl},
            {"itap", Word::itap},
            {"ldblquote", Word::ldblquote},
            {"levelnfc", Word::levelnfc},
            {"levelnfcn", Word::levelnfc},
            {"li", Word::li},
            {"line", Word::line},
            {"list", Word::list},
            {"listid", Word::listid},
            {"listlevel", Word::listlevel},
            {"listoverride", Word::listoverride},
            {"listoverridetable", Word::listoverridetable},
            {"listtable", Word::listtable},
            {"lquote", Word::lquote},
            {"ls", Word::ls},
            {"mac", Word::mac},
            {"nestcell", Word::nestcell},
            {"nestrow", Word::nestrow},
            {"nesttableprops", Word::nesttableprops},
            {"page", Word::page},
            {"par", Word::par},
            {"pard", Word::pard},
            {"pc", Word::pc},
            {"pca", Word::pca},
            {"pichgoal", Word::pichgoal},
            {"picscalex", Word::picscalex},
            {"picscaley", Word::picscaley},
            {"pict", Word::pict},
            {"picwgoal", Word::picwgoal},
            {"plain", Word::plain},
            {"pn", Word::pn},
            {"pnlvlblt", Word::pnlvlblt},
            {"pnlvlbody", Word::pnlvlbody},
            {"pnlvl", Word::pnlvl},
            {"pnlvlcont", Word::pnlvlcont},
            {"pndec", Word::pndec},
            {"pnucrm", Word::pnucrm},
            {"pnlcrm", Word::pnlcrm},
            {"pnucltr", Word::pnucltr},
            {"pnlcltr", Word::pnlcltr},
            {"pngblip", Word::pictureBlip},
            {"jpegblip", Word::pictureBlip},
            {"qc", Word::qc},
            {"qj", Word::qj},
            {"ql", Word::ql},
            {"qmspace", Word::qmspace},
            {"qr", Word::qr},
            {"rdblquote", Word::rdblquote},
            {"red", Word::red},
            {"ri", Word::ri},
            {"row", Word::row},
            {"rquote", Word::rquote},
            {"sect", Word::sect},
            {"shp", Word::shp},
            {"shpinst", Word::shpinst},
            {"shppict", Word::shppict},
            {"shptxt", Word::shptxt},
            {"tab", Word::tab},
            {"u", Word::u},
            {"uc", Word::uc},
            {"ulnone", Word::ulnone},
        };
        for (const auto &[name, word] : named)
            t.insert(name, word);
        for (const char *underline :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
              "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
              "ulwave"})
            t.insert(underline, Word::ul);
        for (const char *other :
             {"wmetafile", "emfblip", "macpict", "pmmetafile", "dibitmap", "wbitmap"})
            t.insert(other, Word::pictureOther);
        for (const char *header :
             {"header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf"})
            t.insert(header, Word::HeaderFooter);
        t.insert("footnote", Word::Footnote);
        t.insert("fldinst", Word::FieldCode);
        t.insert("do", Word::Drawing);
        for (const char *skipped :
             {"pntext",    "listtext",     "info",         "stylesheet", "objdata",
              "objclass",  "filetbl",      "revtbl",       "xe",         "tc",
              "template",  "annotation",   "atnid",        "atnauthor",  "nonshppict",
              "shprslt",   "nonesttables", "falt",         "rsidtbl",    "generator",
              "listname",  "leveltext",    "levelnumbers", "themedata",  "colorschememapping",
              "datastore", "latentstyles", "xmlnstbl",     "mmathPr",    "panose",
              "fname"})
            t.insert(skipped, Word::SkipGroup);
        return t;
    }();
    return words.value(QByteArray::fromRawData(text.data(), text.size()), Word::Other);
}

} // namespace WordProc::RtfWords
