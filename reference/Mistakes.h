// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class HtmlView;
class QPushButton;

// After a test, the exercises that went wrong, each with its question and right answer in
// print and in cells: a page of the learner's folder, shown until "&OK" (or the page's
// link back) closes the window. The window grows with the zoom.
class TFmistakes : public QDialog
{
    Q_OBJECT
public:
    // Shows the page at `path` (a file) when the window shows.
    explicit TFmistakes(const QString &path, QWidget *parent = nullptr);

    HtmlView *html1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_path;
};
