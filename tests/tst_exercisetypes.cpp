// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "rules/ExerciseRules.h"
#include "exercises/htmlex01.h"
#include "exercises/htmlex02.h"
#include "exercises/htmlex10.h"
#include "exercises/htmlex11.h"
#include "exercises/htmlex12.h"
#include "exercises/htmlex13.h"
#include "exercises/htmlex14.h"
#include "exercises/htmlex20.h"
#include "exercises/htmlex21.h"
#include "fakes/MemoryTable.h"
#include "fakes/TestProgram.h"
#include "rules/Cp1252.h"
#include "app/Windows.h"
#include "randomdata/RandomLists.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <memory>

using Record = QMap<QString, QVariant>;
using Factory = std::function<TExerciseWindow *()>;
Q_DECLARE_METATYPE(Factory)

class TestExerciseTypes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rewriteBrailleRun_data();
    void rewriteBrailleRun();
    void rewriteMusicPairs_data();
    void rewriteMusicPairs();

    void pageOfEachType_data();
    void pageOfEachType();
    void workBoxIsEditedIntoTheAnswer_data();
    void workBoxIsEditedIntoTheAnswer();
    void deleteCharacterRuleInTheWorkBox();
    void choiceCheck_data();
    void choiceCheck();
    void choiceHelpAndTestMode_data();
    void choiceHelpAndTestMode();
    void mathematicsListsGoToTheirDialogs_data();
    void mathematicsListsGoToTheirDialogs();
    void pictureTypeIgnoresRandomMode();
    void picturesAreExported();

private:
    template <class Window> Window *make()
    {
        m_window.reset(new Window);
        return static_cast<Window *>(m_window.get());
    }
    void openTable(const QList<Record> &records);
    QByteArray pageBody() const; // the page after the header and background
    QByteArray dir() const { return toCp1252(state().ContentDir); }

    std::unique_ptr<TestProgram> m_state;
    std::unique_ptr<TExerciseWindow> m_window;
};

static Record record(int type, int category, const QList<QByteArray> &title,
                     const QList<QByteArray> &question, const QByteArray &answer = "x")
{
    return {{"Lezione", 5},
            {"Cat_eser", category},
            {"T_eser", type},
            {"eser_nr", 7},
            {"Tit_doma", rtf(title)},
            {"Doma_rch", rtf(question)},
            {"Risp_rch", rtf({answer})},
            {"Doma_rnd", false}};
}

void TestExerciseTypes::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestExerciseTypes::init()
{
    m_state = std::make_unique<TestProgram>();
}

void TestExerciseTypes::cleanup()
{
    m_window.reset();
    m_state.reset();
}

void TestExerciseTypes::openTable(const QList<Record> &records)
{
    MemoryTable table;
    for (const Record &r : records)
        table.add(r);
    dm->Table1.setOpener(table.opener());
    dm->Table1.setTableName(m_state->path("Ex/ESER_2.DB"));
    dm->Table1.open();
}

QByteArray TestExerciseTypes::pageBody() const
{
    QFile page(m_state->path("tvp.htm"));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = page.readAll();
    const QByteArray background = "\\img\\Image202.jpg\">";
    return bytes.mid(bytes.indexOf(background) + background.size());
}

static const QByteArray Tag = "</FONT><FONT FACE=\"ZEV Braille 6\"";

void TestExerciseTypes::rewriteBrailleRun_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("category");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("no tag") << QByteArray("Calcola 3/F") << 2 << QByteArray("Calcola 3/F");
    QTest::newRow("one run") << "Scrivi " + Tag + " SIZE=\"5\">#ab</FONT> e basta" << 2
                             << QByteArray("Scrivi <span class=\"braille2\">#ab</span> e basta");
    QTest::newRow("category follows the record")
        << "a" + Tag + ">b</FONT>" << 4 << QByteArray("a<span class=\"braille4\">b</span>");
    QTest::newRow("no > after the tag")
        << "prima " + Tag + " SIZE=5" << 1 << QByteArray("prima <span class=\"braille1\">");
    QTest::newRow("two runs") << "a" + Tag + ">b</FONT>c" + Tag + ">d</FONT>" << 3
                              << QByteArray("a<span class=\"braille3\">b</span>c</span><FONT "
                                            "FACE=\"ZEV Braille 6\">d</span>");
    QTest::newRow("x/Fy at the end grows the line")
        << "t" + Tag + ">ab x/Fy" << 2 << QByteArray("t<span class=\"braille2\">ab </span>");
    QTest::newRow("slash and F last are left")
        << "t" + Tag + ">ab/F" << 2 << QByteArray("t<span class=\"braille2\">ab/F");
    QTest::newRow("only the first tag opens")
        << Tag + ">" + Tag + ">" << 2
        << QByteArray("<span class=\"braille2\"></span><FONT FACE=\"ZEV Braille 6\">");
}

