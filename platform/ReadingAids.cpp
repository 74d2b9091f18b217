// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadingAids.h"

#include "rules/CourseLook.h"
#include "rules/CellSpeech.h"
#include "platform/Announcer.h"
#include "rules/Cp1252.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFile>
#include <QRegularExpression>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

// The page script. Each text node drawn in a braille or music font of the course is kept for
// the eye (aria-hidden) and followed by its spoken form, clipped to nothing on the screen.
// Runs that already carry a text alternative (role "img" with a label) are left as they are.
static const char PageScript[] = R"JS(
(function () {
  if (!document.body || document.body.hasAttribute('data-sentiero-read')) return;
  document.body.setAttribute('data-sentiero-read', '');
  function familyKind(element) {
    const first = getComputedStyle(element).fontFamily.split(',')[0];
    return kinds[first.trim().replace(/^["']|["']$/g, '').toLowerCase()];
  }
  function brailleHeard(text) {
    const heard = [];
    for (const character of text.replace(/[ \t\r\n\f]+/g, ' ').trim())
      heard.push(cells[character] || 'segno senza cella');
    return heard.join(', ');
  }
  function musicHeard(text) {
    let heard = '', print = '';
    const flush = function () {
      const words = print.replace(/\s+/g, ' ').trim();
      if (words) heard += (heard ? ' ' : '') + words;
      print = '';
    };
    for (const character of text) {
      if (!(character in signs)) { print += character; continue; }
      flush();
      if (signs[character]) heard += (heard ? ', ' : '') + signs[character];
    }
    flush();
    return heard;
  }
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  const nodes = [];
  while (walker.nextNode()) nodes.push(walker.currentNode);
  for (const node of nodes) {
    const element = node.parentElement;
    if (!element || !node.data.trim()) continue;
    if (element.closest('[role="img"][aria-label], [aria-hidden="true"]')) continue;
    const kind = familyKind(element);
    if (!kind) continue;
    const heard = kind === 'braille' ? brailleHeard(node.data) : musicHeard(node.data);
    const shown = document.createElement('span');
    shown.setAttribute('aria-hidden', 'true');
    node.parentNode.insertBefore(shown, node);
    shown.appendChild(node);
    const said = document.createElement('span');
    said.style.cssText = 'position:absolute;width:1px;height:1px;margin:-1px;padding:0;'
      + 'border:0;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap';
    said.textContent = ' ' + heard + ' ';
    shown.after(said);
  }
})();
)JS";

QString pageReadingScript()
{
    const CellTable &table = courseCells();
    const MusicSigns &signs = courseMusicSigns();
    QJsonObject cells, names;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char character = char(byte);
        const QString key = fromCp1252(QByteArray(1, character));
        if (key.size() != 1 || key[0] == QChar::ReplacementCharacter)
            continue;
        if (!table.cellsOf(character).isEmpty())
            cells.insert(key, spokenCells(table.cellsOf(character)));
        if (signs.isSign(character))
            names.insert(key, signs.nameOf(character));
    }
    // The families as the browser reports them, in lower case.
    QJsonObject kinds;
    kinds.insert(QString::fromLatin1(CourseFont::Braille).toLower(), QStringLiteral("braille"));
    kinds.insert(QString::fromLatin1(CourseFont::BrailleLists).toLower(), QStringLiteral("braille"));
    kinds.insert(QString::fromLatin1(CourseFont::Music).toLower(), QStringLiteral("music"));
    const auto json = [](const QJsonObject &object) {
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    };
    return QStringLiteral("const cells = %1, signs = %2, kinds = %3;")
               .arg(json(cells), json(names), json(kinds))
               .prepend(QStringLiteral("(function () {"))
           + QString::fromLatin1(PageScript) + QStringLiteral("})();");
}

QString exercisePageReadingScript(const QString &pagePath)
{
    QFile page(pagePath);
    if (!page.open(QIODevice::ReadOnly))
        return pageReadingScript();
    // The pictures' paths as the page names them, below the course folder.
    static const QRegularExpression pictures(QStringLiteral("imgex[\\\\/][^\"'<>]*?\\.bmp"),
                                             QRegularExpression::CaseInsensitiveOption);
    QJsonObject texts;
    const QString html = fromCp1252(page.readAll());
    for (auto match = pictures.globalMatch(html); match.hasNext();) {
        QString relative = match.next().captured(0);
        relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
        QFile text(contentFile(QLatin1Char('\\') + relative.chopped(4) + QStringLiteral(".txt")));
        if (text.open(QIODevice::ReadOnly))
            texts.insert(relative.replace(QLatin1Char('\\'), QLatin1Char('/')).toLower(),
                         QString::fromUtf8(text.readAll()).trimmed());
    }
    if (texts.isEmpty())
        return pageReadingScript();
    return pageReadingScript()
           + QStringLiteral("(function (texts) { for (const picture of document.images) {"
                            " const src = decodeURIComponent(picture.src).replace(/\\\\/g, '/')"
                            ".toLowerCase();"
                            " for (const name in texts) if (src.endsWith(name)) {"
                            " picture.alt = texts[name]; picture.setAttribute('aria-label', texts[name]); } }"
                            " })(%1);")
                 .arg(QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact)));
}

