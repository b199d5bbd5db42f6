#pragma once

#include "common/smalldialog.h"

class QCheckBox;
class QRadioButton;

// "Mise en page": the envelope orientation and the guide on the right. The
// reserved value goes through unchanged.
class TMPage : public SmallDialog {
    Q_OBJECT
public:
    explicit TMPage(QWidget *parent = nullptr);

    // Seeds the dialog only when reserved is 0 to 3 and orientation 0 or 1.
    void Init(int reserved, int orientation, bool guideRight);
    // orientation -1 unless OK was pressed; then the choices shown.
    void Result(int &reserved, int &orientation, bool &guideRight) const;

private:
    QRadioButton *m_portrait;
    QRadioButton *m_landscape;
    QCheckBox *m_guide;
};
