// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "rules/ExerciseRules.h"
#include "exercises/htmlex00.h"
#include "fakes/Fakes.h"
#include "fakes/MemoryTable.h"
#include "fakes/TestProgram.h"
#include "randomdata/RandomLists.h"
#include "reference/table_Unit1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

class TestExercise : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void answerCheck_data();
    void answerCheck();
    void firstDifference_data();
    void firstDifference();

    void showingSetsButtonsAndPage();
    void rightAnswerCountsWithGoodSound();
    void helpComesWithTheFourthWrongCheck();
    void testModeEndsAtTheFourthWrongCheck();
    void answerButtonThenCheckIsRight();
    void helpSelectsFirstDifference();
    void leavingAndSkipping();
    void sameWindowShownTwice();
    void randomModeKeepsQuestionAndAnswerInStep();
    void randomModeWithShortLists();
    void unplayableSoundDoesNotStopTheCheck();
    void tableButtonOpensTheCodeTableOnlyWhenSet();
    void deleteCharacterAndDeleteKey();
    void noBreakSpaceSurvivesTheAnswerBox();

private:
    void openTable(const MemoryTable &table);
    // Shows the window as the runner does and waits until it is active.
    void showWindow();
    // Clears the answer box and types into it, as a learner does in the focused box.
    void type(const QString &text);
    // Presses a button of the bar with the mouse.
    void press(QPushButton *button);
    // Checks a wrong answer until help opens, at the fourth wrong check.
    void failUntilHelp();

    std::unique_ptr<TestProgram> m_state;
    FakePlatform *m_platform = nullptr;
    FakeMediaPlayer *m_sounds = nullptr;
    std::unique_ptr<TFormex00dc> m_lists;
    std::unique_ptr<TFhtmlex00> m_window;
};

static QMap<QString, QVariant> plainRecord(int number, const QByteArray &question,
                                           const QByteArray &answer, int category = 2)
{
    return {{"Lezione", 0},
            {"Cat_eser", category},
            {"T_eser", 0},
            {"eser_nr", number},
            {"Tit_doma", rtf({"Scrivi in braille:"})},
            {"Doma_rch", rtf({question})},
            {"Risp_rch", rtf({answer})},
            {"Doma_rnd", false}};
}

void TestExercise::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestExercise::init()
{
    m_state = std::make_unique<TestProgram>();
    m_platform = &m_state->platform;
    m_sounds = &m_state->sounds;
    m_lists = std::make_unique<TFormex00dc>();
    m_window = std::make_unique<TFhtmlex00>();
    m_window->DataDialog = m_lists.get();
}

void TestExercise::cleanup()
{
    m_window.reset();
    m_lists.reset();
    m_state.reset();
}

void TestExercise::openTable(const MemoryTable &table)
{
    dm->Table1.setOpener(table.opener());
    dm->Table1.setTableName(m_state->path("Ex/ESER_1.DB"));
    dm->Table1.open();
}

void TestExercise::showWindow()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get()); // as the window manager does
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestExercise::type(const QString &text)
{
    QTextEdit *box = m_window->RichEdit3;
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void TestExercise::press(QPushButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestExercise::failUntilHelp()
{
    type(QStringLiteral("sbagliato"));
    for (int i = 0; i < 4; ++i)
        press(m_window->Button2);
    QVERIFY(m_window->Button3->isEnabled());
}

void TestExercise::answerCheck_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("right");
    QTest::newRow("same") << QByteArray("abc") << QByteArray("abc") << true;
    QTest::newRow("leading blanks") << QByteArray("  abc") << QByteArray("abc") << true;
    QTest::newRow("trailing blanks") << QByteArray("abc  ") << QByteArray("abc") << true;
    QTest::newRow("trailing line break") << QByteArray("abc\r\n") << QByteArray("abc") << true;
    QTest::newRow("capitals") << QByteArray("ABC") << QByteArray("abc") << false;
    QTest::newRow("blank inside") << QByteArray("ab c") << QByteArray("abc") << false;
    QTest::newRow("runs of blanks") << QByteArray("a   b") << QByteArray("a b") << true;
    QTest::newRow("empty is wrong") << QByteArray() << QByteArray() << false;
    QTest::newRow("blanks only against empty") << QByteArray("  ") << QByteArray() << true;
    QTest::newRow("accented byte") << QByteArray("perch\xe8") << QByteArray("perch\xe8") << true;
}

void TestExercise::answerCheck()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, model);
    QFETCH(bool, right);
    QCOMPARE(answerIsRight(answer, model), right);
}

