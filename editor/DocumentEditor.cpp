// The document editor: Scintilla holds the bytes; everything here reaches them through
// Scintilla's length-based calls, so NUL and every line break form survive.
#include "editor/DocumentEditor.h"

#include "editor/DocumentFile.h"
#include "editor/Encoding.h"
#include "editor/TextCodec.h"
#include "editor/Highlighters.h"

#include <QFile>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <Qsci/qscilexer.h>
#include <algorithm>
#include <string_view>
#include <vector>

namespace wrenfold {

namespace {

// Everything but tab, LF, CR, blank, comma, full stop, colon and semicolon belongs to a
// word. (NUL cannot be listed: Scintilla takes the list NUL-terminated.)
std::string separatedWordCharacters() {
    constexpr std::string_view separators = "\t\n\r ,.:;";
    std::string chars;
    for (int c = 1; c < 256; ++c)
        if (separators.find(static_cast<char>(c)) == std::string_view::npos)
            chars += static_cast<char>(c);
    return chars;
}

QFont editorFont() {
    static const QFont font = [] {
        const QString wanted = QStringLiteral("MS Sans Serif");
        QFont f = QFontDatabase::families().contains(wanted)
                      ? QFont(wanted)
                      : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.setPointSize(10);
        return f;
    }();
    return font;
}

int lexerSlot(Highlighter h) {
    switch (h) {
    case Highlighter::Html: return 0;
    case Highlighter::Pascal: return 1;
    case Highlighter::Cpp: return 2;
    case Highlighter::None: break;
    }
    return -1;
}

unsigned long asWParam(long v) { return static_cast<unsigned long>(v); }

}  // namespace

// Scintilla tells of every edit before and after it is made. QScintilla answers the "after"
// notifications by counting the characters from the start of the document up to the edit
// (for accessibility) and by copying the inserted text; in a large document that costs far
// more than the edit itself. So only the "before" notifications are asked for: they mark
// the text as changed, and the change is announced once the edit is done.
constexpr unsigned long kEditNotifications =
    QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;

// Our own edits tell nothing while they run and announce themselves when done.
class DocumentEditor::SilentEdit {
public:
    explicit SilentEdit(DocumentEditor& editor) : editor_(editor) {
        ++editor_.quiet_;
        editor_.SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    }
    ~SilentEdit() {
        editor_.SendScintilla(SCI_SETMODEVENTMASK, kEditNotifications);
        --editor_.quiet_;
    }
    SilentEdit(const SilentEdit&) = delete;
    SilentEdit& operator=(const SilentEdit&) = delete;
    // isEdit: an edit of the document, not its replacement by a new one.
    void signalChange(bool isEdit) { editor_.announceChange(isEdit); }

private:
    DocumentEditor& editor_;
};

DocumentEditor::DocumentEditor(QWidget* parent) : QsciScintilla(parent) {
    applyEditorStyle();
    setDisplayEncoding(true);
    setHighlighter(Highlighter::Html);
    SendScintilla(SCI_SETMODEVENTMASK, kEditNotifications);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &DocumentEditor::onModified);
    lineCount_ = SendScintilla(SCI_GETLINECOUNT);
}

DocumentEditor::~DocumentEditor() = default;

void DocumentEditor::applyEditorStyle() {
    setFont(editorFont());
    setColor(palette().color(QPalette::Text));
    setPaper(palette().color(QPalette::Base));
    setSelectionBackgroundColor(palette().color(QPalette::Active, QPalette::Highlight));
    setSelectionForegroundColor(palette().color(QPalette::Active, QPalette::HighlightedText));
    setCaretWidth(2);
    setEolMode(EolWindows);
    // Jumping far into a large document would colour everything before it at once; instead
    // the text shows at once and its colours follow in the background.
    SendScintilla(SCI_SETIDLESTYLING, static_cast<unsigned long>(SC_IDLESTYLING_TOVISIBLE));
    SendScintilla(SCI_SETHSCROLLBAR, 0UL);
    SendScintilla(SCI_SETVSCROLLBAR, 1UL);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (int m = 0; m < SendScintilla(SCI_GETMARGINS); ++m) setMarginWidth(m, 0);
    setOverwriteMode(false);
    syncCaretToMode();
}

// --- the bytes ---------------------------------------------------------------------------

const char* DocumentEditor::rawText() const {
    // The pointer stays valid until the next edit; it covers documentLength() bytes.
    return static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
}

std::string DocumentEditor::bytes() const {
    const long n = documentLength();
    if (n == 0) return {};
    return std::string(rawText(), static_cast<std::size_t>(n));
}

