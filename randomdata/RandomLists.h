#pragma once

#include <QByteArray>
#include <QList>

// The question and answer lists that an exercise window in random mode hands to the
// random-data dialog of its type: item k of one list belongs to item k of the other.
class RandomDataLists
{
public:
    virtual ~RandomDataLists() = default;

    // Replace the items by the lines of a stream, one item a line.
    virtual void LoadQuestions(const QByteArray &stream);
    virtual void LoadAnswers(const QByteArray &stream);

    QList<QByteArray> Questions;
    QList<QByteArray> Answers;
};

// The lists of the alphabet types 0 and 1 and of the mathematics types 100 and 101.
extern RandomDataLists *Formex00dc;
extern RandomDataLists *Formex01dc;
extern RandomDataLists *Formex10dc;
extern RandomDataLists *Formex11dc;
