#include "wordproc/paragraph.h"

namespace WordProc {

namespace {
enum Property {
    FirstIndent = QTextFormat::UserProperty + 1,
    LeftIndent,
    RightIndent,
};
} // namespace

Indents indents(const QTextBlockFormat &format) {
    if (format.hasProperty(FirstIndent))
        return {format.intProperty(FirstIndent), format.intProperty(LeftIndent),
                format.intProperty(RightIndent)};
    // A paragraph that came from elsewhere (a paste): its pixel margins.
    const int left = int(format.leftMargin() * 0.75);
    const int first = left + int(format.textIndent() * 0.75);
    return {first, left - first, int(format.rightMargin() * 0.75)};
}

void setIndents(QTextBlockFormat &format, const Indents &in) {
    format.setProperty(FirstIndent, in.first);
    format.setProperty(LeftIndent, in.left);
    format.setProperty(RightIndent, in.right);
    format.setLeftMargin(qMax(0, in.first + in.left) * 4.0 / 3.0);
    format.setTextIndent((in.first - qMax(0, in.first + in.left)) * 4.0 / 3.0);
    format.setRightMargin(qMax(0, in.right) * 4.0 / 3.0);
}

} // namespace WordProc
