// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Modal.h"

#include "randomdata/RandomDataLists.h"

#include <QDialog>
#include <QList>

#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Dati casuali" dialog: an editor of a question list and an answer list whose items
// belong together by index, with a generator of random texts. No command of the program opens
// it; the exercise window of its type replaces its lists in random mode. "&OK" and "&Annulla"
// only close it: the lists stay as they were edited.
class TRandomDataDialog : public QDialog, public RandomDataLists
{
    Q_OBJECT
public:
    static constexpr int ResultOk = ModalOk;
    static constexpr int ResultCancel = ModalCancel; // "&Annulla", Esc and the close box

    // The items of ComboBox1 (questions) and ComboBox2 (answers) are the lists.
    void LoadQuestions(const QByteArray &stream) override;
    void LoadAnswers(const QByteArray &stream) override;
    // The items as they stand, as Windows-1252 texts.
    QList<QByteArray> QuestionItems() const;
    QList<QByteArray> AnswerItems() const;

    QLabel *Label1 = nullptr; // "Domanda"
    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr; // the selected question
    QLabel *Label2 = nullptr;   // "Risposta"
    QComboBox *ComboBox2 = nullptr;
    QLineEdit *Edit2 = nullptr;     // the selected answer
    QPushButton *Button4 = nullptr; // &Modifica
    QPushButton *Button5 = nullptr; // Agg&iungi
    QPushButton *Button6 = nullptr; // &Cancella
    QFrame *Panel1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Edit3 = nullptr; // "Utilizza:", the characters to draw from
    QLabel *Label5 = nullptr;
    QLineEdit *Edit4 = nullptr; // "Nr. car", the length of each text
    QLabel *Label6 = nullptr;
    QLineEdit *Edit5 = nullptr;     // "Qtn dati", the number of pairs
    QPushButton *Button1 = nullptr; // &OK
    QPushButton *Button2 = nullptr; // &Annulla
    QPushButton *Button3 = nullptr; // &Genera dati

    // Both lists follow the index chosen in either; the edit boxes show the chosen pair.
    void ComboBox1Change();
    void ComboBox2Change();
    void Button4Click(); // replaces the selected pair by the edit boxes' texts
    void Button5Click(); // adds the edit boxes' texts as a new pair and selects it
    void Button6Click(); // deletes the selected pair
    // "&Genera dati": replaces both lists by generated pairs. This default draws texts from
    // Edit3's characters, the same text as question and answer.
    virtual void Button3Click();

protected:
    // Which edit box writes in the braille font, and how high that box is.
    enum class BrailleBox
    {
        Question,
        Answer
    };
    TRandomDataDialog(const QString &name, BrailleBox brailleBox, int brailleHeight,
                      QWidget *parent);

    BrailleBox brailleBox() const { return m_brailleBox; }
    // Empties both lists, items and shown text.
    void ClearLists();
    void AppendPair(const QByteArray &question, const QByteArray &answer);
    // Selects the first pair (none when a list is empty) and shows it.
    void SelectFirstPair();
    // A field read as a whole number; shows `error` and gives nothing when it is not one.
    static std::optional<int> ReadWholeField(const QLineEdit *field, const QString &error);
    // The length of each text ("Nr. car") and the number of pairs ("Qtn dati"); a message and
    // nothing when either is not a whole number.
    struct Amounts
    {
        int length;
        int count;
    };
    std::optional<Amounts> ReadAmounts() const;
    static void ShowMessage(const QString &text);

    QLabel *addLabel(const char *name, const QString &caption, int left, int top);
    QLineEdit *addEdit(const char *name, const QString &accessibleName, int left, int top,
                       int width);

    void setVisible(bool visible) override;
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void FormShow();
    QComboBox *addList(const char *name, const QString &accessibleName, int top);
    QPushButton *addButton(const char *name, const QString &caption, int left, int top);

    BrailleBox m_brailleBox;
};
