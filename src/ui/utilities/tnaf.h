#pragma once

#include "utilities/referencelistwindow.h"

// "Codes APE": the activity nomenclature, divisions and their classes.
class TNaf : public ReferenceListWindow {
    Q_OBJECT

public:
    explicit TNaf(QWidget *parent = nullptr);
};