void TestExerciseTypes::rewriteBrailleRun()
{
    QFETCH(QByteArray, line);
    QFETCH(int, category);
    QFETCH(QByteArray, written);
    QCOMPARE(RewriteBrailleRun(line, category), written);
}

void TestExerciseTypes::rewriteMusicPairs_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("first occurrence only")
        << QByteArray("\xfe\xf4-\xfe\xf4") << QByteArray("\xd3v-\xfe\xf4");
    QTest::newRow("rules 3 and 4") << QByteArray("\xfe\xf1\xff\xf1") << QByteArray("\xd2v\xdav");
    QTest::newRow("rule 2") << QByteArray("a\xfe\xf2") << QByteArray("a\xd4v");
    QTest::newRow("FE FE F4") << QByteArray("\xfe\xfe\xf4") << QByteArray("\xfe\xd3v");
    QTest::newRow("nothing to do") << QByteArray("\xf4\xfe") << QByteArray("\xf4\xfe");
}

void TestExerciseTypes::rewriteMusicPairs()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, written);
    QCOMPARE(RewriteMusicPairs(line), written);
}

void TestExerciseTypes::pageOfEachType_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("viewName");
    QTest::addColumn<Record>("rec");
    QTest::addColumn<QByteArray>("body"); // D stands for the content folder

    const QByteArray bar = "</b></font><br><center><img src=\"D\\img\\colorbar.gif\"></center><br>";
    const QByteArray end = "</font></BODY></HTML>";
    const QByteArray mathTitle = "Calcola " + Tag + ">#ab</FONT>";
    const QByteArray mathTitleOut = "Calcola <span class=\"braille2\">#ab</span>";

    QTest::newRow("1") << Factory([this] { return make<TFhtmlex01>(); }) << "Html1"
                       << record(1, 2, {"Leggi:"}, {"abc", "de"})
                       << "<b><font class=\"titoli2\" >Leggi:<br>" + bar
                              + "<font class=\"braille2\" >abc<br>de<br>" + end;
    QTest::newRow("2") << Factory([this] { return make<TFhtmlex02>(); }) << "Html1"
                       << record(2, 4, {"Correggi:"}, {"abc"})
                       << "<b><font class=\"titoli4\" >Correggi:<br>" + end;
    QTest::newRow("100") << Factory([this] { return make<TFhtmlex10>(); }) << "html1"
                         << record(100, 2, {mathTitle}, {"2+3 " + Tag + ">"})
                         << "<b><font class=\"titoli2\" >" + mathTitleOut + "<br>" + bar
                                + "<font class=\"titoli2\" >2+3 " + Tag + "><br>" + end;
    QTest::newRow("101") << Factory([this] { return make<TFhtmlex11>(); }) << "html1"
                         << record(101, 2, {mathTitle}, {"#c"})
                         << "<b><font class=\"titoli2\" >" + mathTitleOut + "<br>" + bar
                                + "<font class=\"braille2\" >#c<br>" + end;
    QTest::newRow("102") << Factory([this] { return make<TFhtmlex12>(); }) << "html1"
                         << record(102, 2, {mathTitle, "riga due"}, {"#c"})
                         << "<b><font class=\"titoli2\" >" + mathTitleOut + "<br>riga due<br>"
                                + end;
    QTest::newRow("103") << Factory([this] { return make<TFhtmlex13>(); }) << "html1"
                         << record(103, 2, {mathTitle}, {"#c"})
                         << "<b><font class=\"titoli2\" >" + mathTitleOut + "<br>" + bar
                                + "<font class=\"braille2\" >#c<br><br><center><img "
                                  "src=\"D\\img\\colorbar.gif\"></center><br></p><p><font "
                                  "class=\"titoli2\">SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                                  "<div align=\"left\"><table border=\"1\" width=\"660\" "
                                  "height=\"220\" class=\"titoli2\"><tr><td width=\"220\" "
                                  "valign=\"middle\" align=\"center\">Risposta 1</td><td "
                                  "width=\"220\" valign=\"middle\" align=\"center\">Risposta "
                                  "2</td><td width=\"220\" valign=\"middle\" "
                                  "align=\"center\">Risposta 3</td><tr><td width=\"220\" "
                                  "valign=\"middle\" align=\"center\"><img "
                                  "src=\"D\\imgex\\b\\5\\103\\7a.bmp\"></td><td width=\"220\" "
                                  "valign=\"middle\" align=\"center\"><img "
                                  "src=\"D\\imgex\\b\\5\\103\\7b.bmp\"></td><td width=\"220\" "
                                  "valign=\"middle\" align=\"center\"><img "
                                  "src=\"D\\imgex\\b\\5\\103\\7c.bmp\"></td></tr></table></div>"
                                + end;
    QTest::newRow("104") << Factory([this] { return make<TFhtmlex14>(); }) << "html1"
                         << record(104, 3, {"Guarda:"}, {"non letta"})
                         << "<b><font class=\"titoli3\" >Guarda:<br>" + bar
                                + "<font class=\"titoli3\" ><img "
                                  "src=\"D\\imgex\\b\\5\\104\\7.bmp\">"
                                + end;
    QTest::newRow("200") << Factory([this] { return make<TFhtmlex20>(); }) << "html1"
                         << record(200, 1, {"Titolo \xfe\xf4"}, {"\xfe\xf4x\xfe\xf4", "\xff\xf1"})
                         << "<b><font class=\"titoli1\" >Titolo \xfe\xf4<br>" + bar
                                + "<font class=\"musica1\" >\xd3vx\xfe\xf4<br>\xdav<br>" + end;

    Record music = record(201, 2, {"T \xfe\xf4"}, {"\xfe\xf4"});
    music["Risp_img1"] = rtf({"ab", "cd"});
    music["Risp_img2"] = rtf({"\xfe\xf1\xff\xf1"});
    music["Risp_img3"] = QVariant();
    QTest::newRow("201") << Factory([this] { return make<TFhtmlex21>(); }) << "html1" << music
                         << "<b><font class=\"titoli2\" >T \xfe\xf4<br>" + bar
                                + "<font class=\"braille2\" >\xfe\xf4<br><br><center><img "
                                  "src=\"D\\img\\colorbar.gif\"></center><br></p><p><font "
                                  "class=\"titoli2\" >SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                                  "<font class=\"titoli2\"><div align=\"left\"><table "
                                  "border=\"1\" cellpadding=\"5\"><tr><td valign=\"middle\" "
                                  "align=\"center\" class=\"titoli2\">Risposta 1</td><td "
                                  "valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta "
                                  "2</td><td valign=\"middle\" align=\"center\" "
                                  "class=\"titoli2\">Risposta 3</td></tr><tr>"
                                  "<td valign=\"middle\" align=\"center\" class=\"musica2\" "
                                  "nowrap>abcd</td><td valign=\"middle\" align=\"center\" "
                                  "class=\"musica2\" nowrap>\xd2v\xdav</td><td valign=\"middle\" "
                                  "align=\"center\" class=\"musica2\" nowrap></td>"
                                  "</tr></table></div>"
                                + end;
}

