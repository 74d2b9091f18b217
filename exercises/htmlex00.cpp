#include "exercises/htmlex00.h"

#include "data/dm_Unit1.h"
#include "randomdata/RandomLists.h"

TFhtmlex00 *Fhtmlex00 = nullptr;

TFhtmlex00::TFhtmlex00(QWidget *parent) : TExerciseWindow(QStringLiteral("Fhtmlex00"), parent) {}

RandomDataLists *TFhtmlex00::DataDialog() const
{
    return Formex00dc;
}

void TFhtmlex00::BuildPage()
{
    dm->BeginPage();
    dm->OpenTitle(dm->fieldInt(QStringLiteral("Cat_eser")));
    WriteLines(RichEdit1.Lines);
    dm->CloseTitle();
    dm->OpenText(dm->fieldInt(QStringLiteral("Cat_eser")));
    WriteLines(RichEdit2.Lines);
    dm->FinishPage();
    ShowPage();
}
