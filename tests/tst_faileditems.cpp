// SPDX-License-Identifier: GPL-3.0-or-later
// The list of a test's mistakes: which exercises it holds, and how it writes each.
#include "rules/FailedItems.h"

#include <QTest>

class TestFailedItems : public QObject
{
    Q_OBJECT
private slots:
    void failed_data();
    void failed();
    void page_data();
    void page();
};

void TestFailedItems::failed_data()
{
    QTest::addColumn<QString>("outcomes"); // in the order shown, numbered from 1
    QTest::addColumn<QString>("listed");   // the numbers of the list
    QTest::newRow("none shown") << "" << "";
    QTest::newRow("all right") << "RightFirst RightAfterWrong RightWithHelp" << "";
    QTest::newRow("two failed") << "RightFirst FailedTest RightFirst FailedTest" << "2 4";
    QTest::newRow("skipped is listed") << "Skipped RightFirst" << "1";
    QTest::newRow("unreadable is no mistake") << "Unreadable FailedTest" << "2";
    QTest::newRow("the one left is none") << "FailedTest Left" << "1";
}

void TestFailedItems::failed()
{
    QFETCH(QString, outcomes);
    QFETCH(QString, listed);
    const QMap<QString, ExerciseOutcome::Kind> kinds{
        {"RightFirst", ExerciseOutcome::RightFirst},   {"RightAfterWrong", ExerciseOutcome::RightAfterWrong},
        {"RightWithHelp", ExerciseOutcome::RightWithHelp}, {"FailedTest", ExerciseOutcome::FailedTest},
        {"Skipped", ExerciseOutcome::Skipped},         {"Left", ExerciseOutcome::Left},
        {"Unreadable", ExerciseOutcome::Unreadable}};
    QList<ShownExercise> shown;
    for (const QString &word : outcomes.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        shown << ShownExercise{int(shown.size()) + 1, {kinds.value(word), 0}, {"q", "a"}};
    QStringList numbers;
    for (const ShownExercise &item : failedItems(shown))
        numbers << QString::number(item.number);
    QCOMPARE(numbers.join(QLatin1Char(' ')), listed);
}

void TestFailedItems::page_data()
{
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("holds");
    QTest::addColumn<QStringList>("lacks");
    QTest::newRow("typed, in print and cells")
        << QByteArray("casa") << QByteArray("c\r\nd") << -1
        << QStringList{"Domanda: <strong>casa</strong>", "Risposta giusta: <strong>c<br>d</strong>",
                       "aria-label=\"sentito casa\">casa</span>", "'Braille 6'"}
        << QStringList{"RISPOSTA"};
    QTest::newRow("a picture chosen") << QByteArray("2+2") << QByteArray() << 1
                                      << QStringList{"Risposta giusta: <strong>RISPOSTA 2</strong>"}
                                      << QStringList{"Che è"};
    QTest::newRow("signs of a choice") << QByteArray("q") << QByteArray("xy") << 2
                                       << QStringList{"RISPOSTA 3", "Che è: <strong>xy</strong>"}
                                       << QStringList{};
    QTest::newRow("print is escaped, cp1252 read")
        << QByteArray("<b>&\xe8") << QByteArray("a") << -1
        << QStringList{"&lt;b&gt;&amp;è"} << QStringList{"<b>&"};
    QTest::newRow("no question") << QByteArray(" \r\n") << QByteArray("a") << -1
                                 << QStringList{"Risposta giusta"} << QStringList{"Domanda"};
}

void TestFailedItems::page()
{
    QFETCH(QByteArray, question);
    QFETCH(QByteArray, answer);
    QFETCH(int, choice);
    QFETCH(QStringList, holds);
    QFETCH(QStringList, lacks);
    FailedItemsLook look{QStringLiteral("Titolo"), {}, QStringLiteral("Braille 6"),
                         [](const QByteArray &text) { return "sentito " + QString::fromLatin1(text); }};
    const QString page = QString::fromUtf8(failedItemsPage(
        {{3, {ExerciseOutcome::FailedTest, 4}, {question, answer, choice}}}, look));
    QVERIFY(page.contains(QLatin1String("<h2>Esercizio 3</h2>")));
    for (const QString &text : holds)
        QVERIFY2(page.contains(text), qPrintable(text + QLatin1String(" in ") + page));
    for (const QString &text : lacks)
        QVERIFY2(!page.contains(text), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestFailedItems)
#include "tst_faileditems.moc"
