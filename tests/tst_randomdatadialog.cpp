// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/Fakes.h"
#include "randomdata/RandomLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using Items = QList<QByteArray>;

// The random-data dialogs driven as their user would: typing, choosing, clicking.
class TestRandomDataDialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup();

    void generatingReplacesTheLists();
    void refusedGenerationChangesNothing_data();
    void refusedGenerationChangesNothing();
    void arithmeticNotations_data();
    void arithmeticNotations();
    void unreadableDrawingStopsWithAMessage();
    void choosingAnItemSelectsThePair_data();
    void choosingAnItemSelectsThePair();
    void editingThePairs();
    void modifyingWithoutAPairIsRefused();
    void closingGivesItsResult_data();
    void closingGivesItsResult();

private:
    // A dialog of the given class, with the lists p q r / 1 2 3 loaded, shown.
    TRandomDataDialog *open(const QString &kind);
    static void type(QLineEdit *edit, const QString &text);
    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Chooses item `index` of a list with the arrow keys.
    static void choose(QComboBox *list, int index);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TRandomDataDialog> m_dialog;
};

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

void TestRandomDataDialog::generatingReplacesTheLists()
{
    TRandomDataDialog *dialog = open("Formex01dc");
    type(dialog->Edit3, "ab");
    type(dialog->Edit4, "3");
    type(dialog->Edit5, "2");
    m_platform->random->queued = {0, 1, 1, 1, 0, 0};
    click(dialog->Button3);
    QCOMPARE(m_platform->random->randomizeCalls, 1);
    QCOMPARE(dialog->QuestionItems(), Items({"abb", "baa"}));
    QCOMPARE(dialog->AnswerItems(), dialog->QuestionItems());
    QCOMPARE(dialog->ComboBox2->currentIndex(), 0);
    QCOMPARE(dialog->Edit1->text(), "abb");
    QCOMPARE(dialog->Edit2->text(), "abb");

    type(dialog->Edit4, "0");
    type(dialog->Edit5, "3");
    click(dialog->Button3);
    QCOMPARE(dialog->QuestionItems(), Items({"", "", ""}));
    type(dialog->Edit5, "0");
    click(dialog->Button3);
    QCOMPARE(dialog->ComboBox1->count() + dialog->ComboBox2->count(), 0);
    QCOMPARE(dialog->Edit1->text() + dialog->Edit2->text(), "");
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestRandomDataDialog::refusedGenerationChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("fields"); // Utilizza, Nr. car, Qtn dati
    QTest::addColumn<QString>("message");
    const QString length = "ERRORE Nr. car non valido";
    const QString count = "ERRORE Qtn. dati non valido";
    const QString data = "ERRORE dati non validi";
    QTest::newRow("length x") << "Formex00dc" << QStringList{"ab", "x", "2"} << length;
    QTest::newRow("count empty") << "Formex00dc" << QStringList{"ab", "2", ""} << count;
    QTest::newRow("no characters") << "Formex01dc" << QStringList{"", "2", "3"} << data;
    QTest::newRow("digits descending")
        << "Formex10dc" << QStringList{"9876543210", "1", "1"} << data;
    QTest::newRow("count too large")
        << "Formex11dc" << QStringList{"0123456789", "1", "3000000000"} << count;
}

void TestRandomDataDialog::refusedGenerationChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    TRandomDataDialog *dialog = open(kind);
    choose(dialog->ComboBox1, 1);
    type(dialog->Edit3, fields[0]);
    type(dialog->Edit4, fields[1]);
    type(dialog->Edit5, fields[2]);
    click(dialog->Button3);
    QCOMPARE(m_platform->messages->shown, QStringList{message});
    QCOMPARE(m_platform->random->randomizeCalls, 0);
    QCOMPARE(dialog->QuestionItems(), Items({"p", "q", "r"}));
    QCOMPARE(dialog->AnswerItems(), Items({"1", "2", "3"}));
    QCOMPARE(dialog->ComboBox2->currentIndex(), 1);
    QCOMPARE(dialog->Edit1->text() + dialog->Edit2->text(), "q2");
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
    QTest::newRow("type 100") << "Formex10dc" << 2 << false << 2 << QList<int>{1, 2, 5, 7}
                              << QByteArray("12-57=-45") << QByteArray("#ab-#eg=#-de");
    QTest::newRow("type 101") << "Formex11dc" << 4 << true << 3
                              << QList<int>{1, 2, 5, 8, 0, 3, 0, 0, 5, 1}
                              << QByteArray("#a,f(#cj,e=#dh,b") << QByteArray("1,6x30,5=48,2");
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
    type(dialog->Edit3, "0123456789");
    type(dialog->Edit4, QString::number(length));
    if (comma) {
        dialog->CheckBox1->setFocus();
        QTest::keyClick(dialog->CheckBox1, Qt::Key_Space);
    }
    choose(dialog->ComboBox3, operation);
    m_platform->random->queued = drawings;
    click(dialog->Button3);
    QVERIFY(m_platform->messages->shown.isEmpty());
    QCOMPARE(dialog->QuestionItems(), Items{question});
    QCOMPARE(dialog->AnswerItems(), Items{answer});
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
    QCOMPARE(dialog->QuestionItems(), Items{"12"});
    QCOMPARE(dialog->AnswerItems(), Items{"#ab"});
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
    QCOMPARE(dialog->Edit1->text() + dialog->Edit2->text(), "r3");
}