void TestExercise::firstDifference_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("position");
    QTest::newRow("third differs") << QByteArray("abd") << QByteArray("abc") << 2;
    QTest::newRow("answer shorter") << QByteArray("ab") << QByteArray("abc") << 2;
    QTest::newRow("equal") << QByteArray("abc") << QByteArray("abc") << -1;
    QTest::newRow("trailing blank") << QByteArray("abc ") << QByteArray("abc") << 3;
    QTest::newRow("empty answer") << QByteArray() << QByteArray("abc") << 0;
}

void TestExercise::firstDifference()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, model);
    QFETCH(int, position);
    QCOMPARE(::firstDifference(answer, model), position);
}

void TestExercise::showingSetsButtonsAndPage()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa", 3)));
    for (QPushButton *button : m_window->findChildren<QPushButton *>())
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    QCOMPARE(m_window->Button1->text(), "&Esci");
    QCOMPARE(m_window->Button2->text(), "&Controlla");
    QCOMPARE(m_window->Button13->text(), "A&vanti");
    QCOMPARE(m_window->Button3->text(), "&Aiuto");
    QCOMPARE(m_window->Button12->text(), "&Risposta");
    QCOMPARE(m_window->Button14->text(), "&Tabelle");

    showWindow();
    QVERIFY(m_window->Button1->isEnabled());
    QVERIFY(m_window->Button2->isEnabled());
    QVERIFY(m_window->Button13->isEnabled());
    QVERIFY(!m_window->Button3->isEnabled());
    QVERIFY(!m_window->Button12->isEnabled());
    QVERIFY(!m_window->Button14->isEnabled());
    QCOMPARE(m_window->RichEdit3->font().family(), "tvpZEV Braille 6");
    QCOMPARE(m_window->RichEdit3->font().pixelSize(), 29);

    auto *view = m_platform->views.last();
    QCOMPARE(view->navigations, QStringList{m_state->path("tvp.htm")});
    QFile page(m_state->path("tvp.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    QVERIFY(bytes.contains("<b><font class=\"titoli3\" >Scrivi in braille:<br></b></font>"));
    QVERIFY(bytes.endsWith("<font class=\"titoli3\" >casa<br></font></BODY></HTML>"));
    QVERIFY(dm->Table1.AfterScroll);
    QVERIFY(dm->Table1.AfterCancel);
}

void TestExercise::rightAnswerCountsWithGoodSound()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa")));
    showWindow();
    type("casa  ");
    press(m_window->Button2);
    QCOMPARE(m_window->result(), 1);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::RightFirst);
    QCOMPARE(m_window->WrongAttempts, 0);
    QCOMPARE(m_sounds->played, QStringList{m_state->path("sound/good5.wav")});
}

void TestExercise::helpComesWithTheFourthWrongCheck()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa")));
    showWindow();
    type("cosa");
    for (int i = 0; i < 3; ++i)
        press(m_window->Button2);
    QCOMPARE(m_window->WrongAttempts, 3);
    QVERIFY(!m_window->Button3->isEnabled());
    QVERIFY(!m_window->Button12->isEnabled());
    QVERIFY(!m_window->Button14->isEnabled());
    press(m_window->Button2);
    // The first wrong cell is named too, outside a test.
    QCOMPARE(m_window->Status->text(), "Risposta sbagliata: 4 tentativi errati. Seconda cella: ci "
                                       "sono in più i punti 3 e 5. Ora puoi usare "
                                       "Aiuto, Risposta e Tabelle.");
    QVERIFY(m_window->Button3->isEnabled());
    QVERIFY(m_window->Button12->isEnabled());
    QVERIFY(m_window->Button13->isEnabled());
    QVERIFY(m_window->Button14->isEnabled());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_sounds->played.size(), 4);
    QCOMPARE(m_sounds->played.last(), m_state->path("sound/bad5.wav"));

    // An empty answer is a wrong check too.
    type("");
    press(m_window->Button2);
    QCOMPARE(m_window->WrongAttempts, 5);
}

