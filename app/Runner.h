#pragma once

// Runs the exercises of a lesson of a course (1 alphabet, 2 mathematics, 3 music): asks for
// the category and shows one exercise window per record. Returns when the run is over.
void RunExercises(int course, int lesson);
