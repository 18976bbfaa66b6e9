// Document editor with a large page: loads a generated 50 MB HTML file into a shown
// DocumentEditor (offscreen), inserts markup at the caret, saves it back, and reports the
// times and the peak memory of the process.
// Targets: load < 1500 ms, save < 1000 ms, html1 < 5 ms, peak memory < 4x the file size.
// Also shown: a typed key, and showing the end of the page.
#include "editor/DocumentEditor.h"
#include "editor/Insertion.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double peakMb() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

std::string generatePage(std::size_t size) {
    const std::string rows[] = {
        "<TR><TD ALIGN=\"left\"><A HREF=\"page.html#row\">A link</A></TD><TD>Some text</TD></TR>\r\n",
        "<P>Plain paragraph text with an entity &amp; and <B>bold</B> words in it.</P>\r\n",
        "<!-- a comment between the rows of the table -->\r\n",
        "<SCRIPT LANGUAGE=\"JavaScript\">var x = 1; if (x > 0) { x = x + 1; }</SCRIPT>\r\n",
    };
    std::string page = "<HTML>\r\n<HEAD><TITLE>Large page</TITLE></HEAD>\r\n<BODY>\r\n<TABLE>\r\n";
    page.reserve(size + 256);
    for (std::size_t i = 0; page.size() < size; ++i) page += rows[i % 4];
    page += "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    return page;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// One html1 at the caret, then a run of them, each undone from the document's point of
// view only by further edits (the text keeps growing, as it does while the user works).
void timeHtml1(wrenfold::DocumentEditor& editor, const char* where) {
    auto start = Clock::now();
    wrenfold::html1(editor, "<B>");
    const double first = msSince(start);
    std::vector<double> runs;
    for (int i = 0; i < 50; ++i) {
        start = Clock::now();
        wrenfold::html1(editor, "<I>");
        runs.push_back(msSince(start));
    }
    std::printf("html1 %-22s first %7.3f ms, median %7.3f ms, max %7.3f ms\n", where, first,
                median(runs), *std::max_element(runs.begin(), runs.end()));
}

// Typing: key presses handled by the editor itself, as the user makes them.
void timeKeys(wrenfold::DocumentEditor& editor, const char* where) {
    std::vector<double> runs;
    for (int i = 0; i < 20; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        const auto start = Clock::now();
        QApplication::sendEvent(&editor, &press);
        runs.push_back(msSince(start));
    }
    std::printf("key   %-22s median %7.3f ms, max %7.3f ms\n", where, median(runs),
                *std::max_element(runs.begin(), runs.end()));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t size = 50u * 1024 * 1024;

    QTemporaryDir dir;
    const QString in = dir.filePath("large.html");
    const QString out = dir.filePath("saved.html");
    {
        const std::string page = generatePage(size);
        std::ofstream(in.toStdString(), std::ios::binary).write(page.data(),
                                                                 static_cast<long>(page.size()));
    }

    wrenfold::DocumentEditor editor;
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();
    const double baseline = peakMb();

    auto start = Clock::now();
    editor.loadFile(in);
    const double load = msSince(start);
    const double fileMb = static_cast<double>(editor.documentLength()) / (1024.0 * 1024.0);

    start = Clock::now();
    QApplication::processEvents();
    (void)editor.grab();
    const double paint = msSince(start);

    timeHtml1(editor, "at the start");
    editor.setSelStart(editor.documentLength() / 2);
    timeHtml1(editor, "in the middle");
    timeKeys(editor, "in the middle");

    // Showing the end: its colours need everything in front of it coloured, which the
    // editor does in the background after showing the text.
    start = Clock::now();
    editor.setSelStart(editor.documentLength());
    (void)editor.grab();
    const double paintEnd = msSince(start);

    start = Clock::now();
    editor.saveFile(out);
    const double save = msSince(start);

    const double peak = peakMb();
    std::printf("file               %8.1f MB\n", fileMb);
    std::printf("load               %8.1f ms   (target < 1500)\n", load);
    std::printf("first paint        %8.1f ms\n", paint);
    std::printf("paint at the end   %8.1f ms\n", paintEnd);
    std::printf("save               %8.1f ms   (target < 1000)\n", save);
    std::printf("peak memory        %8.1f MB = %.2fx the file (target < 4x); %.1f MB before "
                "loading\n",
                peak, peak / fileMb, baseline);
    return 0;
}