void TestExerciseTypes::pageOfEachType()
{
    QFETCH(Factory, factory);
    QFETCH(QString, viewName);
    QFETCH(Record, rec);
    QFETCH(QByteArray, body);
    openTable({rec});
    TExerciseWindow *window = factory();
    window->show();
    QCOMPARE(pageBody(), body.replace("\"D\\", "\"" + dir() + "\\"));
    auto *view = m_state->platform.views.last();
    QCOMPARE(view->objectName(), viewName);
    QCOMPARE(view->navigations, QStringList{m_state->path("tvp.htm")});
}

void TestExerciseTypes::workBoxIsEditedIntoTheAnswer_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::newRow("2") << Factory([this] { return make<TFhtmlex02>(); });
    QTest::newRow("102") << Factory([this] { return make<TFhtmlex12>(); });
}

void TestExerciseTypes::workBoxIsEditedIntoTheAnswer()
{
    QFETCH(Factory, factory);
    Record rec = record(2, 2, {"Correggi:"}, {}, "casa");
    // A question stored in several fonts, sizes and colours.
    rec["Doma_rch"] = QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}"
                                 "{\\colortbl;\\red255\\green0\\blue0;}"
                                 "\\f0\\fs40\\cf1 co\\f1\\fs16\\b sa\\par}");
    openTable({rec});
    auto *window = static_cast<TWorkBoxWindow *>(factory());
    window->show();

    QTextEdit *box = window->RichEdit2;
    QVERIFY(box->isVisibleTo(window));
    QVERIFY(!window->RichEdit3->isVisibleTo(window));
    QCOMPARE(window->focusWidget(), box);
    QCOMPARE(box->toPlainText(), "cosa");
    QCOMPARE(box->textCursor().position(), 0);
    QVERIFY(!box->textCursor().hasSelection());
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    QCOMPARE(all.charFormat().fontFamilies().toStringList().value(0, box->font().family()),
             "tvpZEV Braille 6");
    QCOMPARE(box->font().pixelSize(), 29);

    // Unchanged, the question is not the answer; "Aiuto" then selects in the work box.
    window->Button2->click();
    QCOMPARE(window->WrongAttempts, 1);
    for (int i = 0; i < 3; ++i)
        window->Button2->click();
    QVERIFY(window->Button3->isEnabled());
    window->Button3->click();
    QCOMPARE(box->textCursor().selectionStart(), 1);
    QCOMPARE(box->textCursor().selectedText(), "o");

    // The learner types over the selection, and the check is right.
    QTest::keyClicks(box, "a");
    QCOMPARE(window->AnswerText(), "casa");
    window->Button2->click();
    QCOMPARE(window->result(), int(ResultAnswered));
    QCOMPARE(window->Outcome().kind, ExerciseOutcome::RightWithHelp);

    // Shown again, the work box holds the question again, and "Risposta" replaces it all.
    window->WrongAttempts = 4;
    window->show();
    QCOMPARE(box->toPlainText(), "cosa");
    for (int i = 0; i < 4; ++i)
        window->Button2->click();
    window->Button12->click();
    QCOMPARE(box->toPlainText(), "casa");
}

