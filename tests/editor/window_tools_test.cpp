// The highlighter menu, printing, help, the about box and the two programs the window starts.
#include "window_fixture.h"

#include "editor/cabout.h"
#include "editor/cwrenfold_print.h"
#include "platform/ui/HelpWindow.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

using namespace wrenfold;
using namespace wrenfold::test;
using wf::PromptEvent;

namespace {

// The text of a PDF file, page by page as pdftotext lays it out.
QString pdfText(const QString& pdf) {
    QProcess run;
    run.start("pdftotext", {"-layout", pdf, "-"});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) return "<pdftotext failed>";
    return QString::fromUtf8(run.readAllStandardOutput());
}

QStringList nonEmptyLines(const QString& text) {
    QStringList out;
    for (const QString& line : text.split('\n'))
        if (!line.trimmed().isEmpty()) out << line.trimmed();
    return out;
}

}  // namespace

TEST_F(EditorWindow, AHighlighterChoiceStaysWithItsTab) {
    start();
    openThroughDialog(writeFile("a.html", "<P>a"));
    openThroughDialog(writeFile("b.pas", "begin end."));
    click("mmiHighlightNone");
    EXPECT_EQ(form->Memo(1)->highlighter(), Highlighter::None);
    EXPECT_EQ(form->Memo(0)->highlighter(), Highlighter::Html);

    form->activateSlot(0);
    click("C1");
    EXPECT_EQ(form->Memo(0)->highlighter(), Highlighter::Cpp);
    EXPECT_EQ(form->Memo(1)->highlighter(), Highlighter::None);

    // Closing the document and opening another in the same tab keeps the tab's choice.
    form->activateSlot(1);
    click("sbClose");
    openThroughDialog(writeFile("c.pas", "x"));
    ASSERT_EQ(form->activeSlot(), 1);
    EXPECT_EQ(form->Memo(1)->highlighter(), Highlighter::None);
    click("mmiHIghlightOOP");
    EXPECT_EQ(form->Memo(1)->highlighter(), Highlighter::Pascal);
    click("mmiHighlighterHTML");
    EXPECT_EQ(form->Memo(1)->highlighter(), Highlighter::Html);
}

TEST_F(EditorWindow, PrintingPutsThePathInTheHeaderAndThePageInTheFooter) {
    const QString named = writeFile("site/page.html", "<P>Hello printed world");
    struct Case {
        bool untitled;
        QStringList lines;
    };
    const Case cases[] = {
        {true, {"Draft text", "Page 1"}},
        {false, {named, "<P>Hello printed world", "Page 1"}},
    };
    for (const Case& c : cases) {
        start();
        if (c.untitled)
            form->ActiveMemo()->setBytes("Draft text");
        else
            openThroughDialog(named);
        script.clear();
        const QString pdf = path("out.pdf");
        {
            DocumentPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            form->printTo(printer);
        }
        EXPECT_EQ(nonEmptyLines(pdfText(pdf)), c.lines);
        EXPECT_TRUE(script.events().empty());
        QFile::remove(pdf);
        quit();
    }
}

TEST_F(EditorWindow, ALongDocumentNumbersEveryPage) {
    start();
    std::string text;
    for (int i = 1; i <= 150; ++i) text += "line " + std::to_string(i) + "\r\n";
    form->ActiveMemo()->setBytes(text);
    {
        DocumentPrinter printer;  // the file is complete when the printer goes
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("long.pdf"));
        form->printTo(printer);
    }
    const QStringList lines = nonEmptyLines(pdfText(path("long.pdf")));
    EXPECT_TRUE(lines.contains("Page 1"));
    EXPECT_TRUE(lines.contains("Page 2"));
    EXPECT_TRUE(lines.contains("line 150"));
}

