// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/DataDialog.h"

#include "rules/dm_Unit1.h"
#include "rules/CourseLook.h"
#include "rules/Cp1252.h"
#include "platform/Platform.h"
#include "platform/ZoomLayout.h"
#include "rules/RandomRules.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int EditHeight = 21;
constexpr int ButtonWidth = 116;
constexpr int ButtonHeight = 26;
constexpr int ListWidth = 656;

QStringList itemTexts(const QByteArray &stream)
{
    QStringList items;
    for (const QByteArray &line : splitMemoLines(stream))
        items << fromCp1252(line);
    return items;
}

QList<QByteArray> itemsOf(const QComboBox *list)
{
    QList<QByteArray> items;
    for (int i = 0; i < list->count(); ++i)
        items << toCp1252(list->itemText(i));
    return items;
}

// Selects item k, or nothing when the list has no item k.
void selectIndex(QComboBox *list, int k)
{
    list->setCurrentIndex(k >= 0 && k < list->count() ? k : -1);
}

} // namespace

TRandomDataDialog::TRandomDataDialog(const QString &name, BrailleBox brailleBox, int brailleHeight,
                                     QWidget *parent)
    : QDialog(parent), m_brailleBox(brailleBox)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Dati casuali"));
    setFixedSize(700, 355);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    Label1 = addLabel("Label1", QStringLiteral("Domanda"), 20, 15);
    ComboBox1 = addList("ComboBox1", QStringLiteral("Elenco delle domande"), 45);
    Edit1 = addEdit("Edit1", QStringLiteral("Domanda"), 20, 80, ListWidth);
    Label2 = addLabel("Label2", QStringLiteral("Risposta"), 20, 110);
    ComboBox2 = addList("ComboBox2", QStringLiteral("Elenco delle risposte"), 130);
    ComboBox2->setMaxVisibleItems(5);
    Edit2 = addEdit("Edit2", QStringLiteral("Risposta"), 20, 175, ListWidth);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);

    QLineEdit *braille = brailleBox == BrailleBox::Question ? Edit1 : Edit2;
    QFont brailleFont(QString::fromLatin1(CourseFont::BrailleLists));
    brailleFont.setPixelSize(21);
    braille->setFont(brailleFont);
    braille->resize(braille->width(), brailleHeight);

    Button4 = addButton("Button4", QStringLiteral("&Modifica"), 20, 219);
    Button5 = addButton("Button5", QStringLiteral("Agg&iungi"), 145, 219);
    Button6 = addButton("Button6", QStringLiteral("&Cancella"), 270, 219);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 250, 700, 6);

    Label3 = addLabel("Label3", QStringLiteral("Dati casuali"), 35, 285);
    Label4 = addLabel("Label4", QStringLiteral("Utilizza:"), 120, 285);
    Edit3 = addEdit("Edit3", QStringLiteral("Utilizza: caratteri da estrarre"), 165, 280, 126);
    Label5 = addLabel("Label5", QStringLiteral("Nr. car"), 305, 285);
    Edit4 = addEdit("Edit4", QStringLiteral("Numero di caratteri"), 345, 280, 31);
    Edit4->setText(QStringLiteral("1"));
    Label6 = addLabel("Label6", QStringLiteral("Qtn dati"), 385, 285);
    Edit5 = addEdit("Edit5", QStringLiteral("Quantità di dati"), 430, 280, 41);
    Edit5->setText(QStringLiteral("1"));
    Label4->setBuddy(Edit3);
    Label5->setBuddy(Edit4);
    Label6->setBuddy(Edit5);

    Button1 = addButton("Button1", QStringLiteral("&OK"), 20, 325);
    Button2 = addButton("Button2", QStringLiteral("&Annulla"), 150, 325);
    Button3 = addButton("Button3", QStringLiteral("&Genera dati"), 280, 325);

    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });

    QWidget *order[] = {ComboBox1, Edit1, ComboBox2, Edit2,   Button1, Button2, Button3,
                        Edit3,     Edit4, Edit5,     Button4, Button5, Button6};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    centreOnScreen(this);
    growWithZoom(this);
}

QLabel *TRandomDataDialog::addLabel(const char *name, const QString &caption, int left, int top)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit *TRandomDataDialog::addEdit(const char *name, const QString &accessibleName, int left,
                                      int top, int width)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    edit->setGeometry(left, top, width, EditHeight);
    return edit;
}

QComboBox *TRandomDataDialog::addList(const char *name, const QString &accessibleName, int top)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    list->setGeometry(20, top, ListWidth, EditHeight);
    return list;
}

QPushButton *TRandomDataDialog::addButton(const char *name, const QString &caption, int left,
                                          int top)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setGeometry(left, top, ButtonWidth, ButtonHeight);
    return button;
}

void TRandomDataDialog::LoadQuestions(const QByteArray &stream)
{
    ComboBox1->clear();
    ComboBox1->addItems(itemTexts(stream));
    ComboBox1->setCurrentIndex(-1);
}

