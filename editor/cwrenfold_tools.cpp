// TForm1: the highlighter menu, printing, help, the about box and the two commands that
// start other programs.
#include "editor/cabout.h"
#include "editor/cwrenfold.h"
#include "editor/cwrenfold_print.h"
#include "platform/Error.h"
#include "platform/ui/HelpWindow.h"

#include <QLineEdit>
#include <QPrinterInfo>

namespace wrenfold {

void TForm1::setHighlighterOfActive(Highlighter h) { ActiveMemo()->setHighlighter(h); }

void TForm1::mmiHighlightNoneClick() { setHighlighterOfActive(Highlighter::None); }

void TForm1::mmiHighlighterHTMLClick() { setHighlighterOfActive(Highlighter::Html); }

void TForm1::mmiHIghlightOOPClick() { setHighlighterOfActive(Highlighter::Pascal); }

void TForm1::C1Click() { setHighlighterOfActive(Highlighter::Cpp); }

void TForm1::sbPrintClick() {
    // With no printer the job would vanish without a word; say so and change nothing.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        wf::prompter().error("No printer is installed.");
        return;
    }
    DocumentPrinter printer;
    printTo(printer);
}

void TForm1::printTo(DocumentPrinter& printer) {
    printer.setHeaderText(ActiveFileEdit()->text());
    printer.printDocument(ActiveMemo());
}

void TForm1::mmiHelp1Click() {
    if (!helpWindow_) helpWindow_ = new wf::HelpWindow(this);
    helpWindow_->showFile(appPath("wrenfold.hlp"));
}

void TForm1::mmiAboutClick() {
    TAboutBox box(this);
    wf::prompter().execDialog(box);
}

void TForm1::mmiFTPClick() {
    // The client is optional: whether it starts is not checked.
    wf::prompter().startProgram(appPath("sorxfer"), {});
}

void TForm1::mmiexploreClick() {
    if (!wf::prompter().openFileManager(panelFolder_))
        wf::prompter().error("Explorer failed to execute!");
}

}  // namespace wrenfold