long DocumentEditor::documentLength() const {
    return SendScintilla(SCI_GETLENGTH);
}

bool DocumentEditor::isUtf8() const {
    return SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8;
}

void DocumentEditor::setDisplayEncoding(bool utf8) {
    SendScintilla(SCI_SETCODEPAGE, utf8 ? static_cast<unsigned long>(SC_CP_UTF8) : 0UL);
    if (utf8) return;
    SendScintilla(SCI_STYLESETCHARACTERSET, static_cast<unsigned long>(STYLE_DEFAULT),
                  static_cast<long>(SC_CHARSET_ANSI));
    // Scintilla draws a single-byte document as Latin-1, where 80-9F are invisible control
    // characters. Show those bytes by their value, as Scintilla shows bytes it cannot draw.
    static const char hex[] = "0123456789ABCDEF";
    for (int b = 0x80; b < 0xA0; ++b) {
        const char key[2] = {static_cast<char>(b), '\0'};
        const char shown[4] = {'x', hex[b >> 4], hex[b & 15], '\0'};
        SendScintilla(SCI_SETREPRESENTATION, key, shown);
    }
}

void DocumentEditor::beginFreshText() {
    // A fresh document: no undo steps for the load itself, and nothing to undo back to.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_CLEARALL);
}

void DocumentEditor::reserveText(std::size_t size) {
    // Room for the text and some editing, so that neither the load nor the first edits make
    // Scintilla copy the whole document into a larger buffer.
    SendScintilla(SCI_ALLOCATE, size + size / 8 + 65536);
}

void DocumentEditor::endFreshText(SilentEdit& edit) {
    const long n = documentLength();
    setDisplayEncoding(n == 0 || isValidUtf8(rawText(), static_cast<std::size_t>(n)));
    if (n > 0) {
        // Move Scintilla's gap to the caret at the start, where the first edit will go,
        // instead of making that edit move the whole text.
        SendScintilla(SCI_INSERTTEXT, 0UL, " ");
        SendScintilla(SCI_DELETERANGE, 0UL, 1L);
    }
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSEL, 0UL, 0L);
    setModified(false);
    edit.signalChange(false);
}

void DocumentEditor::resetText(const char* data, std::size_t size) {
    SilentEdit edit(*this);
    beginFreshText();
    if (size > 0) {
        reserveText(size);
        SendScintilla(SCI_APPENDTEXT, size, data);
    }
    endFreshText(edit);
}

void DocumentEditor::loadFile(const QString& path) {
    DocumentFileReader reader(QFile::encodeName(path).toStdString());
    // The file is streamed into the editor, so a large one is not held twice. Should it
    // fail to read half-way (after it opened), the former text is put back.
    const std::string before = bytes();
    const long caret = selStart();
    const long length = selLength();
    const bool wasModified = isModified();
    const bool wasUtf8 = isUtf8();

    SilentEdit edit(*this);
    beginFreshText();
    reserveText(reader.sizeHint());
    try {
        std::vector<char> chunk(std::size_t{1} << 20);
        while (const std::size_t n = reader.read(chunk.data(), chunk.size()))
            SendScintilla(SCI_APPENDTEXT, n, chunk.data());
    } catch (...) {
        SendScintilla(SCI_CLEARALL);
        SendScintilla(SCI_APPENDTEXT, before.size(), before.data());
        setDisplayEncoding(wasUtf8);
        SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
        SendScintilla(SCI_EMPTYUNDOBUFFER);
        setSelStart(caret);
        setSelLength(length);
        setModified(wasModified);
        throw;
    }
    endFreshText(edit);
}

void DocumentEditor::saveFile(const QString& path) {
    const long n = documentLength();
    writeDocumentFile(QFile::encodeName(path).toStdString(), n > 0 ? rawText() : "",
                      static_cast<std::size_t>(n));
    setModified(false);
}

void DocumentEditor::setBytes(const std::string& bytes) {
    SilentEdit edit(*this);
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_SETTARGETRANGE, 0UL, documentLength());
    SendScintilla(SCI_REPLACETARGET, bytes.size(), bytes.data());
    SendScintilla(SCI_ENDUNDOACTION);
    setDisplayEncoding(isValidUtf8(bytes.data(), bytes.size()));
    SendScintilla(SCI_SETSEL, 0UL, 0L);
    edit.signalChange(true);
}

void DocumentEditor::clearDocument() {
    resetText("", 0);
}

// --- encoding of typed and dialog text -----------------------------------------------------

