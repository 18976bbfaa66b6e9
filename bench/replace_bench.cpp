// Replace All in the real editor control: 10,000 matches in 0.5 MB and 100,000 in 5 MB.
// Each replacement is its own edit, so the time must grow with the matches, not their square.
#include "editor/DocumentEditor.h"
#include "editor/markup/TextSearch.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <string>

namespace {

// One 50-byte line per match: 48 bytes of markup with one "foo" in it, then CR LF.
std::string makeDocument(long matches) {
    const std::string line = "<p>Lorem ipsum foo dolor sit amet, consectet</p>\r\n";
    static_assert(sizeof("<p>Lorem ipsum foo dolor sit amet, consectet</p>\r\n") == 51);
    std::string doc;
    doc.reserve(line.size() * static_cast<std::size_t>(matches));
    for (long i = 0; i < matches; ++i) doc += line;
    return doc;
}

void replaceAll(benchmark::State& state, bool shown, bool matchCase) {
    const long matches = state.range(0);
    const std::string doc = makeDocument(matches);
    wrenfold::DocumentEditor editor;
    editor.resize(800, 600);
    if (shown) editor.show();
    wrenfold::SearchOptions options;
    options.matchCase = matchCase;
    long replaced = 0;
    for (auto _ : state) {
        editor.setBytes(doc);
        editor.setSelStart(0);
        QApplication::processEvents();
        const auto t0 = std::chrono::steady_clock::now();
        replaced = wrenfold::DoReplaceAll(editor, "FOO", "barbaz", options);
        const auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        QApplication::processEvents();  // the repaint that follows, outside the figure
    }
    if (replaced != (matchCase ? 0 : matches)) state.SkipWithError("wrong number of replacements");
    state.counters["matches"] = static_cast<double>(replaced);
    state.counters["MB"] = static_cast<double>(doc.size()) / 1e6;
}

void BM_ReplaceAll(benchmark::State& state) { replaceAll(state, false, false); }
void BM_ReplaceAll_Shown(benchmark::State& state) { replaceAll(state, true, false); }
// Match case on finds nothing here: the cost of reading and scanning the document alone.
void BM_ScanOnly_MatchCase(benchmark::State& state) { replaceAll(state, false, true); }

}  // namespace

BENCHMARK(BM_ReplaceAll)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ReplaceAll_Shown)->Arg(10000)->Arg(100000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ScanOnly_MatchCase)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
