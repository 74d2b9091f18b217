#include "app/Windows.h"

#include "app/Runner.h"
#include "app/Seleser_Unit1.h"
#include "exercises/htmlex00.h"
#include "randomdata/RandomLists.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

void CreateRemainingWindows()
{
    SeleserDlg = new TSeleserDlg;
    Fhtmlex00 = new TFhtmlex00;
    AddExerciseWindow(1, 0, Fhtmlex00);
    Formex01dc = new RandomDataLists;
    Formex00dc = new RandomDataLists;
    tblbraille = new Ttblbraille;
    Fresult = new TFresult;
}

void DestroyRemainingWindows()
{
    ClearExerciseWindows();
    delete Fresult;
    Fresult = nullptr;
    delete tblbraille;
    tblbraille = nullptr;
    delete Formex00dc;
    Formex00dc = nullptr;
    delete Formex01dc;
    Formex01dc = nullptr;
    delete Fhtmlex00;
    Fhtmlex00 = nullptr;
    delete SeleserDlg;
    SeleserDlg = nullptr;
}
