// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/dm_Unit1.h"

#include "rules/CourseLook.h"
#include "rules/PagePath.h"
#include "rules/ProgramState.h"
#include "rules/SafeFile.h"
#include "rules/Services.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

Tdm *dm = nullptr;

namespace {

QByteArray decimal(int value)
{
    return QByteArray::number(value);
}

// The style of a category's titles.
QByteArray titles(int category)
{
    return ".titoli" + decimal(category)
           + " {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 18px; color: "
           + categoryColour(category) + "}";
}

// The style of a category's braille or music text: `kind` "braille" or "musica".
QByteArray signs(const char *kind, int category, const char *family, int pixels)
{
    return "." + QByteArray(kind) + decimal(category) + " {  font-family: \"" + family
           + "\"; font-size: " + decimal(pixels) + "px; color: " + categoryColour(category) + "}";
}

} // namespace

QByteArray DataSource::richText(const QString &field) const
{
    const QVariant value = m_table->fieldByName(field);
    return value.isValid() ? value.toByteArray() : QByteArray();
}

QList<QByteArray> DataSource::memoLines(const QString &field) const
{
    return splitMemoLines(richText(field));
}

QByteArray DataSource::text(const QString &field) const
{
    return valueAsFilterText(m_table->fieldByName(field));
}

QByteArray DataSource::image(const QString &field) const
{
    return richText(field);
}

QByteArray NormalizeAnswer(QByteArray text)
{
    while (text.endsWith("\r\n"))
        text.chop(2);
    qsizetype lead = 0;
    while (lead < text.size() && text[lead] == ' ')
        ++lead;
    text.remove(0, lead);
    QByteArray collapsed;
    collapsed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' && !collapsed.isEmpty() && collapsed.back() == ' ')
            continue;
        collapsed.append(text[i]);
    }
    while (collapsed.endsWith(' '))
        collapsed.chop(1);
    return collapsed;
}

Tdm::Tdm(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("dm"));
    const QByteArray indent24(24, ' ');
    const QByteArray indent25(25, ' ');
    header = {
        "<HTML><HEAD><TITLE></TITLE>",
        indent24 + "<meta http-equiv=\"Content-Type\" content=\"text/html;",
        "charset=windows-1252\">",
        indent24 + "<style type=\"text/css\">",
        indent24 + "<!--",
        ".testo {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 16px; color: "
            + categoryColour(4) + "}",
        ".titoli2 {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 18px;  color: "
            + categoryColour(2) + "}",
        titles(1),
        titles(3),
        titles(4),
        "",
        "",
        signs("braille", 2, CourseFont::Braille, 34),
        signs("braille", 1, CourseFont::Braille, 34),
        signs("braille", 3, CourseFont::Braille, 34),
        signs("braille", 4, CourseFont::Braille, 34),
        "",
        signs("musica", 2, CourseFont::Music, 48),
        signs("musica", 1, CourseFont::Music, 48),
        signs("musica", 3, CourseFont::Music, 48),
        signs("musica", 4, CourseFont::Music, 48),
        indent25 + "-->",
        indent25 + "</style>",
        indent25 + "</HEAD><BODY BACKGROUND=",
        " ",
    };
    FormCreate();
}

void Tdm::FormCreate()
{
    PageBuffer.clear();
}

QByteArray Tdm::headerText() const
{
    return header.join("\r\n");
}

QByteArray Tdm::dirBytes() const
{
    return pageDirBytes(state().ContentDir);
}

int Tdm::fieldInt(const QString &field) const
{
    return Table1.fieldByName(field).toInt();
}

bool Tdm::randomMode() const
{
    try {
        const QVariant value = Table1.fieldByName(QStringLiteral("Doma_rnd"));
        return value.isValid() && value.toBool();
    } catch (const std::exception &) {
        return false;
    }
}

QByteArray Tdm::pictureBase() const
{
    return dirBytes() + "\\imgex\\b\\" + decimal(fieldInt(QStringLiteral("Lezione"))) + '\\'
           + decimal(fieldInt(QStringLiteral("T_eser"))) + '\\'
           + decimal(fieldInt(QStringLiteral("eser_nr")));
}

