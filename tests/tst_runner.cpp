// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"
#include "app/Runner.h"
#include "app/Windows.h"
#include "app/Seleser_Unit1.h"
#include "app/TestMistakes.h"
#include "rules/dm_Unit1.h"
#include "rules/ProgramState.h"
#include "exercises/SixKeyEntry.h"
#include "exercises/htmlex00.h"
#include "fakes/Fakes.h"
#include "fakes/MemoryTable.h"
#include "fakes/TestProgram.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

// Answers modal windows as they come up, one scripted step for each showing.
class ModalDriver : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;

    explicit ModalDriver(QList<Step> steps) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::tick);
        m_timer.start(5);
        QTimer::singleShot(20000, this, [this] { m_leaving = true; });
    }
    QStringList seen; // object names of the modal windows, in order

private:
    void tick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        // A failed step, or a run that does not end, leaves: the test fails, never hangs.
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && m_leaving)
            return dialog->done(ModalCancel);
        if (!modal || !modal->isVisible() || (modal == m_acted && m_actedVisible))
            return;
        m_acted = modal;
        m_actedVisible = true;
        // The run's next exercise of the same type comes in the window that stays shown.
        if (auto *window = qobject_cast<TExerciseWindow *>(modal))
            connect(window, &TExerciseWindow::exerciseShown, this, &ModalDriver::newExercise,
                    Qt::UniqueConnection);
        seen << modal->objectName();
        if (!m_steps.isEmpty())
            m_steps.takeFirst()(modal);
        else
            QFAIL(qPrintable("unexpected window " + modal->objectName()));
        m_actedVisible = m_acted && m_acted->isVisible();
        m_leaving = QTest::currentTestFailed();
    }

    void newExercise() { m_actedVisible = false; }

    QList<Step> m_steps;
    QTimer m_timer;
    QPointer<QWidget> m_acted;
    bool m_actedVisible = false;
    bool m_leaving = false;
};

// Counts the times a window hides.
struct HideCounter : QObject
{
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Hide ? 1 : 0;
        return false;
    }
};

class TestRunner : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogLooksRight();
    void dialogKeys();
    void cancelledDialogEndsTheRun();
    void categoryWithoutRecords();
    void practiceRunEndsWithTheMessage();
    void verificationTestEndsWithResults();
    void leavingEndsTheRunAtOnce();
    void typesOfAnotherCourseAreSkipped();
    void dialogAlwaysStartsWithCategoryTwo();
    void sixKeyModeIsRecalledAtTheNextExercise();
    void testSaysHowItWasWritten_data();
    void testSaysHowItWasWritten();
    void recordKeepsEachOutcome_data();
    void recordKeepsEachOutcome();
    void reviewRunsWhatWasMissed();

private:
    void useTable(const MemoryTable &table);
    // Follows a link of the lesson page, as the learner does, and waits until the run or
    // the review it starts is over.
    void follow(const QString &link);

    std::unique_ptr<TestProgram> m_state;
    std::unique_ptr<WindowRegistry> m_windows;
    std::unique_ptr<TMainForm> m_form;
    QString m_oldDir;
    FakePlatform *m_platform = nullptr;
    FakeMediaPlayer *m_sounds = nullptr;
    QStringList m_opened;
};

static ModalDriver::Step choose(int category)
{
    return [category](QWidget *modal) {
        auto *dialog = qobject_cast<TSeleserDlg *>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->RadioButton2->isChecked());
        dialog->RadioButton(category)->click();
        dialog->OKBtn->click();
    };
}

static ModalDriver::Step answer(const QString &text, const QString &caption = QString(),
                                const QString &status = QString())
{
    return [text, caption, status](QWidget *modal) {
        auto *window = qobject_cast<TFhtmlex00 *>(modal);
        QVERIFY(window);
        if (!caption.isEmpty())
            QCOMPARE(window->windowTitle(), caption);
        if (!status.isEmpty())
            QCOMPARE(window->Status->text(), status);
        QTest::keyClicks(window->RichEdit3, text);
        window->Button2->click();
    };
}

