// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/RichText.h"
#include "rules/Table.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// How the bound boxes of the exercise windows read the current record of a table.
class DataSource
{
public:
    explicit DataSource(Table *table) : m_table(table) {}
    Table *table() const { return m_table; }

    // The stored value of a rich-text field (RTF or plain text); empty when null.
    QByteArray richText(const QString &field) const;
    // The lines of a memo field; none when null.
    QList<QByteArray> memoLines(const QString &field) const;
    // A short field as text (alpha as it stands, numbers in decimal); empty when null.
    QByteArray text(const QString &field) const;
    // The picture bytes of a graphic field; empty when null.
    QByteArray image(const QString &field) const;

private:
    Table *m_table;
};

// Removes trailing CR LF pairs, leading blanks, runs of blanks and trailing blanks, in this
// order, so that typed answers compare without regard to stray blanks.
QByteArray NormalizeAnswer(QByteArray text);

// The data holder: the exercise table, its data source, and the page composer that turns
// the current record into the page file.
class Tdm : public QObject
{
    Q_OBJECT
public:
    explicit Tdm(QObject *parent = nullptr);

    Table Table1;
    DataSource DataSource1{&Table1};
    QList<QByteArray> header; // the fixed HTML/CSS head of every exercise page
    QByteArray PageBuffer;

    // The page header as written into a page: its lines joined by CR LF.
    QByteArray headerText() const;

    void BeginPage();
    void OpenTitle(int category);
    void CloseTitle();
    void OpenText(int category);
    void OpenBraille(int category);
    void OpenMusic(int category);
    void OpenMusicCell(int category);
    void WriteQuestionImage();
    void WriteColorBar();
    void WritePictureChoices(int category);
    void WriteAnswerTableHead(int category);
    void WriteText(const QByteArray &text);
    // Closes the page and saves it; throws PlatformError when it cannot be saved.
    void FinishPage();

    // Saves PageBuffer as the page file and empties it. The page goes to ContentDir\tvp.htm;
    // when the content folder cannot be written (a course installed read-only) it goes to
    // the user's own data folder instead. Throws PlatformError when neither can be written.
    void SavePage();
    // Where the last page was saved, to be opened in a browser view.
    QString PageFile() const;

    // The integer value of a field of the current record; 0 when null.
    int fieldInt(const QString &field) const;
    // Doma_rnd of the current record: false when the field is missing or holds no value.
    bool randomMode() const;

private:
    void FormCreate();
    QByteArray dirBytes() const;
    QByteArray pictureBase() const; // dir\imgex\b\lezione\t_eser\eser_nr

    QString m_pageFile;
};

extern Tdm *dm;