void TRandomDataDialog::LoadAnswers(const QByteArray &stream)
{
    ComboBox2->clear();
    ComboBox2->addItems(itemTexts(stream));
    ComboBox2->setCurrentIndex(-1);
}

QList<QByteArray> TRandomDataDialog::QuestionItems() const
{
    return itemsOf(ComboBox1);
}

QList<QByteArray> TRandomDataDialog::AnswerItems() const
{
    return itemsOf(ComboBox2);
}

void TRandomDataDialog::setVisible(bool visible)
{
    // Showing a dialog makes its first button the default one, drawn as such; this dialog has
    // none. A button still takes Enter while it has the focus.
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setAutoDefault(false);
    QDialog::setVisible(visible);
    for (QPushButton *button : buttons)
        button->setAutoDefault(true);
}

void TRandomDataDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TRandomDataDialog::reject()
{
    done(ResultCancel);
}

void TRandomDataDialog::FormShow()
{
    SelectFirstPair();
}

void TRandomDataDialog::SelectFirstPair()
{
    selectIndex(ComboBox1, 0);
    selectIndex(ComboBox2, 0);
    ComboBox1Change();
    ComboBox2Change();
}

void TRandomDataDialog::ComboBox1Change()
{
    const int k = ComboBox1->currentIndex();
    selectIndex(ComboBox2, k);
    Edit1->setText(ComboBox1->itemText(k));
    Edit2->setText(ComboBox2->itemText(k));
}

void TRandomDataDialog::ComboBox2Change()
{
    const int k = ComboBox2->currentIndex();
    selectIndex(ComboBox1, k);
    Edit2->setText(ComboBox2->itemText(k));
    Edit1->setText(ComboBox1->itemText(k));
}

void TRandomDataDialog::Button4Click()
{
    // A pair exists only where both lists have the index; changing one list alone would
    // leave the other out of step.
    const int k = ComboBox2->currentIndex();
    if (k < 0 || k >= ComboBox1->count()) {
        ShowMessage(QStringLiteral("ERRORE nessuna coppia selezionata: scegli prima la domanda "
                                   "o la risposta da modificare"));
        return;
    }
    ComboBox2->setItemText(k, Edit2->text());
    ComboBox1->setItemText(k, Edit1->text());
    selectIndex(ComboBox1, k);
    selectIndex(ComboBox2, k);
    ComboBox1Change();
    ComboBox2Change();
}

void TRandomDataDialog::Button5Click()
{
    ComboBox1->addItem(Edit1->text());
    ComboBox2->addItem(Edit2->text());
    selectIndex(ComboBox1, ComboBox1->count() - 1);
    selectIndex(ComboBox2, ComboBox2->count() - 1);
    ComboBox1Change();
    ComboBox2Change();
}

void TRandomDataDialog::Button6Click()
{
    // Each list loses its own selected item; neither keeps a selection afterwards (the list
    // would otherwise move on to the next item by itself).
    for (QComboBox *list : {ComboBox2, ComboBox1}) {
        if (list->currentIndex() >= 0)
            list->removeItem(list->currentIndex());
        list->setCurrentIndex(-1);
    }
    ComboBox1Change();
    ComboBox2Change();
}

void TRandomDataDialog::Button3Click()
{
    const std::optional<Amounts> amounts = ReadAmounts();
    if (!amounts)
        return;
    const QByteArray set = toCp1252(Edit3->text());
    if (set.isEmpty() && amounts->length > 0 && amounts->count > 0) {
        // No character to draw from.
        ShowMessage(QStringLiteral("ERRORE dati non validi"));
        return;
    }
    ClearLists();
    platform().random->randomize();
    for (const QByteArray &text :
         GenerateTexts(set, amounts->length, amounts->count, *platform().random))
        AppendPair(text, text);
    SelectFirstPair();
}

void TRandomDataDialog::ClearLists()
{
    ComboBox1->clear();
    ComboBox2->clear();
}

void TRandomDataDialog::AppendPair(const QByteArray &question, const QByteArray &answer)
{
    // Adding leaves the selection as it was (a list would select its first item by itself).
    for (auto [list, text] : {std::pair(ComboBox1, &question), std::pair(ComboBox2, &answer)}) {
        const int selected = list->currentIndex();
        list->addItem(fromCp1252(*text));
        list->setCurrentIndex(selected);
    }
}

std::optional<int> TRandomDataDialog::ReadWholeField(const QLineEdit *field, const QString &error)
{
    const std::optional<qint32> value = readWholeNumber(toCp1252(field->text()));
    if (!value)
        ShowMessage(error);
    return value;
}

std::optional<TRandomDataDialog::Amounts> TRandomDataDialog::ReadAmounts() const
{
    const std::optional<int> length =
        ReadWholeField(Edit4, QStringLiteral("ERRORE Nr. car non valido"));
    if (!length)
        return {};
    const std::optional<int> count =
        ReadWholeField(Edit5, QStringLiteral("ERRORE Qtn. dati non valido"));
    if (!count)
        return {};
    return Amounts{*length, *count};
}

void TRandomDataDialog::ShowMessage(const QString &text)
{
    platform().messages->showMessage(text);
}