void TestExercise::testModeEndsAtTheFourthWrongCheck()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa", 4)));
    m_window->TestMode = true;
    showWindow();
    QVERIFY(!m_window->Button13->isEnabled());
    type("cosa");
    for (int i = 0; i < 3; ++i)
        press(m_window->Button2);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->Button3->isEnabled());
    press(m_window->Button2);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), 1);
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::FailedTest);
    QCOMPARE(m_window->Outcome().wrongChecks, 4);
    QVERIFY(!m_window->Button3->isEnabled());
}

void TestExercise::answerButtonThenCheckIsRight()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "due parole")));
    showWindow();
    failUntilHelp();
    press(m_window->Button12);
    QCOMPARE(m_window->RichEdit3->toPlainText(), "due parole");
    press(m_window->Button2);
    QCOMPARE(m_window->result(), 1);
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::RightWithHelp);
}

void TestExercise::helpSelectsFirstDifference()
{
    openTable(MemoryTable().add(plainRecord(1, "x", "abc")));
    showWindow();
    failUntilHelp();
    struct Case
    {
        QString answer;
        int start;
        int length;
    };
    for (const Case &c :
         {Case{"abd", 2, 1}, Case{"ab", 2, 0}, Case{"abc ", 3, 1}, Case{"", 0, 0}}) {
        type(c.answer);
        press(m_window->Button3);
        const QTextCursor cursor = m_window->RichEdit3->textCursor();
        QCOMPARE(cursor.selectionStart(), c.start);
        QCOMPARE(cursor.selectionEnd() - cursor.selectionStart(), c.length);
    }
    // Equal texts: the selection is left alone.
    type("abc");
    QTest::keyClick(m_window->RichEdit3, Qt::Key_Home);
    QTest::keyClick(m_window->RichEdit3, Qt::Key_Right);
    press(m_window->Button3);
    QCOMPARE(m_window->RichEdit3->textCursor().position(), 1);
    QVERIFY(!m_window->RichEdit3->textCursor().hasSelection());
}

void TestExercise::leavingAndSkipping()
{
    openTable(MemoryTable().add(plainRecord(1, "x", "abc")));
    showWindow();
    press(m_window->Button13);
    QCOMPARE(m_window->result(), 4);
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::Skipped);
    showWindow();
    press(m_window->Button1);
    QCOMPARE(m_window->result(), 2);
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::Left);
    showWindow();
    m_window->close();
    QCOMPARE(m_window->result(), 2);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::Left);
}