void TestExerciseTypes::deleteCharacterRuleInTheWorkBox()
{
    openTable({record(2, 2, {"t"}, {"abc"})});
    for (bool mathematics : {false, true}) {
        TWorkBoxWindow *window =
            mathematics ? static_cast<TWorkBoxWindow *>(make<TFhtmlex12>()) : make<TFhtmlex02>();
        window->show();
        QTextCursor cursor = window->RichEdit2->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        window->RichEdit2->setTextCursor(cursor);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(127)));
        QCoreApplication::sendEvent(window->RichEdit2, &typed);
        QCOMPARE(window->AnswerText(), mathematics ? QByteArray("a\x7f"
                                                                "c")
                                                   : QByteArray("abc"));
    }
}

void TestExerciseTypes::choiceCheck_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QVariant>("right");
    QTest::addColumn<int>("pressed"); // 0 to 2, -1 none
    QTest::addColumn<bool>("isRight");
    QTest::addColumn<bool>("byPicture"); // a click on the answer in the page, not its button
    const Factory pictures = [this] { return make<TFhtmlex13>(); };
    const Factory music = [this] { return make<TFhtmlex21>(); };
    for (const auto &[name, factory] : {std::pair{"103", pictures}, std::pair{"201", music}}) {
        const QByteArray n(name);
        QTest::newRow(n + " right 0") << factory << QVariant(0) << 0 << true << false;
        QTest::newRow(n + " right 1") << factory << QVariant(1) << 1 << true << false;
        QTest::newRow(n + " right 2") << factory << QVariant(2) << 2 << true << false;
        QTest::newRow(n + " wrong 1 for 0") << factory << QVariant(0) << 1 << false << false;
        QTest::newRow(n + " wrong 0 for 1") << factory << QVariant(1) << 0 << false << false;
        QTest::newRow(n + " none down") << factory << QVariant(2) << -1 << false << false;
        QTest::newRow(n + " 3 is never right") << factory << QVariant(3) << 2 << false << false;
        QTest::newRow(n + " picture 2 right") << factory << QVariant(1) << 1 << true << true;
        QTest::newRow(n + " picture 3 wrong") << factory << QVariant(0) << 2 << false << true;
    }
}

