// The printer of the documents: a QsciPrinter that leaves one inch all round, prints a
// header line (the document's path) and the page number centred in the footer.
#pragma once

#include <Qsci/qsciprinter.h>
#include <QString>

class QsciScintillaBase;

namespace wrenfold {

class DocumentPrinter : public QsciPrinter {
public:
    explicit DocumentPrinter(PrinterMode mode = HighResolution);

    void setHeaderText(const QString& text) { header_ = text; }
    const QString& headerText() const { return header_; }
    // The footer of page n: "Page {p}" with the number in place of {p}.
    static QString footerText(int page);

    // Prints every page of editor at once. Throws wf::Error when the printer fails.
    void printDocument(QsciScintillaBase* editor);

    void formatPage(QPainter& painter, bool drawing, QRect& area, int pagenr) override;

private:
    QString header_;
};

}  // namespace wrenfold
