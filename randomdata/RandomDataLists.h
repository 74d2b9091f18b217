// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The question and answer lists of a random-data dialog, as the exercise windows in random
// mode fill them: item k of one list belongs to item k of the other.
class RandomDataLists
{
public:
    virtual ~RandomDataLists() = default;

    // Replace the question (answer) items by the lines of a stream, one item a line. Called
    // by the exercise window of the dialog's type each time it loads a record in random mode.
    virtual void LoadQuestions(const QByteArray &stream) = 0;
    virtual void LoadAnswers(const QByteArray &stream) = 0;
};
