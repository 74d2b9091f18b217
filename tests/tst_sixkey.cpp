// SPDX-License-Identifier: GPL-3.0-or-later
// Six-key entry: chords read from key presses and releases and the cell tables, without a
// window; then the exercise windows driven by keys as a learner would (F2, chords, the Alt
// shortcuts, whose button clicks a moment later), on the demo course's cell table.
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
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
#include "fakes/TestProgram.h"
#include "rules/Slate.h"
#include "rules/WritingModes.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <functional>
#include <memory>

using Factory = std::function<TTextAnswerWindow *()>;
Q_DECLARE_METATYPE(Factory)

static const QString DemoTable = QStringLiteral(SENTIERO_SOURCE_DIR "/course/braille6.txt");

static const CellTable &demoCells()
{
    static const CellTable table = [] {
        QFile file(DemoTable);
        return CellTable::fromCourseText(file.open(QIODevice::ReadOnly) ? file.readAll() : "");
    }();
    return table;
}

// "+f" presses F, "-f" releases it, "*f" repeats it; " " is Space, "<" Backspace. Out come
// the characters written, "<" for an erase, "[dots]" for a refused cell.
static QByteArray play(const QByteArray &script)
{
    ChordReader reader(&demoCells());
    QByteArray out;
    for (qsizetype i = 0; i + 1 < script.size(); i += 2) {
        const auto key = SixKey(QByteArray("fdsjkl <").indexOf(script[i + 1]));
        const bool repeat = script[i] == '*';
        for (const SixKeyAction &a :
             {script[i] == '-' ? SixKeyAction() : reader.press(key, repeat),
              script[i] == '+' ? SixKeyAction() : reader.release(key, repeat)}) {
            if (a.kind == SixKeyAction::Write)
                out.append(a.character);
            else if (a.kind == SixKeyAction::Erase)
                out.append('<');
            else if (a.kind == SixKeyAction::Refuse)
                out.append('[' + dotsText(a.cell) + ']');
        }
    }
    return out;
}

static QList<Cell> cells(const QByteArray &dots)
{
    QList<Cell> result;
    for (const QByteArray &cell : dots.split('-'))
        result.append(cellOfDots(cell).value_or(0xFF));
    return result;
}

// Each chord's keys pressed in order, then released in order; "_" is the Space bar.
static void write(QWidget *box, const QByteArray &chords)
{
    for (const QByteArray &chord : chords.split(' ')) {
        const QByteArray keys = chord == "_" ? " " : chord;
        for (char key : keys)
            QTest::keyPress(box, key == ' ' ? Qt::Key_Space : Qt::Key(Qt::Key_A + key - 'a'));
        for (char key : keys)
            QTest::keyRelease(box, key == ' ' ? Qt::Key_Space : Qt::Key(Qt::Key_A + key - 'a'));
    }
}

class TestSixKey : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void chords_data();
    void chords();
    void tables_data();
    void tables();
    void checkAndHelpOnCells_data();
    void checkAndHelpOnCells();
    void slateChords_data();
    void slateChords();

    void chordsAnswerEachBrailleBox_data();
    void chordsAnswerEachBrailleBox();
    void otherKeysInTheMode();
    void helpAndModelAnswer();
    void modeLastsAcrossWindowsUntilF2();
    void slateWordTurnedOverIsRight();
    void modesAreKeptAndF2IsHinted();
    void signsWithoutAnItalianKey();

private:
    template <class Window> TTextAnswerWindow *make()
    {
        m_window.reset(new Window);
        return m_window.get();
    }
    TTextAnswerWindow *show(const Factory &factory, int type, const QByteArray &question,
                            const QByteArray &answer);
    QString status() const { return m_window->Status->text(); }

    std::unique_ptr<TestProgram> m_state;
    std::unique_ptr<TTextAnswerWindow> m_window;
};

void TestSixKey::init()
{
    m_state = std::make_unique<TestProgram>();
    QVERIFY(QFile::copy(DemoTable, m_state->path(QStringLiteral("braille6.txt"))));
    QVERIFY(!SixKeyEntry::isOn()); // as the program starts
}

void TestSixKey::cleanup()
{
    m_window.reset();
    m_state.reset();
    SixKeyEntry::setOn(false);
    WritingModes::recall(QString());
}