void TestExerciseTypes::choiceCheck()
{
    QFETCH(Factory, factory);
    QFETCH(QVariant, right);
    QFETCH(int, pressed);
    QFETCH(bool, isRight);
    QFETCH(bool, byPicture);
    Record rec = record(103, 2, {"Scegli:"}, {"#c"});
    rec["Risp_img"] = right;
    openTable({rec, rec});
    auto *window = static_cast<TChoiceWindow *>(factory());
    QToolButton *choices[] = {window->SpeedButton1, window->SpeedButton2, window->SpeedButton3};
    window->show();
    QVERIFY(!window->findChild<QPushButton *>("Button3"));
    QCOMPARE(window->PressedChoice(), -1);
    if (pressed >= 0) {
        // Pressing the button that is down leaves it down.
        for (int click = 0; click < 2; ++click) {
            if (byPicture)
                static_cast<FakeHtmlView *>(window->html1)->clickAnswer(pressed);
            else
                QTest::mouseClick(choices[pressed], Qt::LeftButton);
        }
        QVERIFY(choices[pressed]->isChecked());
        QCOMPARE(window->PressedChoice(), pressed);
    }
    window->Button2->click();
    QCOMPARE(window->Outcome().right(), isRight);
    QCOMPARE(window->WrongAttempts, isRight ? 0 : 1);
    QCOMPARE(window->isVisible(), !isRight);
    QCOMPARE(m_state->sounds.played.last(),
             m_state->path(isRight ? "sound/good5.wav" : "sound/bad5.wav"));

    // The next exercise starts with none down, whatever the last one left.
    QTest::mouseClick(choices[1], Qt::LeftButton);
    window->hide();
    dm->Table1.next();
    window->show();
    QCOMPARE(window->PressedChoice(), -1);
}

void TestExerciseTypes::choiceHelpAndTestMode_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::newRow("103") << Factory([this] { return make<TFhtmlex13>(); });
    QTest::newRow("201") << Factory([this] { return make<TFhtmlex21>(); });
}

void TestExerciseTypes::choiceHelpAndTestMode()
{
    QFETCH(Factory, factory);
    Record rec = record(201, 4, {"Scegli:"}, {"#c"});
    rec["Risp_img"] = 1;
    Record outside = rec;
    outside["Risp_img"] = 3;
    openTable({rec, outside});
    auto *window = static_cast<TChoiceWindow *>(factory());

    // Practice: "Risposta" comes with the fourth wrong check and presses the right choice.
    window->show();
    QVERIFY(!window->Button12->isEnabled());
    // At the keyboard: 3 presses the third choice; Enter presses no button.
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_3);
    QCOMPARE(window->PressedChoice(), 2);
    QTest::keyClick(window, Qt::Key_Return);
    QVERIFY(window->isVisible());
    for (int i = 0; i < 4; ++i)
        window->Button2->click();
    QVERIFY(window->Button12->isEnabled());
    QVERIFY(window->Button13->isEnabled());
    QVERIFY(window->Button14->isEnabled());
    window->Button12->click();
    QCOMPARE(window->PressedChoice(), 1);
    window->Button2->click();
    QCOMPARE(window->result(), int(ResultAnswered));
    QCOMPARE(window->Outcome().kind, ExerciseOutcome::RightWithHelp);

    // Risp_img outside 0 to 2: "Risposta" changes nothing.
    dm->Table1.next();
    window->WrongAttempts = 0;
    window->show();
    for (int i = 0; i < 4; ++i)
        window->Button2->click();
    QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
    window->Button12->click();
    QCOMPARE(window->PressedChoice(), 2);
    window->Button13->click();
    QCOMPARE(window->result(), int(ResultSkip));

    // In a test "Avanti" stays off and the fourth wrong check ends without credit.
    dm->Table1.first();
    window->WrongAttempts = 0;
    window->TestMode = true;
    window->show();
    QVERIFY(!window->Button13->isEnabled());
    for (int i = 0; i < 3; ++i)
        window->Button2->click();
    QVERIFY(window->isVisible());
    window->Button2->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(ResultAnswered));
    QCOMPARE(window->Outcome().kind, ExerciseOutcome::FailedTest);
}

void TestExerciseTypes::mathematicsListsGoToTheirDialogs_data()
{
    QTest::addColumn<bool>("print"); // the type is 101, whose dialog is TFormex11dc
    QTest::newRow("100") << false;
    QTest::newRow("101") << true;
}

