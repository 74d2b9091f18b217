#pragma once

#include "exercises/AnswerWindows.h"
#include "exercises/ExerciseRules.h"

// Type 104: the question is a picture; the answer is typed in braille. There is no random
// mode: the model answer always comes from the record.
class TFhtmlex14 : public TTypedAnswerWindow
{
    Q_OBJECT
public:
    explicit TFhtmlex14(QWidget *parent = nullptr);

    DBImage DBImage1; // Doma_img

    void LoadPlainRecord() override;

protected:
    void WriteBody() override;
    QByteArray RewriteTitleLine(const QByteArray &line) const override
    {
        return RewriteBrailleRun(line, Category());
    }
};

extern TFhtmlex14 *Fhtmlex14;