// A learner's way through one exercise window whose answer is "giusto", by a word:
// "right", "wrong" then right,
// "help" (four wrong checks, "Risposta", then the check), "fail" (four wrong checks in a
// test), "skip", "leave".
static ModalDriver::Step act(const QString &how)
{
    return [how](QWidget *modal) {
        auto *window = qobject_cast<TFhtmlex00 *>(modal);
        QVERIFY(window);
        if (how == "skip" || how == "leave")
            return (how == "skip" ? window->Button13 : window->Button1)->click();
        const int wrong = how == "wrong" ? 1 : how == "right" ? 0 : 4;
        QTest::keyClicks(window->RichEdit3, "x");
        for (int i = 0; i < wrong; ++i)
            window->Button2->click();
        if (how == "fail")
            return;
        QTest::keyClick(window->RichEdit3, Qt::Key_Backspace);
        if (how == "help")
            window->Button12->click();
        else
            QTest::keyClicks(window->RichEdit3, "giusto");
        window->Button2->click();
    };
}

static ModalDriver::Step press(const char *button)
{
    return [button](QWidget *modal) {
        auto *target = modal->findChild<QPushButton *>(QString::fromLatin1(button));
        QVERIFY(target);
        target->click();
    };
}

static TFresult *results()
{
    return WindowRegistry::instance()->Fresult();
}

static FakeHtmlView *resultsPage()
{
    return qobject_cast<FakeHtmlView *>(results()->html1);
}

static QMap<QString, QVariant> record(int lesson, int category, int type, const QByteArray &answer)
{
    return {{"Lezione", lesson},
            {"Cat_eser", category},
            {"T_eser", type},
            {"eser_nr", 1},
            {"Tit_doma", rtf({"Titolo"})},
            {"Doma_rch", rtf({"d"})},
            {"Risp_rch", rtf({answer})},
            {"Doma_rnd", false}};
}

void TestRunner::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRunner::init()
{
    m_state = std::make_unique<TestProgram>();
    m_platform = &m_state->platform;
    m_sounds = &m_state->sounds;
    m_windows = std::make_unique<WindowRegistry>();
    m_opened.clear();
    // The lesson page's window, in the course folder, with the test's sound player.
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_state->dir.path());
    m_form = std::make_unique<TMainForm>();
    ::platform().sounds.setPlayer(m_sounds);
}

void TestRunner::cleanup()
{
    m_form.reset();
    QDir::setCurrent(m_oldDir);
    m_windows.reset();
    m_state.reset();
}

void TestRunner::follow(const QString &link)
{
    auto *page = static_cast<FakeHtmlView *>(m_form->WB);
    QVERIFY(page->fireNavigation(QUrl::fromLocalFile(m_state->path("html/" + link)).toString()));
    QVERIFY(m_form->PendingAction);
    QTRY_VERIFY_WITH_TIMEOUT(!m_form->PendingAction, 30000);
}

void TestRunner::useTable(const MemoryTable &table)
{
    dm->Table1.setOpener(table.opener(&m_opened));
}

void TestRunner::dialogLooksRight()
{
    TSeleserDlg *SeleserDlg = m_windows->SeleserDlg();
    QCOMPARE(SeleserDlg->windowTitle(), "SELEZIONE TIPO DI ESERCIZIO");
    QCOMPARE(SeleserDlg->size(), QSize(492, 228));
    const QStringList captions = {"Esercizi di ripasso dei simboli precedenti",
                                  "Esercizi sui nuovi simboli della lezione",
                                  "Esercizi di consolidamento", "Test di verifica della lezione"};
    const QList<QColor> colours = {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255),
                                   QColor(0, 0, 0)};
    const QList<int> tops = {0, 39, 80, 119};
    for (int category = 1; category <= 4; ++category) {
        QRadioButton *button = SeleserDlg->RadioButton(category);
        QCOMPARE(button->text(), captions[category - 1]);
        QCOMPARE(button->geometry(), QRect(0, tops[category - 1], 492, 41));
        const QImage drawn = button->grab().toImage();
        QCOMPARE(drawn.pixelColor(drawn.width() - 2, drawn.height() / 2), colours[category - 1]);
        QCOMPARE(button->font().family(), "Times New Roman");
        QCOMPARE(button->font().pixelSize(), 16);
        QVERIFY(button->font().bold());
    }
    QCOMPARE(SeleserDlg->OKBtn->geometry(), QRect(162, 180, 75, 25));
    QCOMPARE(SeleserDlg->CancelBtn->geometry(), QRect(255, 180, 75, 25));
    QVERIFY(SeleserDlg->OKBtn->isDefault());
    QCOMPARE(SeleserDlg->OKBtn->nextInFocusChain(), SeleserDlg->CancelBtn);
    QCOMPARE(SeleserDlg->CancelBtn->nextInFocusChain(), SeleserDlg->RadioButton1);
}

