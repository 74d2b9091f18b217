#pragma once

#include "exercises/ExerciseWindow.h"

// Type 0: the question in print, the answer typed in braille.
class TFhtmlex00 : public TExerciseWindow
{
    Q_OBJECT
public:
    explicit TFhtmlex00(QWidget *parent = nullptr);

protected:
    void BuildPage() override;
    RandomDataLists *DataDialog() const override;
};

extern TFhtmlex00 *Fhtmlex00;
