// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/ArithmeticDialog.h"

#include "rules/Cp1252.h"
#include "platform/Platform.h"
#include "rules/RandomRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TArithmeticDataDialog::TArithmeticDataDialog(const QString &name, BrailleBox brailleBox,
                                             QWidget *parent)
    : TRandomDataDialog(name, brailleBox, 31, parent)
{
    Label7 = addLabel("Label7", QStringLiteral("Usa virgola "), 480, 285);
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setAccessibleName(QStringLiteral("Usa virgola"));
    // 16 x 11 px would clip the style's check box; it keeps its place and middle line.
    const int boxHeight = std::max(11, CheckBox1->sizeHint().height());
    CheckBox1->setGeometry(545, 285 + (11 - boxHeight) / 2, 16, boxHeight);
    Label7->setBuddy(CheckBox1);

    Label8 = addLabel("Label8", QStringLiteral("Operazione :"), 575, 265);
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setAccessibleName(QStringLiteral("Operazione"));
    ComboBox3->setEditable(false);
    ComboBox3->addItems({QStringLiteral("(Nessuna)"), QStringLiteral("Somma"),
                         QStringLiteral("Sottrazione"), QStringLiteral("Moltiplicazione"),
                         QStringLiteral("Divisione")});
    ComboBox3->setGeometry(575, 280, 111, 22);
    Label8->setBuddy(ComboBox3);

    setTabOrder(Edit5, CheckBox1);
    setTabOrder(CheckBox1, Button4);
    setTabOrder(Button6, ComboBox3);
    FormCreate();
}

void TArithmeticDataDialog::FormCreate()
{
    ComboBox3->setCurrentIndex(0);
}

void TArithmeticDataDialog::Button3Click()
{
    // The digits must read as a whole number: a set of decimal digits at most as large as
    // the 32-bit range allows (the ten digits descending are refused).
    if (!ReadWholeField(Edit3, QStringLiteral("ERRORE dati non validi")))
        return;
    const std::optional<Amounts> amounts = ReadAmounts();
    if (!amounts)
        return;

    ArithmeticSettings settings;
    settings.digits = toCp1252(Edit3->text());
    settings.length = amounts->length;
    settings.count = amounts->count;
    settings.useComma = CheckBox1->isChecked();
    settings.operation = ComboBox3->currentIndex();

    ClearLists();
    platform().random->randomize();
    const ArithmeticData data = GenerateArithmetic(settings, *platform().random);
    const bool brailleQuestions = brailleBox() == BrailleBox::Question;
    for (const ArithmeticItem &item : data.items) {
        if (brailleQuestions)
            AppendPair(item.braille, item.print);
        else
            AppendPair(item.print, item.braille);
    }
    if (data.stopped) {
        // The pairs made so far stay; the selection is left as the emptied lists have it.
        ShowMessage(data.unreadable.isEmpty()
                        ? QStringLiteral("ERRORE generazione interrotta: con Nr. car %1 il dato "
                                         "estratto è vuoto e non è un numero")
                              .arg(settings.length)
                        : QStringLiteral("ERRORE generazione interrotta: il dato estratto \"%1\" "
                                         "non è un numero")
                              .arg(fromCp1252(data.unreadable)));
        return;
    }
    SelectFirstPair();
}
