// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// Asks which of the four categories of exercises of a lesson to run.
class TSeleserDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TSeleserDlg(QWidget *parent = nullptr);

    qint32 ChosenCategory = 2;

    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

    // The radio button of a category, 1 to 4.
    QRadioButton *RadioButton(int category) const;

    void reject() override; // Esc and the close box: Cancel

protected:
    // The four categories are one stop of the tab order, at the chosen one, so that the
    // focus never shows a category other than the one that runs.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void RadioButtonClick(int category);
};

