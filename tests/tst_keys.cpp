// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a new learner reaches for: the zoom keys in every page view and answer box, the
// arrows of the category dialog from its buttons, and Enter in the code table's find box.

#include "app/MainForm.h"
#include "app/Seleser_Unit1.h"
#include "rules/ProgramState.h"
#include "exercises/htmlex00.h"
#include "rules/dm_Unit1.h"
#include "fakes/Fakes.h"
#include "fakes/MemoryTable.h"
#include "fakes/TestProgram.h"
#include "platform/RealHtmlView.h"
#include "platform/Zoom.h"
#include "randomdata/RandomLists.h"
#include "randomdata/ex00datcas_Unit1.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

class TestKeys : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void keys_data();
    void keys();
};

void TestKeys::keys_data()
{
    QTest::addColumn<QString>("where");   // the window, and what has the focus in it
    QTest::addColumn<QString>("keys");    // pressed in turn, each where the focus is then
    QTest::addColumn<QString>("outcome"); // "zoom F", "category N", "cancel", "found"
    QTest::newRow("lesson page, Ctrl+plus") << "lesson" << "Ctrl++" << "zoom 1.1";
    QTest::newRow("lesson page, back to normal") << "lesson" << "Ctrl+=, Ctrl+=, Ctrl+0" << "zoom 1";
    QTest::newRow("exercise page, Ctrl+minus") << "exercise" << "Ctrl+-" << "zoom 0.9";
    QTest::newRow("answer box, Ctrl+plus twice") << "answer" << "Ctrl++, Ctrl++" << "zoom 1.25";
    QTest::newRow("code table, Ctrl+plus") << "table" << "Ctrl++" << "zoom 1.1";
    QTest::newRow("results, Ctrl+minus") << "results" << "Ctrl+-" << "zoom 0.9";
    QTest::newRow("dialog, Up from OK") << "dialog OK" << "Up, Return" << "category 1";
    QTest::newRow("dialog, Down from OK") << "dialog OK" << "Down, Return" << "category 3";
    QTest::newRow("dialog, Up past the first") << "dialog OK" << "Up, Up, Return" << "category 1";
    QTest::newRow("dialog, Down from Annulla") << "dialog Annulla" << "Down, Down, Return"
                                               << "category 4";
    QTest::newRow("dialog, Enter on Annulla") << "dialog Annulla" << "Return" << "cancel";
    QTest::newRow("find box, Enter") << "find" << "Return" << "found";
}

void TestKeys::keys()
{
    QFETCH(QString, where);
    QFETCH(QString, keys);
    QFETCH(QString, outcome);

    TestProgram program;
    zoom().reset();
    if (where == "find") {
        // The find bar is the real browser's own.
        platform().createHtmlView = [](QWidget *parent, ViewEngine) {
            return new RealHtmlView(parent);
        };
        state().ContentDir = QStringLiteral(SENTIERO_SOURCE_DIR "/course");
    }
    const MemoryTable records = MemoryTable().add({{"Lezione", 0}, {"Cat_eser", 2}, {"T_eser", 0},
                                                   {"eser_nr", 1}, {"Tit_doma", rtf({"Scrivi:"})},
                                                   {"Doma_rch", rtf({"casa"})},
                                                   {"Risp_rch", rtf({"casa"})}, {"Doma_rnd", false}});
    dm->Table1.setOpener(records.opener());
    dm->Table1.setTableName(program.path("Ex/ESER_1.DB"));
    dm->Table1.open();
    TMainForm mainForm;
    TFormex00dc lists;
    auto exercise = std::make_unique<TFhtmlex00>();
    exercise->DataDialog = &lists;
    Ttblbraille table;
    TFresult results;
    TSeleserDlg dialog;

    QWidget *window = where == "lesson"                               ? static_cast<QWidget *>(&mainForm)
                      : where == "exercise" || where == "answer"      ? exercise.get()
                      : where == "table" || where == "find"           ? static_cast<QWidget *>(&table)
                      : where == "results"                            ? static_cast<QWidget *>(&results)
                                                                      : &dialog;
    QSignalSpy loaded(table.html1, &HtmlView::downloadComplete);
    window->show();
    QApplication::setActiveWindow(window); // as the window manager does
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *focus = where == "lesson"          ? mainForm.WB
                     : where == "exercise"      ? exercise->html1
                     : where == "answer"        ? exercise->RichEdit3
                     : where == "table"         ? table.html1
                     : where == "results"       ? results.html1
                     : where == "dialog Annulla" ? static_cast<QWidget *>(dialog.CancelBtn)
                                                 : QApplication::focusWidget();
    focus->setFocus();

    QWebEnginePage *page = nullptr;
    std::unique_ptr<QSignalSpy> found;
    if (where == "find") {
        QVERIFY(loaded.wait(30000));
        page = table.html1->findChild<QWebEngineView *>()->page();
        found = std::make_unique<QSignalSpy>(page, &QWebEnginePage::findTextFinished);
        QTest::mouseClick(table.Button2, Qt::LeftButton); // Trova
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), "punti");
        QTRY_COMPARE_WITH_TIMEOUT(found->size(), 5, 10000);
    }

    const QKeySequence sequence = QKeySequence::fromString(keys);
    for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination key = sequence[i];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }

    const QString kind = outcome.section(' ', 0, 0);
    const QString value = outcome.section(' ', 1);
    if (kind == "zoom") {
        const double factor = value.toDouble();
        QCOMPARE(zoom().factor(), factor);
        for (const FakeHtmlView *view : program.platform.views)
            QCOMPARE(view->zoomFactor(), factor); // every page of the program, shown or not
        QCOMPARE(exercise->RichEdit3->font().pixelSize(), qRound(29 * factor));
    } else if (kind == "category") {
        QCOMPARE(dialog.result(), int(ModalOk));
        QCOMPARE(dialog.ChosenCategory, value.toInt());
        QVERIFY(dialog.RadioButton(value.toInt())->isChecked());
    } else if (kind == "cancel") {
        QCOMPARE(dialog.result(), int(ModalCancel));
    } else {
        // Enter looked for the next match, and the table is still there.
        QTRY_COMPARE_WITH_TIMEOUT(found->size(), 6, 10000);
        QVERIFY(table.isVisible());
        QCOMPARE(table.result(), 0);
    }
    exercise.reset();
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
