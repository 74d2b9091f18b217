#include "fakes/Fakes.h"
#include "randomdata/RandomLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// The random-data dialogs driven as their user would: typing, choosing, clicking.
class TestRandomDataDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showingSelectsTheFirstPair();
    void generatingReplacesTheLists();
    void refusedGenerationChangesNothing_data();
    void refusedGenerationChangesNothing();
    void arithmeticNotations_data();
    void arithmeticNotations();
    void unreadableDrawingStopsWithAMessage();
    void choosingAnItemSelectsThePair_data();
    void choosingAnItemSelectsThePair();
    void addingSelectsTheNewPair();
    void modifyingReplacesTheSelectedPair();
    void deletingLeavesNoPairSelected();
    void modifyingWithoutAPairIsRefused();
    void closingGivesItsResult_data();
    void closingGivesItsResult();

private:
    // A dialog of the given class, with the lists p q r / 1 2 3 loaded, shown.
    TRandomDataDialog *open(const QString &kind);
    static void type(QLineEdit *edit, const QString &text);
    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Chooses item `index` of a list with the arrow keys, as from the keyboard.
    static void choose(QComboBox *list, int index);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TRandomDataDialog> m_dialog;
};

void TestRandomDataDialog::init()
{
    m_platform = std::make_unique<FakePlatform>();
}

void TestRandomDataDialog::cleanup()
{
    m_dialog.reset();
    m_platform.reset();
}

TRandomDataDialog *TestRandomDataDialog::open(const QString &kind)
{
    if (kind == "Formex00dc")
        m_dialog = std::make_unique<TFormex00dc>();
    else if (kind == "Formex01dc")
        m_dialog = std::make_unique<TFormex01dc>();
    else if (kind == "Formex10dc")
        m_dialog = std::make_unique<TFormex10dc>();
    else
        m_dialog = std::make_unique<TFormex11dc>();
    // As an exercise window in random mode fills them, through the lists' interface.
    RandomDataLists *lists = m_dialog.get();
    lists->LoadQuestions("p\r\nq\r\nr");
    lists->LoadAnswers("1\r\n2\r\n3");
    m_dialog->show();
    return m_dialog.get();
}

void TestRandomDataDialog::type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 128) // QTest's key table knows ASCII only
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TestRandomDataDialog::choose(QComboBox *list, int index)
{
    list->setFocus();
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
}

void TestRandomDataDialog::showingSelectsTheFirstPair()
{
    TRandomDataDialog *dialog = open("Formex00dc");
    QCOMPARE(dialog->ComboBox1->currentIndex(), 0);
    QCOMPARE(dialog->ComboBox2->currentIndex(), 0);
    QCOMPARE(dialog->Edit1->text(), "p");
    QCOMPARE(dialog->Edit2->text(), "1");
}

void TestRandomDataDialog::generatingReplacesTheLists()
{
    TRandomDataDialog *dialog = open("Formex01dc");
    type(dialog->Edit3, "ab");
    type(dialog->Edit4, "3");
    type(dialog->Edit5, "2");
    m_platform->random->queued = {0, 1, 1, 1, 0, 0};
    click(dialog->Button3);
    QCOMPARE(m_platform->random->randomizeCalls, 1);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"abb", "baa"}));
    QCOMPARE(dialog->AnswerItems(), dialog->QuestionItems());
    QCOMPARE(dialog->ComboBox1->currentIndex(), 0);
    QCOMPARE(dialog->ComboBox2->currentIndex(), 0);
    QCOMPARE(dialog->Edit1->text(), "abb");
    QCOMPARE(dialog->Edit2->text(), "abb");

    // Length 0 makes pairs of empty texts; count 0 leaves nothing.
    type(dialog->Edit4, "0");
    type(dialog->Edit5, "3");
    click(dialog->Button3);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"", "", ""}));
    type(dialog->Edit5, "0");
    click(dialog->Button3);
    QCOMPARE(dialog->ComboBox1->count(), 0);
    QCOMPARE(dialog->ComboBox2->count(), 0);
    QCOMPARE(dialog->Edit1->text(), "");
    QCOMPARE(dialog->Edit2->text(), "");
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestRandomDataDialog::refusedGenerationChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    QTest::newRow("length not a number") << "Formex00dc"
                                         << "ab"
                                         << "x"
                                         << "2"
                                         << "ERRORE Nr. car non valido";
    QTest::newRow("count left empty") << "Formex00dc"
                                      << "ab"
                                      << "2"
                                      << ""
                                      << "ERRORE Qtn. dati non valido";
    QTest::newRow("no character to draw") << "Formex01dc"
                                          << ""
                                          << "2"
                                          << "3"
                                          << "ERRORE dati non validi";
    QTest::newRow("digits descending overflow") << "Formex10dc"
                                                << "9876543210"
                                                << "1"
                                                << "1"
                                                << "ERRORE dati non validi";
    QTest::newRow("no digits") << "Formex11dc"
                               << ""
                               << "1"
                               << "1"
                               << "ERRORE dati non validi";
    QTest::newRow("arithmetic length with a comma") << "Formex10dc"
                                                    << "0123456789"
                                                    << "1,5"
                                                    << "1"
                                                    << "ERRORE Nr. car non valido";
    QTest::newRow("arithmetic count too large") << "Formex11dc"
                                                << "0123456789"
                                                << "1"
                                                << "3000000000"
                                                << "ERRORE Qtn. dati non valido";
}

