// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/SlateSheet.h"

#include "rules/CellTable.h"
#include "rules/Cp1252.h"
#include "rules/Slate.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

SlateSheet::SlateSheet(QTextEdit *box) : QWidget(box->viewport()), m_box(box)
{
    setObjectName(QStringLiteral("SlateSheet"));
    // Clicks reach the box, which keeps the focus and the text.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    box->viewport()->installEventFilter(this);
    for (auto signal :
         {&QTextEdit::textChanged, &QTextEdit::cursorPositionChanged, &QTextEdit::selectionChanged})
        connect(box, signal, this, qOverload<>(&QWidget::update));
    hide();
}

void SlateSheet::setActive(bool active)
{
    m_active = active;
    showSide();
}

void SlateSheet::turn()
{
    m_turned = !m_turned;
    showSide();
}

void SlateSheet::putBack()
{
    m_turned = false;
    showSide();
}

void SlateSheet::showSide()
{
    setGeometry(m_box->viewport()->rect());
    setVisible(m_active && !m_turned);
    update();
}

bool SlateSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box->viewport() && event->type() == QEvent::Resize)
        setGeometry(m_box->viewport()->rect());
    return false;
}

void SlateSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), m_box->palette().color(QPalette::Base));

    const int pixels = m_box->font().pixelSize() > 0 ? m_box->font().pixelSize() : 29;
    const double cellWidth = pixels * 1.05, rowHeight = pixels * 1.45;
    const double step = pixels * 0.36, radius = pixels * 0.13;
    const double margin = 8;
    const int perRow = std::max(1, int((width() - 2 * margin) / cellWidth));
    const CellTable &table = courseCells();

    // Each line of the box in cells, in reading order; for each character where its cells
    // begin, so that the caret and the selection find their cells.
    struct Line
    {
        QList<Cell> cells;
        QList<int> starts;
        int firstRow = 0;
    };
    QList<Line> lines;
    int rows = 0;
    for (QTextBlock block = m_box->document()->begin(); block.isValid(); block = block.next()) {
        Line line;
        for (char character : toCp1252(block.text())) {
            line.starts << int(line.cells.size());
            line.cells << table.cellsOf(character);
        }
        line.starts << int(line.cells.size());
        line.firstRow = rows;
        rows += std::max<int>(1, (int(line.cells.size()) + perRow - 1) / perRow);
        lines << line;
    }

    const QTextCursor caret = m_box->textCursor();
    const int caretLine = caret.blockNumber();
    const int caretCell = lines.value(caretLine).starts.value(caret.positionInBlock());
    const int caretRow = lines.value(caretLine).firstRow + caretCell / perRow
                         - (caretCell > 0 && caretCell % perRow == 0 ? 1 : 0);
    const int visibleRows = std::max(1, int((height() - margin) / rowHeight));
    const int firstShown = std::max(0, caretRow - visibleRows + 1);

    // Where a cell of a line goes: from the right edge leftwards, row after row.
    const auto place = [&](const Line &line, int index) {
        const int row = line.firstRow + index / perRow - firstShown;
        const int column = index % perRow;
        return QPointF(width() - margin - (column + 1) * cellWidth, margin / 2 + row * rowHeight);
    };
    const QColor raised = m_box->palette().color(QPalette::Text);
    QColor pit = raised;
    pit.setAlpha(50);
    const int selectionStart = caret.selectionStart(), selectionEnd = caret.selectionEnd();
    for (int number = 0; number < lines.size(); ++number) {
        const Line &line = lines[number];
        const QTextBlock block = m_box->document()->findBlockByNumber(number);
        for (int index = 0; index < line.cells.size(); ++index) {
            const QPointF corner = place(line, index);
            if (corner.y() < 0 || corner.y() > height())
                continue;
            const int character =
                int(std::upper_bound(line.starts.begin(), line.starts.end(), index)
                    - line.starts.begin())
                - 1;
            const int position = block.position() + character;
            if (position >= selectionStart && position < selectionEnd)
                painter.fillRect(QRectF(corner, QSizeF(cellWidth - 2, rowHeight - 2)),
                                 palette().color(QPalette::Highlight).lighter(160));
            const Cell shown = mirrored(line.cells[index]);
            for (int dot = 0; dot < 6; ++dot) {
                const QPointF centre = corner
                                       + QPointF(cellWidth * 0.32 + (dot / 3) * step,
                                                 rowHeight * 0.22 + (dot % 3) * step);
                painter.setPen(Qt::NoPen);
                painter.setBrush(shown & (1 << dot) ? raised : pit);
                painter.drawEllipse(centre, shown & (1 << dot) ? radius : radius * 0.6,
                                    shown & (1 << dot) ? radius : radius * 0.6);
            }
        }
    }
    // The caret: left of the last cell written, where the stylus goes next.
    if (caretLine < lines.size()) {
        const Line &line = lines[caretLine];
        const bool wrapped = caretCell > 0 && caretCell % perRow == 0;
        QPointF corner = place(line, wrapped ? caretCell - 1 : caretCell);
        if (!wrapped)
            corner.rx() += cellWidth;
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawLine(QPointF(corner.x() - 1, corner.y() + 2),
                         QPointF(corner.x() - 1, corner.y() + rowHeight - 4));
    }
    // What the learner sees, said in a corner.
    QFont small = QApplication::font(); // the sheet inherits the box's braille font
    small.setPixelSize(std::max(10, pixels / 2));
    painter.setFont(small);
    QColor note = raised;
    note.setAlpha(150);
    painter.setPen(note);
    painter.drawText(rect().adjusted(4, 0, -4, -2), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Lato di scrittura (F4 gira il foglio)"));
}