void Tdm::BeginPage()
{
    PageBuffer.clear();
    PageBuffer += headerText();
    PageBuffer += '"';
    PageBuffer += dirBytes();
    PageBuffer += "\\img\\Image202.jpg\">";
}

void Tdm::OpenTitle(int category)
{
    PageBuffer += "<b><font class=\"titoli" + decimal(category) + "\" >";
}

void Tdm::CloseTitle()
{
    PageBuffer +=
        "</b></font><br><center><img src=\"" + dirBytes() + "\\img\\colorbar.gif\"></center><br>";
}

void Tdm::OpenText(int category)
{
    PageBuffer += "<font class=\"titoli" + decimal(category) + "\" >";
}

void Tdm::OpenBraille(int category)
{
    PageBuffer += "<font class=\"braille" + decimal(category) + "\" >";
}

void Tdm::OpenMusic(int category)
{
    PageBuffer += "<font class=\"musica" + decimal(category) + "\" >";
}

void Tdm::OpenMusicCell(int category)
{
    PageBuffer +=
        "<td valign=\"middle\" align=\"center\" class=\"musica" + decimal(category) + "\" nowrap>";
}

void Tdm::WriteQuestionImage()
{
    PageBuffer += "<img src=\"" + pictureBase() + ".bmp\">";
}

void Tdm::WriteColorBar()
{
    PageBuffer += "<br><center><img src=\"" + dirBytes() + "\\img\\colorbar.gif\"></center><br>";
}

void Tdm::WritePictureChoices(int category)
{
    const QByteArray cat = decimal(category);
    PageBuffer +=
        "</p><p><font class=\"titoli" + cat + "\">SELEZIONA LA RISPOSTA CORRETTA</font></p>";
    PageBuffer +=
        "<div align=\"left\"><table border=\"1\" width=\"660\" height=\"220\" class=\"titoli" + cat
        + "\"><tr>";
    PageBuffer += "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 1</td>"
                  "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 2</td>"
                  "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 3</td><tr>";
    const QByteArray base = pictureBase();
    for (const char letter : {'a', 'b', 'c'}) {
        PageBuffer += "<td width=\"220\" valign=\"middle\" align=\"center\"><img src=\"" + base
                      + letter + ".bmp\"></td>";
    }
    PageBuffer += "</tr></table></div>";
}

void Tdm::WriteAnswerTableHead(int category)
{
    const QByteArray cat = decimal(category);
    PageBuffer +=
        "</p><p><font class=\"titoli" + cat + "\" >SELEZIONA LA RISPOSTA CORRETTA</font></p>";
    PageBuffer += "<font class=\"titoli" + cat
                  + "\"><div align=\"left\"><table border=\"1\" cellpadding=\"5\"><tr>";
    for (int k = 1; k <= 3; ++k) {
        PageBuffer += "<td valign=\"middle\" align=\"center\" class=\"titoli" + cat + "\">Risposta "
                      + decimal(k) + "</td>";
    }
    PageBuffer += "</tr><tr>";
}

void Tdm::WriteText(const QByteArray &text)
{
    PageBuffer += text;
}

void Tdm::FinishPage()
{
    PageBuffer += "</font></BODY></HTML>";
    SavePage();
}

void Tdm::SavePage()
{
    // The course folder comes from anywhere: a link planted at the page's name is replaced,
    // never written through.
    const QString inContent = contentFile(QStringLiteral("\\tvp.htm"));
    if (writeFileReplacing(inContent, PageBuffer)) {
        m_pageFile = inContent;
    } else {
        const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        const QString fallback = own + QStringLiteral("/tvp.htm");
        if (own.isEmpty() || !QDir().mkpath(own) || !writeFileReplacing(fallback, PageBuffer))
            throw PlatformError(
                QStringLiteral("Impossibile scrivere il file \"%1\"").arg(inContent));
        m_pageFile = fallback;
    }
    PageBuffer.clear();
}

QString Tdm::PageFile() const
{
    return m_pageFile.isEmpty() ? contentFile(QStringLiteral("\\tvp.htm")) : m_pageFile;
}