namespace {

const char BrailleBox[] = "sentieroBrailleBox";

// The text of a box with one LF a line break; unlike toPlainText() it keeps no-break spaces,
// which are cells of their own.
QByteArray boxBytes(const QTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return toCp1252(text);
}

// A box's text as it is heard, with the offset where each character's cells begin.
struct Heard
{
    QString text;
    QList<qsizetype> starts; // one a character of the box, and the end

    explicit Heard(const QTextEdit *box) { text = spokenBraille(boxBytes(box), courseCells(), &starts); }

    int offsetOf(int position) const
    {
        return int(starts[std::clamp<qsizetype>(position, 0, starts.size() - 1)]);
    }
    // Each character of the box as it is heard, without the separator before it.
    QStringList pieces() const
    {
        QStringList each;
        for (qsizetype i = 0; i + 1 < starts.size(); ++i) {
            QString piece = text.mid(starts[i], starts[i + 1] - starts[i]);
            if (piece.startsWith(QLatin1String(", ")))
                piece.remove(0, 2);
            each << piece;
        }
        return each;
    }
    // The character of the box whose cells are heard at `offset`.
    int positionOf(int offset) const
    {
        const auto after = std::upper_bound(starts.begin(), starts.end(), qsizetype(offset));
        return int(std::max<qsizetype>(0, after - starts.begin() - 1));
    }
};

// What was last told about each box, so that a change is told as what changed in the cells.
QHash<const QObject *, QStringList> &toldText()
{
    static QHash<const QObject *, QStringList> told;
    return told;
}

class BrailleBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit BrailleBoxAccessible(QTextEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QTextEdit *box() const { return static_cast<QTextEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
        case QAccessible::Description:
        case QAccessible::Help:
        case QAccessible::Accelerator:
            return QAccessibleWidget::text(kind);
        default:
            return Heard(box()).text; // the value, and anything else asked: the cells
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    // The text interface, on the heard text.
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        const QTextCursor cursor = box()->textCursor();
        if (index != 0 || !cursor.hasSelection())
            return;
        const Heard heard(box());
        *start = heard.offsetOf(cursor.selectionStart());
        *end = heard.offsetOf(cursor.selectionEnd());
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        const Heard heard(box());
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(heard.positionOf(start));
        cursor.setPosition(heard.positionOf(end), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    int cursorPosition() const override
    {
        return Heard(box()).offsetOf(box()->textCursor().position());
    }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(Heard(box()).positionOf(position));
        box()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override
    {
        return Heard(box()).text.mid(start, std::max(0, end - start));
    }
    int characterCount() const override { return int(Heard(box()).text.size()); }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(std::min(Heard(box()).positionOf(offset),
                                    box()->document()->characterCount() - 1));
        const QRect rect = box()->cursorRect(cursor);
        return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QTextCursor cursor = box()->cursorForPosition(box()->viewport()->mapFromGlobal(point));
        return Heard(box()).offsetOf(cursor.position());
    }
    void scrollToSubstring(int start, int) override
    {
        setCursorPosition(start);
        box()->ensureCursorVisible();
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

    // A character of the box is heard as all its cells: that is what a screen reader says
    // when the caret moves over it.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override
    {
        if (boundary != QAccessible::CharBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        const Heard heard(box());
        const int position = heard.positionOf(offset);
        if (position + 1 >= heard.starts.size()) {
            *start = *end = int(heard.text.size());
            return {};
        }
        *start = int(heard.starts[position]);
        *end = int(heard.starts[position + 1]);
        QString said = heard.text.mid(*start, *end - *start);
        if (said.startsWith(QLatin1String(", ")))
            said.remove(0, 2);
        return said;
    }
};

QAccessibleInterface *boxInterface(const QString &, QObject *object)
{
    auto *box = qobject_cast<QTextEdit *>(object);
    if (box && box->property(BrailleBox).toBool())
        return new BrailleBoxAccessible(box);
    return nullptr;
}

QAccessible::UpdateHandler previousHandler = nullptr;
void tellBoxEvents(QAccessibleEvent *event);

void forward(QAccessibleEvent *event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // To the platform's bridge, as Qt sends an event when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellBoxEvents);
}

// The text events of a braille box carry the characters the learner wrote: they are told
// instead as the cells that changed, at offsets of the heard text.
void tellBoxEvents(QAccessibleEvent *event)
{
    QObject *object = event->object();
    auto *box = qobject_cast<QTextEdit *>(object);
    if (!box || !box->property(BrailleBox).toBool()) {
        forward(event);
        return;
    }
    const Heard heard(box);
    switch (event->type()) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated: {
        // Compared a character of the box at a time, so that what is told is whole cells.
        const QStringList before = toldText().value(box);
        const QStringList after = heard.pieces();
        toldText().insert(box, after);
        qsizetype same = 0;
        while (same < before.size() && same < after.size() && before[same] == after[same])
            ++same;
        qsizetype tail = 0;
        while (tail < before.size() - same && tail < after.size() - same
               && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        const QString removed = before.mid(same, before.size() - same - tail).join(QLatin1String(", "));
        const QString inserted = after.mid(same, after.size() - same - tail).join(QLatin1String(", "));
        const int caret = heard.offsetOf(box->textCursor().position());
        if (removed.isEmpty() && inserted.isEmpty())
            return;
        const int at = heard.offsetOf(int(same));
        if (removed.isEmpty()) {
            QAccessibleTextInsertEvent told(box, at, inserted);
            told.setCursorPosition(caret);
            forward(&told);
            // A screen reader echoes the key, not what was written: the cells are said.
            Announcer::of(box)->say(inserted);
        } else if (inserted.isEmpty()) {
            QAccessibleTextRemoveEvent told(box, at, removed);
            told.setCursorPosition(caret);
            forward(&told);
        } else {
            QAccessibleTextUpdateEvent told(box, at, removed, inserted);
            told.setCursorPosition(caret);
            forward(&told);
        }
        return;
    }
    case QAccessible::TextCaretMoved: {
        QAccessibleTextCursorEvent told(box, heard.offsetOf(box->textCursor().position()));
        forward(&told);
        return;
    }
    case QAccessible::TextSelectionChanged: {
        const QTextCursor cursor = box->textCursor();
        QAccessibleTextSelectionEvent told(box, heard.offsetOf(cursor.selectionStart()),
                                           heard.offsetOf(cursor.selectionEnd()));
        told.setCursorPosition(heard.offsetOf(cursor.position()));
        forward(&told);
        return;
    }
    case QAccessible::ValueChanged: {
        QAccessibleValueChangeEvent told(box, heard.text);
        forward(&told);
        return;
    }
    default:
        forward(event);
    }
}

} // namespace

void readBoxAsCells(QTextEdit *box)
{
    static const bool installed = [] {
        QAccessible::installFactory(boxInterface);
        previousHandler = QAccessible::installUpdateHandler(tellBoxEvents);
        return true;
    }();
    Q_UNUSED(installed);
    box->setProperty(BrailleBox, true);
    // An interface made before (naming the box makes one while a screen reader listens)
    // would read the characters: the next one asked for is ours.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box);
    if (made && !dynamic_cast<BrailleBoxAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QObject::connect(box, &QObject::destroyed, [box] { toldText().remove(box); });
}
