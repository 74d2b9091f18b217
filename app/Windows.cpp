#include "app/Windows.h"

#include "app/Runner.h"
#include "app/Seleser_Unit1.h"
#include "exercises/htmlex00.h"
#include "exercises/htmlex01.h"
#include "exercises/htmlex02.h"
#include "exercises/htmlex10.h"
#include "exercises/htmlex11.h"
#include "exercises/htmlex12.h"
#include "exercises/htmlex13.h"
#include "exercises/htmlex14.h"
#include "exercises/htmlex20.h"
#include "exercises/htmlex21.h"
#include "randomdata/RandomLists.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

namespace {

// Creates a window into its global and, for an exercise window, enters it in the runner's
// dispatch table under its course and type code.
template <class Window> void create(Window *&global)
{
    global = new Window;
}

template <class Window> void createExercise(Window *&global, int course, int type)
{
    create(global);
    AddExerciseWindow(course, type, global);
}

template <class Window> void destroy(Window *&global)
{
    delete global;
    global = nullptr;
}

} // namespace

void CreateRemainingWindows()
{
    create(SeleserDlg);
    createExercise(Fhtmlex02, 1, 2);
    createExercise(Fhtmlex01, 1, 1);
    createExercise(Fhtmlex00, 1, 0);
    create(Formex01dc);
    create(Formex00dc);
    create(tblbraille);
    create(Fresult);
    createExercise(Fhtmlex14, 2, 104);
    create(Formex11dc);
    createExercise(Fhtmlex10, 2, 100);
    createExercise(Fhtmlex11, 2, 101);
    createExercise(Fhtmlex12, 2, 102);
    createExercise(Fhtmlex13, 2, 103);
    create(Formex10dc);
    createExercise(Fhtmlex21, 3, 201);
    createExercise(Fhtmlex20, 3, 200);
}

void DestroyRemainingWindows()
{
    ClearExerciseWindows();
    destroy(Fhtmlex20);
    destroy(Fhtmlex21);
    destroy(Formex10dc);
    destroy(Fhtmlex13);
    destroy(Fhtmlex12);
    destroy(Fhtmlex11);
    destroy(Fhtmlex10);
    destroy(Formex11dc);
    destroy(Fhtmlex14);
    destroy(Fresult);
    destroy(tblbraille);
    destroy(Formex00dc);
    destroy(Formex01dc);
    destroy(Fhtmlex00);
    destroy(Fhtmlex01);
    destroy(Fhtmlex02);
    destroy(SeleserDlg);
}
