// Find and replace over a document's bytes (see TextSearch.h).
#include "editor/markup/TextSearch.h"

#include <array>
#include <cstddef>

namespace wrenfold {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Upper case of every byte as Windows-1252 letters have it.
constexpr std::array<unsigned char, 256> makeAnsiUpper() {
    std::array<unsigned char, 256> t{};
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = static_cast<unsigned char>(i);
    for (std::size_t c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 0x20);
    t[0x9A] = 0x8A;  // s caron
    t[0x9C] = 0x8C;  // oe
    t[0x9E] = 0x8E;  // z caron
    t[0xFF] = 0x9F;  // y diaeresis
    for (std::size_t c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) t[c] = static_cast<unsigned char>(c - 0x20);  // 0xF7 is the division sign
    return t;
}
constexpr std::array<unsigned char, 256> kAnsiUpper = makeAnsiUpper();

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }

std::byte toByte(char c) { return static_cast<std::byte>(c); }

// The byte in front of a position as the document stands now. While Replace All works on its
// copy, the byte in front of the spot just behind a replacement is the replacement's last
// byte (or, for an empty replacement, whatever stood in front of the replaced match).
struct Boundary {
    long pos = -1;   // where the override applies; -1: nowhere
    int byte = -1;   // the byte in front of pos; -1: the start of the document
};

int byteBefore(std::string_view text, long pos, const Boundary& b) {
    if (pos == b.pos) return b.byte;
    if (pos <= 0) return -1;
    return static_cast<unsigned char>(text[static_cast<std::size_t>(pos - 1)]);
}

bool isWholeWord(std::string_view text, long pos, std::size_t len, const Boundary& b) {
    const int before = byteBefore(text, pos, b);
    if (before >= 0 && !IsWordSeparator(static_cast<char>(before))) return false;
    const std::size_t end = static_cast<std::size_t>(pos) + len;
    return end >= text.size() || IsWordSeparator(text[end]);
}

std::optional<long> findFrom(std::string_view text, std::string_view what, long from,
                             const SearchOptions& options, const Boundary& boundary) {
    if (what.empty() || what.find_first_of("\r\n") != npos) return std::nullopt;
    const long size = static_cast<long>(text.size());
    if (from < 0) from = 0;
    if (from > size) from = size;
    const auto accept = [&](std::size_t m) {
        return !options.wholeWord ||
               isWholeWord(text, static_cast<long>(m), what.size(), boundary);
    };
    if (options.down) {
        for (std::size_t m = text.find(what, static_cast<std::size_t>(from)); m != npos;
             m = text.find(what, m + 1))
            if (accept(m)) return static_cast<long>(m);
    } else {
        if (from == 0) return std::nullopt;
        for (std::size_t m = text.rfind(what, static_cast<std::size_t>(from - 1)); m != npos;
             m = m == 0 ? npos : text.rfind(what, m - 1))
            if (accept(m)) return static_cast<long>(m);
    }
    return std::nullopt;
}

// Holds a run of edits open for as long as it lives.
class EditRun {
public:
    explicit EditRun(EditorOps& ops) : ops_(ops) { ops_.beginEditRun(); }
    ~EditRun() { ops_.endEditRun(); }
    EditRun(const EditRun&) = delete;
    EditRun& operator=(const EditRun&) = delete;

private:
    EditorOps& ops_;
};

// The document (and the search text) as the search compares them.
struct Haystack {
    std::string text;
    std::string what;
};

Haystack prepare(std::string text, const std::string& what, const SearchOptions& options) {
    if (options.matchCase) return {std::move(text), what};
    return {FoldCase(text, options.charset), FoldCase(what, options.charset)};
}

long lowerEnd(const EditorOps& ops) {
    const long s = ops.selStart(), l = ops.selLength();
    return l < 0 ? s + l : s;
}