std::string DocumentEditor::encode(const QString& text) const {
    if (isUtf8()) return text.toStdString();
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t ch : text.toStdU32String())
        out += static_cast<char>(unicodeToCp1252(ch).value_or('?'));  // no such character
    return out;
}

QString DocumentEditor::decode(const std::string& bytes) const {
    if (isUtf8()) return QString::fromStdString(bytes);
    return cp1252ToText(bytes);
}

bool DocumentEditor::insertTyped(const QString& text) {
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    const std::string bytes = encode(text);
    if (text.toLatin1() == QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        return false;  // Scintilla types these itself
    const long caret = selStart();
    if (overwriteMode() && selLength() == 0) {
        // Overtype replaces the character under the caret, never a line break.
        const int next = static_cast<int>(SendScintilla(SCI_GETCHARAT, asWParam(caret)));
        if (caret < documentLength() && next != '\r' && next != '\n') setSelLength(1);
    }
    replaceSelection(bytes);
    return true;
}

void DocumentEditor::keyPressEvent(QKeyEvent* e) {
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!isUtf8() && !(e->modifiers() & commandModifiers) && insertTyped(e->text())) {
        e->accept();
        return;
    }
    QsciScintilla::keyPressEvent(e);
    syncCaretToMode();  // the Insert key may have switched overwrite mode
}

void DocumentEditor::inputMethodEvent(QInputMethodEvent* e) {
    if (!isUtf8() && e->preeditString().isEmpty() && insertTyped(e->commitString())) {
        e->accept();
        return;
    }
    QsciScintilla::inputMethodEvent(e);
}

QByteArray DocumentEditor::fromMimeData(const QMimeData* source, bool& rectangular) const {
    QByteArray text = QsciScintilla::fromMimeData(source, rectangular);
    if (isUtf8()) return text;
    const std::string bytes = encode(source->text());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QMimeData* DocumentEditor::toMimeData(const QByteArray& text, bool rectangular) const {
    QMimeData* mime = QsciScintilla::toMimeData(text, rectangular);
    if (!isUtf8()) mime->setText(decode(text.toStdString()));
    return mime;
}

void DocumentEditor::syncCaretToMode() {
    SendScintilla(SCI_SETCARETSTYLE,
                  static_cast<unsigned long>(overwriteMode() ? CARETSTYLE_BLOCK : CARETSTYLE_LINE));
}

// --- modified flag and change event --------------------------------------------------------

bool DocumentEditor::isModified() const {
    return forcedModified_ || QsciScintilla::isModified();
}

void DocumentEditor::setModified(bool m) {
    const bool was = isModified();
    forcedModified_ = m;
    if (!m) QsciScintilla::setModified(false);
    if (was != isModified()) emit modificationChanged(isModified());
}

void DocumentEditor::announceChange(bool isEdit) {
    if (isEdit && editRun_ > 0) {
        runChanged_ = true;  // told once, when the run ends
        return;
    }
    emit textChanged();
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    if (lines != lineCount_) {
        lineCount_ = lines;
        emit linesChanged();
    }
    if (isEdit) emit documentChanged();
}

void DocumentEditor::onModified(int, int type, const char*, int, int, int, int, int, int, int) {
    if (quiet_ > 0 || !(type & kEditNotifications)) return;
    changePending_ = true;
    // Inside an event or one of QScintilla's edit calls the change is announced when that
    // ends; an edit made some other way (a direct Scintilla message) is announced as soon
    // as the event loop runs.
    if (trackDepth_ == 0 && !flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                flushQueued_ = false;
                flushChange();
            },
            Qt::QueuedConnection);
    }
}

void DocumentEditor::flushChange() {
    if (!changePending_) return;
    changePending_ = false;
    announceChange(true);
}

template <typename Call>
void DocumentEditor::tracked(Call&& call) {
    ++trackDepth_;
    call();
    if (--trackDepth_ == 0) flushChange();
}

bool DocumentEditor::event(QEvent* e) {
    bool handled = false;
    tracked([&] { handled = QsciScintilla::event(e); });
    return handled;
}

bool DocumentEditor::viewportEvent(QEvent* e) {
    bool handled = false;
    tracked([&] { handled = QsciScintilla::viewportEvent(e); });
    return handled;
}