void TestSixKey::chords_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QByteArray>("written");
    // The demo course lists the letters first: cell 1 is written "a".
    QTest::newRow("one key") << QByteArray("+f-f") << QByteArray("a");
    QTest::newRow("released in reverse") << QByteArray("+f+d-d-f") << QByteArray("b");
    QTest::newRow("overlapping presses") << QByteArray("+d+j-d+f-j-f") << QByteArray("f");
    QTest::newRow("two chords") << QByteArray("+f-f+f+d-d-f") << QByteArray("ab");
    QTest::newRow("auto-repeat") << QByteArray("+f*f*f*d-f") << QByteArray("a");
    QTest::newRow("release never pressed") << QByteArray("-f+d-d") << QByteArray(",");
    QTest::newRow("Space") << QByteArray("+f-f+ * - ") << QByteArray("a ");
    QTest::newRow("Space within a chord") << QByteArray("+f+ - -f") << QByteArray("a");
    QTest::newRow("Backspace, repeating") << QByteArray("+f+<*<-<-f") << QByteArray("<<a");
    QTest::newRow("octave signs, dot 4 and dot 5 alone") << QByteArray("+j-j+k-k") << QByteArray("^~");
    QTest::newRow("first of two characters") << QByteArray("+d+s+k-d-s-k") << QByteArray("!");
}

void TestSixKey::chords()
{
    QFETCH(QByteArray, script);
    QFETCH(QByteArray, written);
    QCOMPARE(play(script), written);
}

void TestSixKey::tables_data()
{
    QTest::addColumn<bool>("louis");
    QTest::addColumn<QByteArray>("character");
    QTest::addColumn<QList<Cell>>("cells");
    QTest::addColumn<Cell>("chord");
    QTest::addColumn<char>("chordWrites");
    QTest::newRow("course: capital")
        << false << QByteArray("A") << cells("46-1") << cells("235")[0] << '+';
    QTest::newRow("course: bad line left out")
        << false << QByteArray("b") << cells("123456") << cells("46")[0] << '\0';
    QTest::newRow("course: line break")
        << false << QByteArray("\n") << QList<Cell>() << cells("14")[0] << 'c';
    QTest::newRow("liblouis: è") << true << QByteArray("\xe8") << cells("2346") << cells("235")[0]
                                 << '!';
    QTest::newRow("liblouis: capital")
        << true << QByteArray("R") << cells("46-1235") << cells("46")[0] << '$';
    QTest::newRow("liblouis: digit")
        << true << QByteArray("2") << cells("12") << cells("3456")[0] << '#';
    QTest::newRow("liblouis: letters before signs")
        << true << QByteArray("a") << cells("1") << cells("1")[0] << 'a';
    QTest::newRow("liblouis: undefined")
        << true << QByteArray("-") << QList<Cell>() << cells("0")[0] << ' ';
}

void TestSixKey::tables()
{
    QFETCH(bool, louis);
    QFETCH(QByteArray, character);
    QFETCH(QList<Cell>, cells);
    QFETCH(Cell, chord);
    QFETCH(char, chordWrites);
    // + is listed before !, b's line and the one after the comment are not read.
    const QByteArray course = "# comment\n2b 235 +\r\n21 235 !\n41 46-1 A\nzz 1\n62 1x\n63 14\n";
    const CellTable table = louis ? CellTable::fromLiblouis() : CellTable::fromCourseText(course);
    QVERIFY(!table.isEmpty());
    QCOMPARE(table.cellsOf(character[0]), cells);
    QCOMPARE(table.characterOf(chord).value_or('\0'), chordWrites);
}

void TestSixKey::checkAndHelpOnCells_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("help"); // the position "Aiuto" selects, -1 none
    QTest::newRow("! for +") << QByteArray("#c!#d") << QByteArray("#c+#d") << true << -1;
    QTest::newRow("wrong cell") << QByteArray("#c!#e") << QByteArray("#c+#d") << false << 4;
    QTest::newRow("capital by chords") << QByteArray("|roma") << QByteArray("Roma") << true << -1;
    QTest::newRow("capital sign missing") << QByteArray("roma") << QByteArray("Roma") << false << 0;
    QTest::newRow("second cell of a capital") << QByteArray("Aa") << QByteArray("$b") << false << 0;
    QTest::newRow("shorter") << QByteArray("|ro") << QByteArray("Roma") << false << 3;
    QTest::newRow("blanks") << QByteArray(" a\xa0  b ") << QByteArray("a b") << true << 0;
    QTest::newRow("line break") << QByteArray("a\r\nb") << QByteArray("ab") << false << 1;
    QTest::newRow("empty") << QByteArray() << QByteArray() << false << -1;
}

void TestSixKey::checkAndHelpOnCells()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, model);
    QFETCH(bool, right);
    QFETCH(int, help);
    QCOMPARE(answerIsRightByCells(answer, model, demoCells()), right);
    QCOMPARE(firstCellDifference(answer, model, demoCells()), help);
}