TEST_F(EditorWindow, PrintWithoutAPrinterSaysSoAndChangesNothing) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
    start();
    type("keep me");
    click("sbPrint");
    EXPECT_EQ(script.messages(), QStringList({"No printer is installed."}));
    EXPECT_EQ(script.events()[0].kind, wf::MsgKind::Error);
    EXPECT_EQ(form->ActiveMemo()->bytes(), "keep me");
    EXPECT_TRUE(form->sbSave()->isEnabled());
}

TEST_F(EditorWindow, HelpShowsTheManualOrSaysItIsMissing) {
    start();
    click("mmiHelp1");
    wf::HelpWindow* help = form->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->fileFound());
    EXPECT_EQ(help->fileName(), path("wrenfold.hlp"));
    EXPECT_EQ(help->browser()->toPlainText(), wf::HelpWindow::missingFileText(path("wrenfold.hlp")));
    EXPECT_TRUE(script.events().empty());  // the window reports it, not a message box

    writeFile("wrenfold.hlp", "<html><head><title>Manual</title></head><body><h1>Menus</h1>"
                              "<p>The File menu.</p></body></html>");
    click("mmiHelp1");
    EXPECT_EQ(form->helpWindow(), help);
    EXPECT_TRUE(help->fileFound());
    EXPECT_TRUE(help->browser()->toPlainText().contains("The File menu."));
    EXPECT_EQ(help->windowTitle(), "Manual");
}

TEST_F(EditorWindow, TheShippedManualCoversTheMenusAndSheets) {
    QFile manual(QString(WF_BIN_DIR) + "/wrenfold.hlp");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << manual.fileName().toStdString();
    const QString text = QString::fromUtf8(manual.readAll());
    for (const char* topic : {"File menu", "Edit menu", "Search menu", "Browse menu", "Tools menu",
                              "Help menu", "Standard", "Fonts", "Lists", "Tables", "Frames",
                              "Advanced", "Tag List", "Style Sheets", "Custom"})
        EXPECT_TRUE(text.contains(topic)) << topic;
}

TEST_F(EditorWindow, AboutBoxShowsTheProgramAndVersion) {
    start();
    QStringList labels;
    QString caption;
    script.dialog([&](QDialog& box) {
        caption = box.windowTitle();
        for (QLabel* label : box.findChildren<QLabel*>())
            if (!label->text().isEmpty()) labels << label->text();
        return true;
    });
    click("mmiAbout");
    ASSERT_EQ(script.eventsOf(PromptEvent::Type::Dialog).size(), 1u);
    EXPECT_EQ(script.events()[0].caption, "AboutBox");
    EXPECT_EQ(caption, "About Wrenfold HTML Editor");
    ASSERT_GE(labels.size(), 4);
    EXPECT_EQ(labels.mid(0, 3), QStringList({"Wrenfold", "HTML Editor", "Version 2.8"}));
    EXPECT_TRUE(labels.last().contains(TAboutBox::homePage()));
}

TEST_F(EditorWindow, FtpStartsTheClientFromTheProgramFolderUnchecked) {
    start();
    script.shellResult(false);  // missing: nothing to say
    click("mmiFTP");
    const auto started = script.eventsOf(PromptEvent::Type::StartProgram);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text, appDir + "sorxfer");
    EXPECT_EQ(started[0].initial, "");
    EXPECT_TRUE(script.messages().isEmpty());
}

TEST_F(EditorWindow, LaunchExplorerOpensThePanelsFolderAndReportsAFailure) {
    writeFile("site/x.html", "");
    start();
    form->setPanelFolder(path("site"));
    click("mmiexplore");
    auto opened = script.eventsOf(PromptEvent::Type::FileManager);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, path("site"));
    EXPECT_TRUE(script.messages().isEmpty());

    script.shellResult(false);
    click("mmiexplore");
    EXPECT_EQ(script.messages(), QStringList({"Explorer failed to execute!"}));
    EXPECT_EQ(script.events().back().kind, wf::MsgKind::Error);
}

TEST_F(EditorWindow, ExitClosesTheWindow) {
    start();
    click("Exit1");
    EXPECT_FALSE(form->isVisible());
}