void TestExercise::sameWindowShownTwice()
{
    openTable(
        MemoryTable().add(plainRecord(1, "primo", "uno")).add(plainRecord(2, "secondo", "due")));
    showWindow();
    type("sbagliato");
    for (int i = 0; i < 4; ++i)
        press(m_window->Button2);
    QVERIFY(m_window->Button3->isEnabled());
    press(m_window->Button13);

    dm->Table1.next();
    m_window->WrongAttempts = 0;
    showWindow();
    QCOMPARE(m_window->RichEdit2.Lines, QList<QByteArray>{"secondo"});
    QCOMPARE(m_window->RichEdittemp.Text(), "due");
    QVERIFY(m_window->RichEdit3->toPlainText().isEmpty());
    QVERIFY(!m_window->Button3->isEnabled());
    QVERIFY(!m_window->Button12->isEnabled());
    QVERIFY(!m_window->Button14->isEnabled());
    QFile page(m_state->path("tvp.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains(">secondo<br></font></BODY></HTML>"));
}

void TestExercise::randomModeKeepsQuestionAndAnswerInStep()
{
    auto record = plainRecord(1, "ignorata", "ignorata");
    record["Doma_rnd"] = true;
    record["List_doma"] = QByteArray("a\r\nb\r\nc");
    record["List_risp"] = QByteArray("1\r\n2\r\n3");
    openTable(MemoryTable().add(record));
    for (int index : {1, 2, 0}) {
        m_platform->random->queued = {index};
        showWindow();
        QCOMPARE(m_window->CheckBox2, true);
        QCOMPARE(m_window->ComboBox1.Items, QList<QByteArray>({"a", "b", "c"}));
        QCOMPARE(m_window->RichEdit2.Text(), QByteArray(1, "abc"[index]));
        QCOMPARE(m_window->RichEdittemp.Text(), QByteArray(1, "123"[index]));
        m_window->hide();
    }
    QCOMPARE(m_platform->random->randomizeCalls, 3);
    // The random-data lists of the type receive the record's lists.
    QCOMPARE(m_lists->QuestionItems(), QList<QByteArray>({"a", "b", "c"}));
    QCOMPARE(m_lists->AnswerItems(), QList<QByteArray>({"1", "2", "3"}));
}

void TestExercise::randomModeWithShortLists()
{
    auto record = plainRecord(1, "ignorata", "ignorata");
    record["Doma_rnd"] = true;
    record["List_doma"] = QByteArray("a\r\nb\r\nc");
    record["List_risp"] = QByteArray("1");
    auto empty = plainRecord(2, "ignorata", "ignorata");
    empty["Doma_rnd"] = true;
    openTable(MemoryTable().add(record).add(empty));
    m_platform->random->queued = {2};
    showWindow();
    QCOMPARE(m_window->RichEdit2.Text(), "c");
    QCOMPARE(m_window->RichEdittemp.Text(), ""); // a question without its answer line
    m_window->hide();

    dm->Table1.next();
    showWindow();
    QCOMPARE(m_window->RichEdit2.Text(), "");
    QCOMPARE(m_window->RichEdittemp.Text(), "");
    type("qualcosa");
    press(m_window->Button2);
    QCOMPARE(m_window->WrongAttempts, 1);
}

void TestExercise::unplayableSoundDoesNotStopTheCheck()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa")));
    m_sounds->failOpen = true;
    showWindow();
    type("cosa");
    press(m_window->Button2);
    QCOMPARE(m_window->WrongAttempts, 1);
    type("casa");
    press(m_window->Button2);
    QCOMPARE(m_window->result(), 1);
    QCOMPARE(m_window->Outcome().kind, ExerciseOutcome::RightAfterWrong);
    QCOMPARE(m_window->Outcome().wrongChecks, 1);
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestExercise::tableButtonOpensTheCodeTableOnlyWhenSet()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa")));
    showWindow();
    failUntilHelp();
    press(m_window->Button14); // no code table set: nothing happens
    Ttblbraille table;
    m_window->TableWindow = &table;
    // The table comes in front with the focus, and its own Alt+E closes it alone.
    QTimer::singleShot(3000, &table, [&table] { table.done(99); });
    QTimer::singleShot(0, &table, [&table] {
        QTRY_COMPARE(QApplication::activeWindow(), &table);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    });
    press(m_window->Button14);
    QCOMPARE(table.result(), 1);
    QVERIFY(m_window->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), m_window->Button14);
}

void TestExercise::deleteCharacterAndDeleteKey()
{
    openTable(MemoryTable().add(plainRecord(1, "casa", "casa")));
    showWindow();
    type("abc");
    QTest::keyClick(m_window->RichEdit3, Qt::Key_Home);
    QTest::keyClick(m_window->RichEdit3, Qt::Key_Right);
    QTest::keyClick(m_window->RichEdit3, Qt::Key_Right, Qt::ShiftModifier);

    // A typed character 127 replaces the selection.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(127)));
    QCoreApplication::sendEvent(m_window->RichEdit3, &typed);
    QCOMPARE(m_window->AnswerText(), "a\x7f"
                                     "c");

    // The Delete key, which X11 reports with the same text, only deletes.
    type("abc");
    QTest::keyClick(m_window->RichEdit3, Qt::Key_Home);
    QKeyEvent deleteKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(127)));
    QCoreApplication::sendEvent(m_window->RichEdit3, &deleteKey);
    QCOMPARE(m_window->AnswerText(), "bc");
}

void TestExercise::noBreakSpaceSurvivesTheAnswerBox()
{
    openTable(MemoryTable().add(plainRecord(1, "x",
                                            "a\xa0"
                                            "b")));
    showWindow();
    type("a b");
    press(m_window->Button2);
    QCOMPARE(m_window->WrongAttempts, 1);
    for (int i = 0; i < 3; ++i)
        press(m_window->Button2);
    press(m_window->Button12);
    QCOMPARE(m_window->AnswerText(), "a\xa0"
                                     "b");
    press(m_window->Button2);
    QCOMPARE(m_window->result(), 1);
}

QTEST_MAIN(TestExercise)
#include "tst_exercise.moc"
