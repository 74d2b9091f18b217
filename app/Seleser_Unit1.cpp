// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Seleser_Unit1.h"

#include "rules/CourseLook.h"
#include "rules/Codes.h"
#include "rules/ProgramState.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "platform/ZoomLayout.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <algorithm>


namespace {

struct Stripe
{
    const char *name;
    const char *caption;
    int top;
};

} // namespace

TSeleserDlg::TSeleserDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SeleserDlg"));
    setWindowTitle(QStringLiteral("SELEZIONE TIPO DI ESERCIZIO"));
    setFixedSize(492, 228);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(162, 180, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ModalOk); });
    CancelBtn = new QPushButton(QStringLiteral("Annulla"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(255, 180, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(ModalCancel); });

    const Stripe stripes[] = {
        {"RadioButton1", "Esercizi di ripasso dei simboli precedenti", 0},
        {"RadioButton2", "Esercizi sui nuovi simboli della lezione", 39},
        {"RadioButton3", "Esercizi di consolidamento", 80},
        {"RadioButton4", "Test di verifica della lezione", 119},
    };
    QFont font(QString::fromLatin1(CourseFont::Print));
    font.setPixelSize(16);
    font.setBold(true);
    QRadioButton **buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    QWidget *previous = CancelBtn;
    setTabOrder(OKBtn, CancelBtn);
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(QString::fromUtf8(stripes[i].caption), this);
        button->setObjectName(QString::fromLatin1(stripes[i].name));
        button->setGeometry(0, stripes[i].top, 492, 41);
        button->setFont(font);
        // White text and a white ring on the category's colour, readable on all four. The
        // chosen stripe is framed in white, in yellow while it has the focus, and its ring
        // is filled.
        button->setStyleSheet(
            QStringLiteral("QRadioButton { background-color: %1; color: white; padding-left: 8px;"
                           " border: 4px solid %1; }"
                           "QRadioButton:checked { border: 4px solid white; }"
                           "QRadioButton:checked:focus { border: 4px solid #ffd700; }"
                           "QRadioButton::indicator { width: 12px; height: 12px;"
                           " border: 2px solid white; border-radius: 8px; }"
                           "QRadioButton::indicator:checked { background-color: white; }")
                .arg(QString::fromLatin1(categoryColour(i + 1))));
        const int category = i + 1;
        connect(button, &QRadioButton::toggled, this, [this, category](bool checked) {
            if (checked)
                RadioButtonClick(category);
        });
        button->installEventFilter(this);
        setTabOrder(previous, button);
        previous = button;
        *buttons[i] = button;
    }
    // Up and Down choose the category from the buttons too; the chosen stripe takes the
    // focus, and Enter runs it.
    OKBtn->installEventFilter(this);
    CancelBtn->installEventFilter(this);
    // The stripes overlap by two pixels; the lower ones are drawn on top.
    RadioButton1->lower();
    OKBtn->raise();
    CancelBtn->raise();

    centreOnScreen(this);
    growWithZoom(this);
}

QRadioButton *TSeleserDlg::RadioButton(int category) const
{
    switch (category) {
    case 1:
        return RadioButton1;
    case 2:
        return RadioButton2;
    case 3:
        return RadioButton3;
    case 4:
        return RadioButton4;
    }
    return nullptr;
}

void TSeleserDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSeleserDlg::FormShow()
{
    RadioButton2->setChecked(true);
    RadioButtonClick(2);
    OKBtn->setFocus();
}

void TSeleserDlg::RadioButtonClick(int category)
{
    for (int other = int(FirstCategory); other <= int(LastCategory); ++other) {
        if (other != category)
            RadioButton(other)->setChecked(false);
    }
    ChosenCategory = category;
    // Said with OK, where the focus waits: the screen reader tells which category it takes.
    OKBtn->setAccessibleDescription(QStringLiteral("Scelta: ") + RadioButton(category)->text());
}

bool TSeleserDlg::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == OKBtn || watched == CancelBtn) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const int step = key->key() == Qt::Key_Up ? -1 : 1;
            QRadioButton *chosen = RadioButton(
                int(categoryOf(ChosenCategory + step)));
            chosen->setChecked(true);
            chosen->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    auto *button = qobject_cast<QRadioButton *>(watched);
    if (!button)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && !button->isChecked()) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            RadioButton(ChosenCategory)->setFocus(reason);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            (key == Qt::Key_Tab ? OKBtn : CancelBtn)
                ->setFocus(key == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSeleserDlg::reject()
{
    done(ModalCancel);
}