void DocumentEditor::append(const QString& text) { tracked([&] { QsciScintilla::append(text); }); }
void DocumentEditor::clear() { tracked([&] { QsciScintilla::clear(); }); }
void DocumentEditor::cut() { tracked([&] { QsciScintilla::cut(); }); }
void DocumentEditor::insert(const QString& text) { tracked([&] { QsciScintilla::insert(text); }); }
void DocumentEditor::insertAt(const QString& text, int line, int index) {
    tracked([&] { QsciScintilla::insertAt(text, line, index); });
}
void DocumentEditor::paste() { tracked([&] { QsciScintilla::paste(); }); }
void DocumentEditor::redo() { tracked([&] { QsciScintilla::redo(); }); }
void DocumentEditor::undo() { tracked([&] { QsciScintilla::undo(); }); }
void DocumentEditor::removeSelectedText() {
    tracked([&] { QsciScintilla::removeSelectedText(); });
}
void DocumentEditor::replaceSelectedText(const QString& text) {
    tracked([&] { QsciScintilla::replaceSelectedText(text); });
}
void DocumentEditor::setText(const QString& text) {
    tracked([&] { QsciScintilla::setText(text); });
}
void DocumentEditor::indent(int line) { tracked([&] { QsciScintilla::indent(line); }); }
void DocumentEditor::unindent(int line) { tracked([&] { QsciScintilla::unindent(line); }); }

// --- highlighters ----------------------------------------------------------------------------

void DocumentEditor::setHighlighter(Highlighter h) {
    highlighter_ = h;
    QsciLexer* lexer = nullptr;
    const int slot = lexerSlot(h);
    if (slot >= 0) {
        if (!lexers_[static_cast<std::size_t>(slot)])
            lexers_[static_cast<std::size_t>(slot)] =
                makeHighlighter(h, highlighterBaseFor(editorFont(), palette()), this);
        lexer = lexers_[static_cast<std::size_t>(slot)];
    }
    ++deferColouring_;
    setLexer(lexer);
    --deferColouring_;
    if (!lexer) {
        // Plain text in the editor's font and colours.
        setFont(editorFont());
        setColor(palette().color(QPalette::Text));
        setPaper(palette().color(QPalette::Base));
        SendScintilla(SCI_STYLECLEARALL);
        SendScintilla(SCI_CLEARDOCUMENTSTYLE);
    }
    // A lexer brings its own word characters; ours hold for every highlighter.
    SendScintilla(SCI_SETWORDCHARS, 0UL, separatedWordCharacters().c_str());
    viewport()->update();
}

void DocumentEditor::recolor(int start, int end) {
    // Setting a lexer clears the document's styles and asks to colour all of it at once.
    // Scintilla colours what it shows as it shows it, so a large document need not wait.
    if (deferColouring_ > 0 && start == 0 && end == -1) return;
    QsciScintilla::recolor(start, end);
}

// --- EditorOps -------------------------------------------------------------------------------

long DocumentEditor::selStart() const {
    return SendScintilla(SCI_GETCURRENTPOS);
}

long DocumentEditor::selLength() const {
    return SendScintilla(SCI_GETANCHOR) - SendScintilla(SCI_GETCURRENTPOS);
}

void DocumentEditor::setSelLength(long n) {
    const long caret = selStart();
    const long anchor = std::clamp(caret + n, 0L, documentLength());
    select(anchor, caret);
}

void DocumentEditor::setSelStart(long p) {
    const long at = std::clamp(p, 0L, documentLength());
    select(at, at);
}

void DocumentEditor::replaceSelection(const std::string& bytes) {
    const long lo = SendScintilla(SCI_GETSELECTIONSTART);
    const long hi = SendScintilla(SCI_GETSELECTIONEND);
    if (bytes.empty() && lo == hi) return;
    SilentEdit edit(*this);
    // One undo step, though it may be a deletion and an insertion.
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_SETTARGETRANGE, asWParam(lo), hi);
    SendScintilla(SCI_REPLACETARGET, bytes.size(), bytes.data());
    SendScintilla(SCI_ENDUNDOACTION);
    const long end = lo + static_cast<long>(bytes.size());
    select(end, end);
    edit.signalChange(true);
}

// SCI_SETSEL also scrolls the caret into view, which costs more than an edit; within a run
// the selection is set without scrolling, and the run's end scrolls once.
void DocumentEditor::select(long anchor, long caret) {
    if (editRun_ > 0)
        SendScintilla(SCI_SETSELECTION, asWParam(caret), anchor);
    else
        SendScintilla(SCI_SETSEL, asWParam(anchor), caret);
}

void DocumentEditor::beginEditRun() {
    ++editRun_;
}

void DocumentEditor::endEditRun() {
    if (editRun_ == 0 || --editRun_ > 0 || !runChanged_) return;
    runChanged_ = false;
    announceChange(true);
}

void DocumentEditor::focusEditor() {
    setFocus(Qt::OtherFocusReason);
}

}  // namespace wrenfold