void TestExerciseTypes::mathematicsListsGoToTheirDialogs()
{
    QFETCH(bool, print);
    // The windows as the program makes them, each type handed its dialog.
    WindowRegistry windows;
    TRandomDataDialog *arithmetic = windows.find<TFormex10dc>();
    TRandomDataDialog *swapped = windows.find<TFormex11dc>();
    TRandomDataDialog *own = print ? swapped : arithmetic;
    TRandomDataDialog *other = print ? arithmetic : swapped;

    Record random = record(100, 2, {"Calcola:"}, {"ignorata"}, "ignorata");
    random["Doma_rnd"] = true;
    random["List_doma"] = QByteArray("2+2\r\n3+3");
    random["List_risp"] = QByteArray("#d\r\n#f");
    Record plain = record(100, 2, {"Calcola:"}, {"1+1"}, "#b");
    plain["List_doma"] = QByteArray("9+9");
    openTable({random, plain});
    TTypedAnswerWindow *window = print ? static_cast<TTypedAnswerWindow *>(windows.find<TFhtmlex11>())
                                       : windows.find<TFhtmlex10>();
    m_state->platform.random->queued = {1};
    window->show();
    QCOMPARE(window->RichEdit2.Text(), "3+3");
    QCOMPARE(window->RichEdittemp.Text(), "#f");
    QCOMPARE(own->QuestionItems(), QList<QByteArray>({"2+2", "3+3"}));
    QCOMPARE(own->AnswerItems(), QList<QByteArray>({"#d", "#f"}));
    QVERIFY(other->QuestionItems().isEmpty());

    // A plain record leaves the dialog's lists as they were.
    window->hide();
    dm->Table1.next();
    window->show();
    QCOMPARE(window->RichEdit2.Text(), "1+1");
    QCOMPARE(own->QuestionItems(), QList<QByteArray>({"2+2", "3+3"}));
}

void TestExerciseTypes::pictureTypeIgnoresRandomMode()
{
    Record rec = record(104, 2, {"Che numero vedi?"}, {"non letta"}, "#c");
    rec["Doma_rnd"] = true;
    rec["List_doma"] = QByteArray("uno\r\ndue");
    rec["List_risp"] = QByteArray("#a\r\n#b");
    openTable({rec});
    auto *window = make<TFhtmlex14>();
    window->show();
    QVERIFY(!window->CheckBox2);
    QCOMPARE(window->RichEdittemp.Text(), "#c");
    QCOMPARE(m_state->platform.random->randomizeCalls, 0);
    QVERIFY(pageBody().contains("\\imgex\\b\\5\\104\\7.bmp\">"));
    QTest::keyClicks(window->RichEdit3, "#c");
    window->Button2->click();
    QCOMPARE(window->Outcome().kind, ExerciseOutcome::RightFirst);
}

void TestExerciseTypes::picturesAreExported()
{
    const QByteArray bmp = "BM" + QByteArray(60, 'x');
    QByteArray wrapped("\x01\x00\x00\x01", 4);
    wrapped += QByteArray("\x3e\x00\x00\x00", 4) + bmp;
    Record rec = record(103, 2, {"Scegli:"}, {"#c"});
    rec["Img1"] = wrapped;
    rec["Img2"] = bmp;
    openTable({rec});

    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QFile stale(temp.filePath("$$img3.bmp"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    auto *window = make<TFhtmlex13>();
    window->show();
    auto read = [&](const char *name) {
        QFile file(temp.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
    };
    QCOMPARE(read("$$img1.bmp"), bmp);
    QCOMPARE(read("$$img2.bmp"), bmp);
    QCOMPARE(read("$$img3.bmp"), "missing"); // an empty field writes no file

    // A temporary folder that cannot be written does not stop the page.
    qputenv("TMPDIR", m_state->path("no/such/folder").toLocal8Bit());
    QFile::remove(m_state->path("tvp.htm"));
    QFile::remove("$$img1.bmp"); // nor does the picture go to the current folder instead
    window->hide();
    window->show();
    QVERIFY(!QFile::exists("$$img1.bmp"));
    qunsetenv("TMPDIR");
    QVERIFY(pageBody().contains("7a.bmp"));
    QVERIFY(window->Button2->isEnabled());
}

QTEST_MAIN(TestExerciseTypes)
#include "tst_exercisetypes.moc"
