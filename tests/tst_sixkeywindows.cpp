// Six-key entry in the exercise windows, driven by keys as a learner would: F2, chords,
// Alt shortcuts (a button pressed by its shortcut clicks a moment later). The content folder
// carries the demo course's cell table.
#include "app/Globals.h"
#include "data/dm_Unit1.h"
#include "exercises/SixKeyEntry.h"
#include "exercises/htmlex00.h"
#include "exercises/htmlex01.h"
#include "exercises/htmlex02.h"
#include "exercises/htmlex10.h"
#include "exercises/htmlex11.h"
#include "exercises/htmlex12.h"
#include "exercises/htmlex14.h"
#include "exercises/htmlex20.h"
#include "fakes/MemoryTable.h"
#include "fakes/ProgramState.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

#include <functional>
#include <memory>

using Record = QMap<QString, QVariant>;
using Factory = std::function<TTextAnswerWindow *()>;
Q_DECLARE_METATYPE(Factory)

static Record record(int type, const QByteArray &question, const QByteArray &answer)
{
    return {{"Lezione", 0},
            {"Cat_eser", 2},
            {"T_eser", type},
            {"eser_nr", 1},
            {"Tit_doma", rtf({"Scrivi:"})},
            {"Doma_rch", question.isEmpty() ? rtf({}) : rtf({question})},
            {"Risp_rch", rtf({answer})},
            {"Doma_rnd", false}};
}

// Where the learner writes in a window: the work box of types 2 and 102, else RichEdit3.
static QTextEdit *writingBox(TTextAnswerWindow *window)
{
    auto *work = window->findChild<QTextEdit *>(QStringLiteral("RichEdit2"));
    return work && work->isVisibleTo(window) ? work : window->RichEdit3;
}

static Qt::Key keyOf(char key)
{
    return key == ' ' ? Qt::Key_Space : Qt::Key(Qt::Key_A + (key - 'a'));
}

// The keys of each chord pressed in order, then released in order; chords apart by blanks
// in `chords` are written one after the other ("_" is the Space bar).
static void write(QWidget *box, const QByteArray &chords)
{
    for (const QByteArray &chord : chords.split(' ')) {
        const QByteArray keys = chord == "_" ? QByteArray(" ") : chord;
        for (char key : keys)
            QTest::keyPress(box, keyOf(key), Qt::NoModifier);
        for (char key : keys)
            QTest::keyRelease(box, keyOf(key), Qt::NoModifier);
    }
}

class TestSixKeyWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void chordsAnswerEveryBrailleBox_data();
    void chordsAnswerEveryBrailleBox();
    void printBoxesTakeNoDots_data();
    void printBoxesTakeNoDots();
    void keysWhileTheModeIsOn();
    void helpMarksTheFirstDifferingCell();
    void modeHoldsForTheProgramUntilF2();
    void withoutTheModeTheCheckIsByteForByte();

private:
    template <class Window> TTextAnswerWindow *make()
    {
        m_window.reset(new Window);
        return m_window.get();
    }
    // Opens a table of one record and shows a window on it, active, as the runner would.
    TTextAnswerWindow *show(const Factory &factory, const Record &rec);
    QString status() const { return m_window->Status->text(); }

    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TTextAnswerWindow> m_window;
};

void TestSixKeyWindows::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSixKeyWindows::init()
{
    m_state = std::make_unique<ProgramState>();
    QVERIFY(QFile::copy(QStringLiteral(SENTIERO_SOURCE_DIR "/course/braille6.txt"),
                        m_state->path(QStringLiteral("braille6.txt"))));
    QVERIFY(!SixKeyEntry::isOn());
}

void TestSixKeyWindows::cleanup()
{
    m_window.reset();
    m_state.reset();
    SixKeyEntry::setOn(false); // as when the program starts again
}

TTextAnswerWindow *TestSixKeyWindows::show(const Factory &factory, const Record &rec)
{
    MemoryTable table;
    table.add(rec);
    dm->Table1.setOpener(table.opener());
    dm->Table1.setTableName(m_state->path(QStringLiteral("Ex/ESER_1.DB")));
    dm->Table1.open();
    TTextAnswerWindow *window = factory();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("The exercise window did not become active");
    return window;
}

void TestSixKeyWindows::chordsAnswerEveryBrailleBox_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<int>("type");
    QTest::newRow("0") << Factory([this] { return make<TFhtmlex00>(); }) << 0;
    QTest::newRow("2") << Factory([this] { return make<TFhtmlex02>(); }) << 2;
    QTest::newRow("100") << Factory([this] { return make<TFhtmlex10>(); }) << 100;
    QTest::newRow("102") << Factory([this] { return make<TFhtmlex12>(); }) << 102;
    QTest::newRow("104") << Factory([this] { return make<TFhtmlex14>(); }) << 104;
    QTest::newRow("200") << Factory([this] { return make<TFhtmlex20>(); }) << 200;
}

void TestSixKeyWindows::chordsAnswerEveryBrailleBox()
{
    QFETCH(Factory, factory);
    QFETCH(int, type);
    TTextAnswerWindow *window = show(factory, record(type, "", "#c+#d=#g"));
    QTextEdit *box = writingBox(window);
    QCOMPARE(window->focusWidget(), box);
    QVERIFY(box->toolTip().contains("F2"));

    QTest::keyClick(box, Qt::Key_F2);
    QVERIFY(SixKeyEntry::isOn());
    QVERIFY(status().startsWith("Scrittura a sei tasti attiva"));
    QCOMPARE(box->accessibleDescription(), "Scrittura a sei tasti attiva");

    // #3 + #4 = #7 by its cells: 2-3-5 writes "!" and 2-3-5-6 writes the quote, the first
    // characters of those cells in the table.
    write(box, "sjkl fj dsk sjkl fjk dskl sjkl fdjk");
    QCOMPARE(box->toPlainText(), "#3!#4\"#7");
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
    QCOMPARE(CorrectCount, 1);
}

