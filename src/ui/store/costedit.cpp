#include "store/costedit.h"

#include "store/costformat.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// What the keys cannot bring in, pasting cannot either.
class CostValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override {
        return Cost::acceptsText(input) ? Acceptable : Invalid;
    }
};

} // namespace

CostEdit::CostEdit(QWidget *parent) : QLineEdit(parent) {
    setFixedWidth(105);
    setValidator(new CostValidator(this));
}

void CostEdit::keyPressEvent(QKeyEvent *event) {
    const QString text = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Keys that type no character (arrows, Delete, Escape, Tab) and shortcuts
    // keep their meaning; X11 gives Delete and Escape a control character.
    if (text.size() != 1 || control ||
        (text.at(0).category() == QChar::Other_Control && !enter && text.at(0) != u'\b')) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar accepted = Cost::filterKey(text.at(0));
    if (enter || accepted.isNull()) {
        event->accept();
        return;
    }
    if (accepted == text.at(0)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), Qt::Key_Comma, event->modifiers(), QString(accepted));
    QLineEdit::keyPressEvent(&replaced);
}

void CostEdit::focusOutEvent(QFocusEvent *event) {
    const QString formatted = Cost::leaveField(text(), fontMetrics());
    if (formatted != text())
        setText(formatted);
    QLineEdit::focusOutEvent(event);
}