TTextAnswerWindow *TestSixKey::show(const Factory &factory, int type, const QByteArray &question,
                                    const QByteArray &answer)
{
    MemoryTable table;
    table.add({{"Lezione", 0},
               {"Cat_eser", 2},
               {"T_eser", type},
               {"eser_nr", 1},
               {"Tit_doma", rtf({"Scrivi:"})},
               {"Doma_rch", question.isEmpty() ? rtf({}) : rtf({question})},
               {"Risp_rch", rtf({answer})},
               {"Doma_rnd", false}});
    dm->Table1.setOpener(table.opener());
    dm->Table1.setTableName(m_state->path(QStringLiteral("Ex/ESER_1.DB")));
    dm->Table1.open();
    TTextAnswerWindow *window = factory();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("The exercise window is not active: shortcuts will not work");
    return window;
}

void TestSixKey::chordsAnswerEachBrailleBox_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("dots");
    QTest::newRow("0") << Factory([this] { return make<TFhtmlex00>(); }) << 0 << true;
    QTest::newRow("1") << Factory([this] { return make<TFhtmlex01>(); }) << 1 << false;
    QTest::newRow("2") << Factory([this] { return make<TFhtmlex02>(); }) << 2 << true;
    QTest::newRow("100") << Factory([this] { return make<TFhtmlex10>(); }) << 100 << true;
    QTest::newRow("101") << Factory([this] { return make<TFhtmlex11>(); }) << 101 << false;
    QTest::newRow("102") << Factory([this] { return make<TFhtmlex12>(); }) << 102 << true;
    QTest::newRow("104") << Factory([this] { return make<TFhtmlex14>(); }) << 104 << true;
    QTest::newRow("200") << Factory([this] { return make<TFhtmlex20>(); }) << 200 << true;
}

void TestSixKey::chordsAnswerEachBrailleBox()
{
    QFETCH(Factory, factory);
    QFETCH(int, type);
    QFETCH(bool, dots);
    TTextAnswerWindow *window = show(factory, type, "", "#c+#d=#g");
    auto *box = qobject_cast<QTextEdit *>(window->focusWidget());
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key_F2);
    QCOMPARE(SixKeyEntry::isOn(), dots);
    if (!dots) { // a print box: F2 does nothing, letters are letters
        QTest::keyClicks(box, "fk");
        QCOMPARE(box->toPlainText(), "fk");
        return;
    }
    QVERIFY(box->toolTip().contains("F2"));
    QVERIFY(status().startsWith("Scrittura a sei tasti attiva"));
    QCOMPARE(box->accessibleDescription(), "Scrittura a sei tasti attiva");
    // 2-3-5 is written "!" and 2-3-5-6 "(": the first characters of those cells.
    write(box, "sjkl fj dsk sjkl fjk dskl sjkl fdjk");
    QCOMPARE(box->toPlainText(), "#c!#d(#g");
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
}

void TestSixKey::otherKeysInTheMode()
{
    // A course that gives dot 4 alone no character: the chord is refused.
    QFile table(m_state->path(QStringLiteral("braille6.txt")));
    QVERIFY(table.open(QIODevice::ReadOnly));
    const QByteArray withoutDot4 = table.readAll().replace("5E    4           ^\n", "");
    table.close();
    QVERIFY(table.open(QIODevice::WriteOnly | QIODevice::Truncate));
    table.write(withoutDot4);
    table.close();
    TTextAnswerWindow *window = show([this] { return make<TFhtmlex00>(); }, 0, "x", "3+2");
    QTextEdit *box = window->RichEdit3;
    QTest::keyClicks(box, "3!2"); // without the mode the check is byte for byte
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->WrongAttempts, 1);

    QTest::keyClick(box, Qt::Key_F2);
    QTest::keyClicks(box, "aqz"); // letters that are no dot write nothing
    write(box, "fj");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Return);
    const QString before = status();
    write(box, "j");
    QCOMPARE(status(), "Nessun carattere per il punto 4: cella non scritta.");
    write(box, "_ fk");
    QCOMPARE(box->toPlainText(), "3!c\n e");
    QCOMPARE(status(), before); // the refusal goes once cells are written right
}

