#pragma once

#include "exercises/ExerciseRules.h"
#include "exercises/htmlex02.h"

// Type 102: type 2 of the mathematics course, with braille runs in the title lines and the
// answer box's key rule also in the work box.
class TFhtmlex12 : public TFhtmlex02
{
    Q_OBJECT
public:
    explicit TFhtmlex12(QWidget *parent = nullptr);

protected:
    QByteArray RewriteTitleLine(const QByteArray &line) const override
    {
        return RewriteBrailleRun(line, Category());
    }
};

extern TFhtmlex12 *Fhtmlex12;