void TestSixKeyWindows::printBoxesTakeNoDots_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<int>("type");
    QTest::newRow("1") << Factory([this] { return make<TFhtmlex01>(); }) << 1;
    QTest::newRow("101") << Factory([this] { return make<TFhtmlex11>(); }) << 101;
}

void TestSixKeyWindows::printBoxesTakeNoDots()
{
    QFETCH(Factory, factory);
    QFETCH(int, type);
    TTextAnswerWindow *window = show(factory, record(type, "#c", "fk"));
    QTest::keyClick(window->RichEdit3, Qt::Key_F2);
    QVERIFY(!SixKeyEntry::isOn());
    QTest::keyClicks(window->RichEdit3, "fk");
    QCOMPARE(window->RichEdit3->toPlainText(), "fk");
    QVERIFY(window->RichEdit3->toolTip().isEmpty());
}

void TestSixKeyWindows::keysWhileTheModeIsOn()
{
    TTextAnswerWindow *window =
        show([this] { return make<TFhtmlex00>(); }, record(0, "casa", "casa"));
    QTextEdit *box = window->RichEdit3;
    QTest::keyClick(box, Qt::Key_F2);

    // Other letters type nothing; Space is the empty cell; Enter breaks the line.
    QTest::keyClicks(box, "aqz");
    write(box, "fj _ fd");
    QTest::keyClick(box, Qt::Key_Return);
    write(box, "fk");
    QCOMPARE(box->toPlainText(), "3 2\n5");

    // A held key repeating adds no dot and no cell.
    QTest::keyPress(box, Qt::Key_F);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, "f", true);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, "f", true);
        QApplication::sendEvent(box, &release);
    }
    QTest::keyRelease(box, Qt::Key_F);
    QCOMPARE(box->toPlainText(), "3 2\n51");

    // Backspace deletes the character before the caret.
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(1);
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), " 2\n51");

    // Dot 4 alone has no character in the course: nothing is written, the learner hears
    // and reads why.
    write(box, "j");
    QCOMPARE(box->toPlainText(), " 2\n51");
    QCOMPARE(status(), "Nessun carattere per il punto 4: cella non scritta.");

    // The Alt shortcuts keep working: a wrong check.
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(WrongAttempts, 1);
    QVERIFY(window->isVisible());
}

void TestSixKeyWindows::helpMarksTheFirstDifferingCell()
{
    TTextAnswerWindow *window =
        show([this] { return make<TFhtmlex00>(); }, record(0, "Roma", "Roma"));
    QTextEdit *box = window->RichEdit3;
    QTest::keyClick(box, Qt::Key_F2);
    // The capital sign, then r o n a: the fourth chord is wrong.
    write(box, "jl fdsk fsk fsjk f");
    for (int i = 1; i <= 4; ++i) {
        QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(WrongAttempts, i);
    }
    QVERIFY(window->Button3->isEnabled());
    QTest::keyClick(box, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(box->textCursor().selectionStart(), 3);
    QCOMPARE(box->textCursor().selectedText(), "n");

    // Risposta puts the model's characters as they stand, which are right.
    QTest::keyClick(box, Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(box->toPlainText(), "Roma");
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
}

void TestSixKeyWindows::modeHoldsForTheProgramUntilF2()
{
    TTextAnswerWindow *first =
        show([this] { return make<TFhtmlex00>(); }, record(0, "casa", "casa"));
    QTest::keyClick(first->Button2, Qt::Key_F2); // from a button too
    QVERIFY(SixKeyEntry::isOn());
    first->hide();

    // Another window, shown later, writes by dots at once and says so.
    TTextAnswerWindow *work = show([this] { return make<TFhtmlex02>(); }, record(2, "csa", "casa"));
    QTextEdit *box = writingBox(work);
    QCOMPARE(box->accessibleDescription(), "Scrittura a sei tasti attiva");
    QTRY_VERIFY(status().contains("Scrittura a sei tasti attiva."));
    QTest::keyClick(box, Qt::Key_End);
    write(box, "f");
    QCOMPARE(box->toPlainText(), "csa1");

    QTest::keyClick(box, Qt::Key_F2);
    QVERIFY(!SixKeyEntry::isOn());
    QCOMPARE(status(), "Scrittura a sei tasti disattivata.");
    QVERIFY(box->accessibleDescription().isEmpty());
    QTest::keyClicks(box, "f");
    QCOMPARE(box->toPlainText(), "csa1f");
}

void TestSixKeyWindows::withoutTheModeTheCheckIsByteForByte()
{
    // "!" and "+" are one cell, but only six-key mode compares cells.
    TTextAnswerWindow *window =
        show([this] { return make<TFhtmlex00>(); }, record(0, "3+4", "#c+#d"));
    QTextEdit *box = window->RichEdit3;
    QTest::keyClicks(box, "#c!#d");
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(WrongAttempts, 1);
    QTest::keyClick(box, Qt::Key_F2);
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
}

QTEST_MAIN(TestSixKeyWindows)
#include "tst_sixkeywindows.moc"