void TestRunner::dialogKeys()
{
    TSeleserDlg *SeleserDlg = m_windows->SeleserDlg();
    SeleserDlg->show();
    QVERIFY(QTest::qWaitForWindowActive(SeleserDlg));
    // Tab reaches the categories at the chosen one; the arrows choose; Tab leaves them.
    QCOMPARE(QApplication::focusWidget(), SeleserDlg->OKBtn);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), SeleserDlg->RadioButton2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(SeleserDlg->ChosenCategory, 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), SeleserDlg->CancelBtn);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), SeleserDlg->RadioButton3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), SeleserDlg->OKBtn);
    QTest::keyClick(SeleserDlg, Qt::Key_Return);
    QCOMPARE(SeleserDlg->result(), 1);
    QCOMPARE(SeleserDlg->ChosenCategory, 3);

    SeleserDlg->show();
    SeleserDlg->CancelBtn->setFocus();
    QTest::keyClick(SeleserDlg->CancelBtn, Qt::Key_Return);
    QCOMPARE(SeleserDlg->result(), 2);

    SeleserDlg->show();
    QTest::keyClick(SeleserDlg, Qt::Key_Escape);
    QCOMPARE(SeleserDlg->result(), 2);
    QVERIFY(!SeleserDlg->isVisible());
}

