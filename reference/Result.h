// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDialog>

class HtmlView;
class QFrame;
class QPushButton;

// The grade of a verification test for n exercises right: picture, word and advice.
struct Grade
{
    const char *picture; // under ContentDir
    const char *word;
    const char *advice;
};
Grade gradeFor(int correct);

// The results page for a count of right answers (already capped at the test's length), with
// the content folder as cp1252 bytes; `written`, when given, says below the advice how the
// test's braille was written.
QByteArray resultPage(const QByteArray &dir, int correct, const QString &written = QString());

// The graded results of a verification test.
class TFresult : public QDialog
{
    Q_OBJECT
public:
    explicit TFresult(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;
    HtmlView *html1 = nullptr;
    // The right answers of the test it grades, handed by the run; capped at the test's
    // length when the window shows.
    qint32 CorrectCount = 0;

    // Writes the page of the run's results and waits for it to load, so that the window
    // shows with it. Showing the window does it unless it was done for that showing.
    void PreparePage();
    // How the braille of the run's test was written ("scritto con i sei tasti"), for the
    // pages until it is set again; empty when none was written.
    void SetWriting(const QString &words);
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    // Sizes the window and its parts for the zoom `factor`.
    void LayOut(double factor);

    bool m_prepared = false; // the showing's page is asked for already
    QString m_writing;
};