void TestRandomDataDialog::refusedGenerationChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, characters);
    QFETCH(QString, length);
    QFETCH(QString, count);
    QFETCH(QString, message);
    TRandomDataDialog *dialog = open(kind);
    choose(dialog->ComboBox1, 1);
    type(dialog->Edit3, characters);
    type(dialog->Edit4, length);
    type(dialog->Edit5, count);
    click(dialog->Button3);
    QCOMPARE(m_platform->messages->shown, QStringList{message});
    QCOMPARE(m_platform->random->randomizeCalls, 0);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"p", "q", "r"}));
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>({"1", "2", "3"}));
    QCOMPARE(dialog->ComboBox2->currentIndex(), 1);
    QCOMPARE(dialog->Edit1->text(), "q");
    QCOMPARE(dialog->Edit2->text(), "2");
}

void TestRandomDataDialog::arithmeticNotations_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<int>>("drawings");
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("type 100, difference")
        << "Formex10dc" << 2 << false << 2 << QList<int>{1, 2, 5, 7} << QByteArray("12-57=-45")
        << QByteArray("#ab-#eg=#-de");
    QTest::newRow("type 101, difference")
        << "Formex11dc" << 2 << false << 2 << QList<int>{1, 2, 5, 7} << QByteArray("#ab-#eg=#-de")
        << QByteArray("12-57=-45");
    QTest::newRow("type 100, product with commas")
        << "Formex10dc" << 4 << true << 3 << QList<int>{1, 2, 5, 8, 0, 3, 0, 0, 5, 1}
        << QByteArray("1,6x30,5=48,2") << QByteArray("#a,f(#cj,e=#dh,b");
    QTest::newRow("type 101, number")
        << "Formex11dc" << 5 << false << 0 << QList<int>{1, 2, 3, 4, 5} << QByteArray("#ab.cde")
        << QByteArray("12.345");
}

void TestRandomDataDialog::arithmeticNotations()
{
    QFETCH(QString, kind);
    QFETCH(int, length);
    QFETCH(bool, comma);
    QFETCH(int, operation);
    QFETCH(QList<int>, drawings);
    QFETCH(QByteArray, question);
    QFETCH(QByteArray, answer);
    auto *dialog = static_cast<TArithmeticDataDialog *>(open(kind));
    QCOMPARE(dialog->ComboBox3->currentText(), "(Nessuna)");
    QVERIFY(!dialog->CheckBox1->isChecked());
    type(dialog->Edit3, "0123456789");
    type(dialog->Edit4, QString::number(length));
    if (comma) {
        dialog->CheckBox1->setFocus();
        QTest::keyClick(dialog->CheckBox1, Qt::Key_Space);
        QVERIFY(dialog->CheckBox1->isChecked());
    }
    choose(dialog->ComboBox3, operation);
    m_platform->random->queued = drawings;
    click(dialog->Button3);
    QVERIFY(m_platform->messages->shown.isEmpty());
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>{question});
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>{answer});
    QCOMPARE(dialog->Edit1->text().toLatin1(), question);
    QCOMPARE(dialog->Edit2->text().toLatin1(), answer);
}

void TestRandomDataDialog::unreadableDrawingStopsWithAMessage()
{
    TRandomDataDialog *dialog = open("Formex10dc");
    type(dialog->Edit3, "-12");
    type(dialog->Edit4, "2");
    type(dialog->Edit5, "3");
    m_platform->random->queued = {1, 2, 1, 0};
    click(dialog->Button3);
    QCOMPARE(m_platform->messages->shown.size(), 1);
    QVERIFY(m_platform->messages->shown[0].startsWith("ERRORE"));
    QVERIFY(m_platform->messages->shown[0].contains("\"1-\""));
    // The pair made before the stop stays; the loaded pairs are gone.
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>{"12"});
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>{"#ab"});
}

void TestRandomDataDialog::choosingAnItemSelectsThePair_data()
{
    QTest::addColumn<bool>("inAnswers");
    QTest::newRow("in the question list") << false;
    QTest::newRow("in the answer list") << true;
}

