// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class HtmlView;
class QFrame;
class QPushButton;

// Whether a link of the code table leads to a lesson unit, which is not shown in exercises.
bool isUnitLink(const QString &url);

// The six-dot braille code table, shown from the exercise windows.
class Ttblbraille : public QDialog
{
    Q_OBJECT
public:
    explicit Ttblbraille(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    HtmlView *html1 = nullptr;

    void html1BeforeNavigate2(const QString &url, bool &cancel);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void Panel1Resize();
    void Button2Click();
};

