#pragma once

#include <QDateEdit>
#include <QTimeEdit>

// A date or time field that Tab leaves at once, as the other fields do; the
// arrow keys and typing still move through day, month and year.
template <typename Edit> class TabLeaving : public Edit {
public:
    using Edit::Edit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

using DateField = TabLeaving<QDateEdit>;
using TimeField = TabLeaving<QTimeEdit>;