void TestRandomDataDialog::editingThePairs()
{
    TRandomDataDialog *dialog = open("Formex11dc");
    QCOMPARE(dialog->Edit1->text() + dialog->Edit2->text(), "p1"); // showing selects the first

    choose(dialog->ComboBox2, 1);
    type(dialog->Edit1, QString::fromUtf8("què"));
    type(dialog->Edit2, "22");
    click(dialog->Button4); // Modifica
    QCOMPARE(dialog->QuestionItems(), Items({"p", "qu\xe8", "r"}));
    QCOMPARE(dialog->AnswerItems(), Items({"1", "22", "3"}));
    QCOMPARE(dialog->ComboBox1->currentIndex(), 1);

    type(dialog->Edit1, "abc");
    type(dialog->Edit2, "def");
    click(dialog->Button5); // Aggiungi: the new pair is the selected one
    QCOMPARE(dialog->QuestionItems().last() + dialog->AnswerItems().last(), "abcdef");
    QCOMPARE(dialog->ComboBox1->currentIndex(), 3);
    QCOMPARE(dialog->ComboBox2->currentIndex(), 3);

    choose(dialog->ComboBox1, 0);
    click(dialog->Button6); // Cancella: no pair is selected afterwards
    QCOMPARE(dialog->QuestionItems(), Items({"qu\xe8", "r", "abc"}));
    QCOMPARE(dialog->AnswerItems(), Items({"22", "3", "def"}));
    QCOMPARE(dialog->ComboBox1->currentIndex(), -1);
    QCOMPARE(dialog->ComboBox2->currentIndex(), -1);
    QCOMPARE(dialog->Edit1->text() + dialog->Edit2->text(), "");
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestRandomDataDialog::modifyingWithoutAPairIsRefused()
{
    TRandomDataDialog *dialog = open("Formex00dc");
    click(dialog->Button6);
    type(dialog->Edit1, "x");
    type(dialog->Edit2, "y");
    click(dialog->Button4);
    QCOMPARE(m_platform->messages->shown.size(), 1);
    QVERIFY(m_platform->messages->shown[0].startsWith("ERRORE nessuna coppia selezionata"));
    QCOMPARE(dialog->QuestionItems(), Items({"q", "r"}));
    QCOMPARE(dialog->AnswerItems(), Items({"2", "3"}));

    // An answer without its question is no pair either: neither list changes.
    dialog->LoadQuestions("q");
    choose(dialog->ComboBox2, 1);
    click(dialog->Button4);
    QCOMPARE(m_platform->messages->shown.size(), 2);
    QCOMPARE(dialog->QuestionItems() + dialog->AnswerItems(), Items({"q", "2", "3"}));
}

void TestRandomDataDialog::closingGivesItsResult_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "Button1" << 1;
    QTest::newRow("Annulla") << "Button2" << 2;
    QTest::newRow("Esc") << "Escape" << 2;
    QTest::newRow("Enter on OK") << "Enter Button1" << 1;
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
        guarded = dialog->isVisible();
        if (guarded)
            dialog->done(-1);
    });
    QCOMPARE(dialog->exec(), result);
    QVERIFY(!guarded);
    QVERIFY(stayedOpen);
    QCOMPARE(dialog->QuestionItems(), Items({"p", "q", "r"})); // closing keeps the lists
}

QTEST_MAIN(TestRandomDataDialog)
#include "tst_randomdatadialog.moc"