// Whether the selection's bytes, taken from the document text, equal what ignoring case.
bool selectionMatches(const EditorOps& ops, std::string_view text, const std::string& what,
                      Charset charset) {
    const long len = ops.selLength() < 0 ? -ops.selLength() : ops.selLength();
    const long lo = lowerEnd(ops);
    if (what.empty() || static_cast<std::size_t>(len) != what.size() || lo < 0 ||
        static_cast<std::size_t>(lo + len) > text.size())
        return false;
    return FoldCase(text.substr(static_cast<std::size_t>(lo), what.size()), charset) ==
           FoldCase(what, charset);
}

}  // namespace

bool IsWordSeparator(char c) {
    switch (c) {
    case '\t': case '\n': case '\r': case ' ': case ',': case '.': case ':': case ';':
        return true;
    default:
        return false;
    }
}

std::string FoldCase(std::string_view bytes, Charset charset) {
    std::string out(bytes);
    if (charset == Charset::Ansi) {
        for (char& c : out) c = static_cast<char>(kAnsiUpper[static_cast<unsigned char>(c)]);
        return out;
    }
    // UTF-8: U+00E0..U+00FE (C3 A0..C3 BE) have their capitals 0x20 lower in the second byte,
    // except the division sign C3 B7.
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = asciiUpper(out[i]);
        if (i > 0 && toByte(out[i - 1]) == std::byte{0xC3}) {
            const auto b = static_cast<unsigned char>(out[i]);
            if (b >= 0xA0 && b <= 0xBE && b != 0xB7) out[i] = static_cast<char>(b - 0x20);
        }
    }
    return out;
}

std::optional<long> FindMatch(std::string_view text, std::string_view what, long from,
                              const SearchOptions& options) {
    return findFrom(text, what, from, options, Boundary{});
}

bool SearchOnce(EditorOps& ops, const std::string& what, const SearchOptions& options) {
    const Haystack h = prepare(ops.documentText(), what, options);
    const auto m = FindMatch(h.text, h.what, ops.selStart(), options);
    if (!m) return false;
    const long len = static_cast<long>(what.size());
    if (options.down) {
        ops.setSelStart(*m + len);
        ops.setSelLength(-len);
    } else {
        ops.setSelStart(*m);
        ops.setSelLength(len);
    }
    ops.focusEditor();
    return true;
}

bool DoReplace(EditorOps& ops, const std::string& what, const std::string& with,
               Charset charset) {
    const bool match = selectionMatches(ops, ops.documentText(), what, charset);
    if (match) {
        const long lo = lowerEnd(ops);
        ops.replaceSelection(with);
        ops.setSelStart(lo + static_cast<long>(with.size()));
    }
    ops.focusEditor();
    return match;
}

long DoReplaceAll(EditorOps& ops, const std::string& what, const std::string& with,
                  const SearchOptions& options) {
    // Searched as the search compares; folding keeps every separator where it stood, and
    // folding twice changes nothing, so the Replace step can compare in this copy too.
    const Haystack h = prepare(ops.documentText(), what, options);
    const std::string_view text = h.text;
    const EditRun run(ops);
    long count = 0;
    long shift = 0;  // document position minus position in the copy, behind the last edit
    long from = ops.selStart();
    Boundary boundary;
    const long whatLen = static_cast<long>(what.size());
    const long withLen = static_cast<long>(with.size());
    const auto replaced = [&](long pos) {
        // The bytes pos .. pos+whatLen of the copy were replaced; search on behind them.
        const int before = byteBefore(text, pos, boundary);
        boundary = {pos + whatLen,
                    with.empty() ? before : static_cast<unsigned char>(with.back())};
        shift += withLen - whatLen;
        from = pos + whatLen;
        ++count;
    };

    if (selectionMatches(ops, text, what, options.charset)) {
        const long lo = lowerEnd(ops);
        ops.replaceSelection(with);
        replaced(lo);
    }
    ops.focusEditor();

    SearchOptions down = options;
    down.down = true;
    while (const auto m = findFrom(text, h.what, from, down, boundary)) {
        ops.setSelStart(*m + shift);
        ops.setSelLength(whatLen);
        ops.replaceSelection(with);
        replaced(*m);
    }
    if (count > 0) ops.setSelStart(from + shift);
    return count;
}

}  // namespace wrenfold
