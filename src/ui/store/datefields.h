#pragma once

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimeEdit>

// A date or time field that Tab and Backtab leave at once, as the other fields
// do, while a typed separator and the arrow keys still move between its
// sections.
//
// Qt's edit moves to the next section by itself once two digits fill one, and
// then takes the separator typed next as a further move: "15/03/2026" would
// land in the year. A separator typed right after such a move is taken as
// already done.
template <typename Edit> class TypedDateTimeField : public Edit {
public:
    using Edit::Edit;

protected:
    bool focusNextPrevChild(bool next) override {
        // Within a key press the edit asks for a section move; only Tab leaves.
        if (m_inKeyPress)
            return Edit::focusNextPrevChild(next);
        return QWidget::focusNextPrevChild(next);
    }

    void keyPressEvent(QKeyEvent *event) override {
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (tab) {
            const bool back =
                event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
            QWidget::focusNextPrevChild(!back);
            event->accept();
            return;
        }
        if (isModifier(event->key())) {
            // Shift pressed for a separator must not end the pending move.
            Edit::keyPressEvent(event);
            return;
        }
        const bool separator = isSeparator(event->text());
        if (separator && m_movedByItself) {
            m_movedByItself = false;
            event->accept();
            return;
        }
        const bool digit = event->text().size() == 1 && event->text().at(0).isDigit();
        if (digit)
            startSection();
        const int before = this->currentSectionIndex();
        m_inKeyPress = true;
        Edit::keyPressEvent(event);
        m_inKeyPress = false;
        m_movedByItself = digit && this->currentSectionIndex() != before;
    }

    void focusInEvent(QFocusEvent *event) override {
        m_movedByItself = false;
        Edit::focusInEvent(event);
    }

    // Called before the digit that begins a section is taken.
    virtual void beginSection() {}

    bool sectionWhollySelected() const {
        const QString text = this->sectionText(this->currentSection());
        return !text.isEmpty() && this->lineEdit()->selectedText() == text;
    }

private:
    static bool isModifier(int key) {
        return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
               key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_CapsLock;
    }

    bool isSeparator(const QString &text) const {
        if (text.size() != 1 || text.at(0).isLetterOrNumber() || text.at(0).isSpace())
            return false;
        return this->displayFormat().contains(text);
    }

    void startSection() {
        if (sectionWhollySelected())
            beginSection();
    }

    bool m_inKeyPress = false;
    bool m_movedByItself = false;
};

using DateField = TypedDateTimeField<QDateEdit>;

// A time typed from its hours or minutes is a new time: the sections after the
// one being typed start again at zero, so "14:30" gives 14:30:00 whatever the
// field held before.
class TimeField : public TypedDateTimeField<QTimeEdit> {
public:
    using TypedDateTimeField<QTimeEdit>::TypedDateTimeField;

protected:
    void beginSection() override {
        const QDateTimeEdit::Section section = currentSection();
        const QTime t = time();
        QTime fresh;
        if (section == HourSection)
            fresh = QTime(t.hour(), 0, 0);
        else if (section == MinuteSection)
            fresh = QTime(t.hour(), t.minute(), 0);
        if (!fresh.isValid() || fresh == t)
            return;
        setTime(fresh);
        setSelectedSection(section);
    }
};