void TestSixKey::helpAndModelAnswer()
{
    TTextAnswerWindow *window = show([this] { return make<TFhtmlex00>(); }, 0, "x", "Roma");
    QTextEdit *box = window->RichEdit3;
    QTest::keyClick(box, Qt::Key_F2);
    write(box, "jl fdsk fsk fsjk f"); // capital sign, r o n a
    for (int i = 1; i <= 4; ++i) {
        QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(window->WrongAttempts, i);
    }
    QTest::keyClick(box, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(box->textCursor().selectedText(), "n");
    QTest::keyClick(box, Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(box->toPlainText(), "Roma");
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
}

void TestSixKey::modeLastsAcrossWindowsUntilF2()
{
    TTextAnswerWindow *first = show([this] { return make<TFhtmlex00>(); }, 0, "x", "casa");
    QTest::keyClick(first->Button2, Qt::Key_F2); // from a button too
    first->hide();
    TTextAnswerWindow *work = show([this] { return make<TFhtmlex02>(); }, 2, "csa", "casa");
    auto *box = qobject_cast<QTextEdit *>(work->focusWidget());
    QCOMPARE(box->accessibleDescription(), "Scrittura a sei tasti attiva");
    QTRY_VERIFY(status().contains("Scrittura a sei tasti attiva."));
    QTest::keyClick(box, Qt::Key_F2);
    QCOMPARE(status(), "Scrittura a sei tasti disattivata.");
    QTest::keyClicks(box, "f");
    QCOMPARE(box->toPlainText(), "fcsa");
}

// On the slate the right hand makes the dots 1 2 3: a chord, the cell as it reads, what is
// heard, and the cells of a line as the writing side shows them from left to right.
void TestSixKey::slateChords_data()
{
    QTest::addColumn<QByteArray>("chord");
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("side");
    QTest::newRow("j") << QByteArray("j") << QByteArray("1") << "scritto punto 4, si legge punto 1"
                       << QByteArray("1-12") << QByteArray("45-4");
    QTest::newRow("jk") << QByteArray("jk") << QByteArray("12")
                        << "scritto punti 4 5, si legge punti 1 2" << QByteArray("0-14-1")
                        << QByteArray("4-14-0");
    QTest::newRow("sdl") << QByteArray("sdl") << QByteArray("356")
                         << "scritto punti 2 3 6, si legge punti 3 5 6" << QByteArray("1235")
                         << QByteArray("2456");
    QTest::newRow("own mirror") << QByteArray("fj") << QByteArray("14") << "punti 1 4"
                                << QByteArray("123456-3") << QByteArray("6-123456");
}

void TestSixKey::slateChords()
{
    QFETCH(QByteArray, chord);
    QFETCH(QByteArray, read);
    QFETCH(QString, heard);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, side);
    ChordReader reader(&demoCells());
    SixKeyAction written;
    for (int pass = 0; pass < 2; ++pass) {
        for (char key : chord) {
            const SixKey dot = *slateKeyOf(Qt::Key_A + key - 'a');
            written = pass ? reader.release(dot, false) : reader.press(dot, false);
        }
    }
    QCOMPARE(dotsText(written.cell), read);
    QCOMPARE(slateCellSpeech(written.cell), heard);
    QByteArray shown;
    for (Cell cell : writingSide(cells(line)))
        shown += (shown.isEmpty() ? "" : "-") + dotsText(cell);
    QCOMPARE(shown, side);
}

void TestSixKey::slateWordTurnedOverIsRight()
{
    TTextAnswerWindow *window = show([this] { return make<TFhtmlex00>(); }, 0, "x", "cab");
    QTextEdit *box = window->RichEdit3;
    auto *sheet = box->findChild<QWidget *>("SlateSheet");
    QTest::keyClick(box, Qt::Key_F3);
    QVERIFY(SixKeyEntry::slateOn());
    QVERIFY(sheet->isVisible());
    write(box, "jf j jk");
    QCOMPARE(box->toPlainText(), "cab");
    QCOMPARE(status(), "scritto punti 4 5, si legge punti 1 2");
    if (const QByteArray shots = qgetenv("SLATE_SHOTS"); !shots.isEmpty())
        window->grab().save(QString::fromLocal8Bit(shots) + "/slate-writing-side.png");
    QTest::keyClick(box, Qt::Key_F4);
    QVERIFY(!sheet->isVisible());
    QVERIFY(status().startsWith("Foglio girato"));
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
    QCOMPARE(window->Outcome().written, ExerciseOutcome::Writing::Slate);
}

void TestSixKey::modesAreKeptAndF2IsHinted()
{
    QTemporaryDir config;
    const QString file = config.filePath("Sentiero dei Punti/scrittura.conf");
    WritingModes::recall(file); // a learner's first start
    TTextAnswerWindow *window = show([this] { return make<TFhtmlex00>(); }, 0, "x", "a");
    QTRY_VERIFY(status().contains("premi F2"));
    QTest::keyClick(window->RichEdit3, Qt::Key_F2);
    WritingModes::recall(file); // the next start
    QVERIFY(SixKeyEntry::isOn());
    QVERIFY(WritingModes::sixKeysKnown());
}

void TestSixKey::signsWithoutAnItalianKey()
{
    TTextAnswerWindow *window = show([this] { return make<TFhtmlex20>(); }, 200, "x", "~`~`");
    QTextEdit *box = window->RichEdit3;
    QTest::keyClick(box, Qt::Key_Igrave, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Apostrophe, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_F2);
    write(box, "k jk");
    QCOMPARE(box->toPlainText(), "~`~`");
    QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(window->result(), int(ResultAnswered));
    QCOMPARE(window->Outcome().written, ExerciseOutcome::Writing::Keyboard);
}

QTEST_MAIN(TestSixKey)
#include "tst_sixkey.moc"
