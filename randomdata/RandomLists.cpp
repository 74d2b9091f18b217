#include "randomdata/RandomLists.h"

#include "data/dm_Unit1.h"

RandomDataLists *Formex00dc = nullptr;
RandomDataLists *Formex01dc = nullptr;
RandomDataLists *Formex10dc = nullptr;
RandomDataLists *Formex11dc = nullptr;

void RandomDataLists::LoadQuestions(const QByteArray &stream)
{
    Questions = splitMemoLines(stream);
}

void RandomDataLists::LoadAnswers(const QByteArray &stream)
{
    Answers = splitMemoLines(stream);
}