void TestRandomDataDialog::choosingAnItemSelectsThePair()
{
    QFETCH(bool, inAnswers);
    TRandomDataDialog *dialog = open("Formex00dc");
    choose(inAnswers ? dialog->ComboBox2 : dialog->ComboBox1, 2);
    QCOMPARE(dialog->ComboBox1->currentIndex(), 2);
    QCOMPARE(dialog->ComboBox2->currentIndex(), 2);
    QCOMPARE(dialog->Edit1->text(), "r");
    QCOMPARE(dialog->Edit2->text(), "3");
}

void TestRandomDataDialog::addingSelectsTheNewPair()
{
    TRandomDataDialog *dialog = open("Formex01dc");
    type(dialog->Edit1, "abc");
    type(dialog->Edit2, "def");
    click(dialog->Button5);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"p", "q", "r", "abc"}));
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>({"1", "2", "3", "def"}));
    QCOMPARE(dialog->ComboBox1->currentIndex(), 3);
    QCOMPARE(dialog->ComboBox2->currentIndex(), 3);
    QCOMPARE(dialog->Edit1->text(), "abc");
    QCOMPARE(dialog->Edit2->text(), "def");
}

void TestRandomDataDialog::modifyingReplacesTheSelectedPair()
{
    TRandomDataDialog *dialog = open("Formex10dc");
    choose(dialog->ComboBox2, 1);
    type(dialog->Edit1, QString::fromUtf8("què"));
    type(dialog->Edit2, "22");
    click(dialog->Button4);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"p", "qu\xe8", "r"}));
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>({"1", "22", "3"}));
    QCOMPARE(dialog->ComboBox1->currentIndex(), 1);
    QCOMPARE(dialog->Edit1->text(), QString::fromUtf8("què"));
}

void TestRandomDataDialog::deletingLeavesNoPairSelected()
{
    TRandomDataDialog *dialog = open("Formex11dc");
    choose(dialog->ComboBox1, 1);
    click(dialog->Button6);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"p", "r"}));
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>({"1", "3"}));
    QCOMPARE(dialog->ComboBox1->currentIndex(), -1);
    QCOMPARE(dialog->ComboBox2->currentIndex(), -1);
    QCOMPARE(dialog->Edit1->text(), "");
    QCOMPARE(dialog->Edit2->text(), "");
}

void TestRandomDataDialog::modifyingWithoutAPairIsRefused()
{
    TRandomDataDialog *dialog = open("Formex00dc");
    click(dialog->Button6); // deletes p / 1; nothing is selected afterwards
    type(dialog->Edit1, "x");
    type(dialog->Edit2, "y");
    click(dialog->Button4);
    QCOMPARE(m_platform->messages->shown.size(), 1);
    QVERIFY(m_platform->messages->shown[0].startsWith("ERRORE nessuna coppia selezionata"));
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"q", "r"}));
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>({"2", "3"}));

    // An answer without its question is no pair either.
    dialog->LoadQuestions("q");
    choose(dialog->ComboBox2, 1);
    click(dialog->Button4);
    QCOMPARE(m_platform->messages->shown.size(), 2);
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"q"}));
    QCOMPARE(dialog->AnswerItems(), QList<QByteArray>({"2", "3"}));
}

void TestRandomDataDialog::closingGivesItsResult_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "Button1" << 1;
    QTest::newRow("Annulla") << "Button2" << 2;
    QTest::newRow("Esc") << "Escape" << 2;
    QTest::newRow("Enter on OK") << "Enter Button1" << 1;
    QTest::newRow("Enter on Annulla") << "Enter Button2" << 2;
}

void TestRandomDataDialog::closingGivesItsResult()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    TRandomDataDialog *dialog = open("Formex10dc");
    dialog->hide();
    bool guarded = false;
    bool stayedOpen = false;
    QTimer::singleShot(0, dialog, [&] {
        // Enter in a box does nothing; on a button it presses the button.
        QTest::keyClick(dialog->Edit1, Qt::Key_Return);
        QTest::keyClick(dialog->ComboBox2, Qt::Key_Enter);
        stayedOpen = dialog->isVisible();
        if (how == "Escape") {
            QTest::keyClick(dialog->ComboBox1, Qt::Key_Escape);
        } else if (how.startsWith("Enter ")) {
            auto *button = dialog->findChild<QPushButton *>(how.mid(6));
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        } else {
            click(dialog->findChild<QPushButton *>(how));
        }
    });
    QTimer::singleShot(3000, dialog, [&] {
        if (dialog->isVisible()) {
            guarded = true;
            dialog->done(-1);
        }
    });
    QCOMPARE(dialog->exec(), result);
    QVERIFY(!guarded);
    QVERIFY(stayedOpen);
    // Closing keeps the lists as they are.
    QCOMPARE(dialog->QuestionItems(), QList<QByteArray>({"p", "q", "r"}));
}

QTEST_MAIN(TestRandomDataDialog)
#include "tst_randomdatadialog.moc"