void TestRunner::cancelledDialogEndsTheRun()
{
    useTable(MemoryTable().add(record(2, 2, 0, "a")));
    ModalDriver driver({press("CancelBtn")});
    follow("103eser.htm");
    QCOMPARE(driver.seen, QStringList{"SeleserDlg"});
    QCOMPARE(m_opened, QStringList{m_state->path("Ex/ESER_1.DB")});
    QVERIFY(dm->Table1.active());
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestRunner::categoryWithoutRecords()
{
    useTable(MemoryTable().add(record(0, 2, 0, "a")));
    ModalDriver driver({choose(3)});
    follow("101eser.htm");
    QCOMPARE(m_platform->messages->shown,
             QStringList{" Non ci sono esercizi per questa categoria"});
    QCOMPARE(driver.seen, QStringList{"SeleserDlg"});
}

void TestRunner::practiceRunEndsWithTheMessage()
{
    useTable(MemoryTable()
                 .add(record(0, 2, 0, "uno"))
                 .add(record(1, 2, 0, "altra lezione"))
                 .add(record(0, 3, 0, "altra categoria"))
                 .add(record(0, 2, 0, "due")));
    const QString caption = "Esercizi sui nuovi simboli della lezione";
    ModalDriver driver({choose(2), answer("uno", caption), press("Button13")});
    HideCounter hides;
    TFhtmlex00 *Fhtmlex00 = m_windows->find<TFhtmlex00>();
    Fhtmlex00->installEventFilter(&hides);
    follow("101eser.htm");
    QCOMPARE(driver.seen, QStringList({"SeleserDlg", "Fhtmlex00", "Fhtmlex00"}));
    // The second exercise loaded in the window that stayed shown; it hid when the run ended.
    QCOMPARE(hides.count, 1);
    QVERIFY(!Fhtmlex00->isVisible());
    QCOMPARE(m_platform->messages->shown,
             QStringList{"FINITO - Passa alla categoria esercizi successiva"});
    QCOMPARE(m_platform->record->runList.value(0).right, 1);
    QCOMPARE(Fhtmlex00->TableWindow, m_windows->tblbraille());
    QVERIFY(!Fhtmlex00->TestMode);
}

void TestRunner::sixKeyModeIsRecalledAtTheNextExercise()
{
    useTable(MemoryTable().add(record(0, 2, 0, "uno")).add(record(0, 2, 0, "due")));
    ModalDriver driver({choose(2),
                        [](QWidget *modal) {
                            auto *window = qobject_cast<TFhtmlex00 *>(modal);
                            QVERIFY(QTest::qWaitForWindowActive(window)); // F2 is the window's
                            QTest::keyClick(window->RichEdit3, Qt::Key_F2);
                            window->Button13->click();
                        },
                        [](QWidget *modal) {
                            auto *window = qobject_cast<TFhtmlex00 *>(modal);
                            QTRY_COMPARE(window->Status->text(),
                                         "Esercizio 2 di 2. Scrittura a sei tasti attiva.");
                            window->Button1->click();
                        }});
    follow("101eser.htm");
    SixKeyEntry::setOn(false);
    QCOMPARE(driver.seen, QStringList({"SeleserDlg", "Fhtmlex00", "Fhtmlex00"}));
}

// The results page and the record say how the test's braille was written.
void TestRunner::testSaysHowItWasWritten_data()
{
    QTest::addColumn<bool>("sixKeys");
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QString>("code");
    QTest::newRow("keyboard") << false << QByteArray("scritto con la tastiera") << "tastiera";
    QTest::newRow("six keys") << true << QByteArray("scritto con i sei tasti") << "sei_tasti";
}

void TestRunner::testSaysHowItWasWritten()
{
    QFETCH(bool, sixKeys);
    QFETCH(QByteArray, words);
    QFETCH(QString, code);
    useTable(MemoryTable().add(record(0, 4, 0, "a")));
    SixKeyEntry::setOn(sixKeys); // as the learner left it
    QByteArray page;
    ModalDriver driver({choose(4),
                        [sixKeys](QWidget *modal) {
                            auto *window = qobject_cast<TFhtmlex00 *>(modal);
                            QTest::keyPress(window->RichEdit3, Qt::Key_F); // dot 1, or f
                            QTest::keyRelease(window->RichEdit3, Qt::Key_F);
                            if (!sixKeys)
                                QTest::keyClick(window->RichEdit3, Qt::Key_Backspace);
                            QTest::keyClicks(window->RichEdit3, sixKeys ? "" : "a");
                            window->Button2->click();
                        },
                        [&page](QWidget *modal) {
                            QFile file(dm->PageFile());
                            QVERIFY(file.open(QIODevice::ReadOnly));
                            page = file.readAll();
                            modal->findChild<QPushButton *>("Button1")->click();
                        }});
    follow("101eser.htm");
    SixKeyEntry::setOn(false);
    QVERIFY2(page.contains("</P><p align=\"center\" style=\"font-size: 18px\">" + words),
             page.constData());
    QCOMPARE(m_platform->record->runList.value(0).written, code);
}

void TestRunner::verificationTestEndsWithResults()
{
    MemoryTable table;
    for (int i = 0; i < 3; ++i)
        table.add(record(0, 4, 0, "giusto"));
    useTable(table);
    const qsizetype pagesBefore = resultsPage()->navigations.size();
    // The status line tells where the run stands and what each check gave.
    ModalDriver driver(
        {choose(4), answer("giusto", "Test di verifica della lezione", "Esercizio 1 di 3."),
         answer("giusto", QString(), "Risposta giusta. Esercizio 2 di 3."),
         [](QWidget *modal) {
             // Four wrong checks fail a test exercise and go on.
             auto *window = qobject_cast<TFhtmlex00 *>(modal);
             QVERIFY(window);
             QVERIFY(window->TestMode);
             QVERIFY(!window->Button13->isEnabled());
             QTest::keyClicks(window->RichEdit3, "sbagliato");
             for (int i = 0; i < 3; ++i)
                 window->Button2->click();
             QCOMPARE(window->Status->text(), "Risposta sbagliata: 3 tentativi errati.");
             window->Button2->click();
         },
         [pagesBefore](QWidget *modal) {
             QCOMPARE(modal->objectName(), "Fresult");
             QCOMPARE(results()->CorrectCount, 2);
             // The results take the exercise's place, their page written and asked for once.
             QVERIFY(!WindowRegistry::instance()->exerciseWindow(Course::Alphabet, 0)->isVisible());
             QCOMPARE(resultsPage()->navigations.size(), pagesBefore + 1);
             modal->findChild<QPushButton *>("Button1")->click();
         },
         [](QWidget *modal) {
             // Then the exercise that failed, with its right answer.
             QCOMPARE(modal->objectName(), "Fmistakes");
             QFile page(testMistakesFile(1, 0));
             QVERIFY(page.open(QIODevice::ReadOnly));
             const QByteArray html = page.readAll();
             QVERIFY(html.contains("<h2>Esercizio 3</h2>") && !html.contains("Esercizio 2<"));
             QVERIFY(html.contains("Risposta giusta: <strong>giusto</strong>"));
             QTest::keyClick(modal, Qt::Key_Return);
         }});
    follow("101eser.htm");
    QCOMPARE(driver.seen.size(), 6);
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestRunner::leavingEndsTheRunAtOnce()
{
    useTable(MemoryTable().add(record(0, 4, 0, "a")).add(record(0, 4, 0, "b")));
    ModalDriver driver({choose(4), press("Button1")});
    follow("101eser.htm");
    QCOMPARE(driver.seen, QStringList({"SeleserDlg", "Fhtmlex00"}));
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestRunner::typesOfAnotherCourseAreSkipped()
{
    auto untyped = record(0, 4, 0, "a");
    untyped.remove("T_eser");
    useTable(MemoryTable().add(record(0, 4, 100, "a")).add(untyped).add(record(0, 4, 201, "b")));
    ModalDriver driver({choose(4), [](QWidget *modal) {
                            QCOMPARE(modal->objectName(), "Fresult");
                            QCOMPARE(results()->CorrectCount, 0);
                            modal->findChild<QPushButton *>("Button1")->click();
                        }});
    follow("101eser.htm");
    QCOMPARE(driver.seen, QStringList({"SeleserDlg", "Fresult"}));
}

void TestRunner::dialogAlwaysStartsWithCategoryTwo()
{
    useTable(MemoryTable().add(record(0, 2, 0, "a")).add(record(0, 3, 0, "b")));
    ModalDriver driver({choose(3), press("Button13"), press("OKBtn"), press("Button13")});
    TSeleserDlg *SeleserDlg = m_windows->SeleserDlg();
    follow("101eser.htm");
    QCOMPARE(SeleserDlg->ChosenCategory, 3);
    follow("101eser.htm");
    QCOMPARE(SeleserDlg->ChosenCategory, 2); // OK without touching the choice
    // The second run showed the record of category 2.
    QCOMPARE(m_platform->record->exerciseList.value(1).category, 2);
    QCOMPARE(driver.seen, QStringList({"SeleserDlg", "Fhtmlex00", "SeleserDlg", "Fhtmlex00"}));
}

void TestRunner::recordKeepsEachOutcome_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QStringList>("ways");
    QTest::addColumn<QStringList>("outcomes");
    QTest::addColumn<QString>("grade"); // of the run that ended; "-" when it did not end
    QTest::newRow("practice") << 2 << QStringList{"right", "wrong", "help", "skip"}
                              << QStringList{"right_first", "right_after_wrong",
                                             "right_with_help", "skipped"}
                              << "";
    QTest::newRow("test") << 4 << QStringList{"right", "fail", "right", "right"}
                          << QStringList{"right_first", "failed_test", "right_first",
                                         "right_first"}
                          << "INSUFFICIENTE";
    QTest::newRow("left") << 3 << QStringList{"wrong", "leave", "right", "right"}
                          << QStringList{"right_after_wrong", "left"} << "-";
}

void TestRunner::recordKeepsEachOutcome()
{
    QFETCH(int, category);
    QFETCH(QStringList, ways);
    QFETCH(QStringList, outcomes);
    QFETCH(QString, grade);
    MemoryTable table;
    for (int i = 0; i < 4; ++i)
        table.add(record(0, category, 0, "giusto"));
    useTable(table);
    QList<ModalDriver::Step> steps{choose(category)};
    for (const QString &way : ways)
        steps << act(way);
    steps << press("Button1") << press("Button1"); // the results and mistakes, when a test ends
    ModalDriver driver(steps);
    follow("101eser.htm");
    QStringList kept;
    for (const ExerciseEntry &entry : m_platform->record->exerciseList) {
        kept << entry.outcome.code();
        QCOMPARE(entry.course, 1);
        QCOMPARE(entry.category, category);
    }
    QCOMPARE(kept, outcomes);
    QCOMPARE(m_platform->record->exerciseList.value(0).identity.size(), 16);
    QCOMPARE(m_platform->record->runList.size(), grade == "-" ? 0 : 1);
    if (grade != "-")
        QCOMPARE(m_platform->record->runList[0].grade, grade);
}

void TestRunner::reviewRunsWhatWasMissed()
{
    useTable(MemoryTable()
                 .add(record(1, 2, 0, "giusto"))
                 .add(record(0, 2, 0, "giusto"))
                 .add(record(0, 2, 0, "giusto ")));
    {
        ModalDriver run({choose(2), act("wrong"), choose(2), act("right"), act("skip")});
        follow("102eser.htm");
        follow("101eser.htm");
    }
    // Lesson 0 before lesson 1; the one right at the first check is not reviewed.
    ModalDriver review({act("right"), act("right"), act("right")});
    follow("1ripasso.htm");
    QCOMPARE(review.seen.size(), 2);
    follow("1ripasso.htm");
    QCOMPARE(m_platform->messages->shown.mid(2),
             QStringList({"Ripasso finito: 2 esercizi giusti su 2.",
                          "Non ci sono esercizi dell'alfabeto da rifare."}));
}

QTEST_MAIN(TestRunner)
#include "tst_runner.moc"
