// The document printer.
#include "editor/cwrenfold_print.h"

#include "platform/Error.h"

#include <QFont>
#include <QPainter>

namespace wrenfold {

namespace {
// Distances in inches, from the paper's edges.
constexpr double kMargin = 1.0;
constexpr double kHeaderTop = 0.4;
constexpr double kFooterTop = 0.75;  // from the bottom edge up to the footer line's top

QFont headerFont() {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
}  // namespace

DocumentPrinter::DocumentPrinter(PrinterMode mode) : QsciPrinter(mode) {
    // The page is laid out from the paper's edges, so the margins are ours.
    setFullPage(true);
    setWrapMode(QsciScintilla::WrapWord);
}

QString DocumentPrinter::footerText(int page) { return QString("Page %1").arg(page); }

void DocumentPrinter::printDocument(QsciScintillaBase* editor) {
    if (!printRange(editor) || printerState() == QPrinter::Error)
        throw wf::Error("The document could not be printed.");
}

void DocumentPrinter::formatPage(QPainter& painter, bool drawing, QRect& area, int pagenr) {
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const QRect paper(0, 0, width(), height());
    const int left = static_cast<int>(kMargin * dpiX);
    const int top = static_cast<int>(kMargin * dpiY);
    area = paper.adjusted(left, top, -left, -top);
    if (!drawing) return;

    painter.save();
    painter.setFont(headerFont());
    painter.setPen(Qt::black);
    const int lineHeight = painter.fontMetrics().height();
    const QRect header(area.left(), static_cast<int>(kHeaderTop * dpiY), area.width(), lineHeight);
    if (!header_.isEmpty())
        painter.drawText(header, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, header_);
    const QRect footer(area.left(), paper.height() - static_cast<int>(kFooterTop * dpiY),
                       area.width(), lineHeight);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     footerText(pagenr));
    painter.restore();
}

}  // namespace wrenfold
