// The tag toolbar's buttons and popup items, and the few rules that go with them.
#include "editor/ToolbarTable.h"

#include "editor/Insertion.h"

namespace wrenfold {

namespace {

using A = ToolAction;
using F = CaptionFace;

constexpr int kRed = 0xFF0000;
constexpr int kBlack = 0x000000;
constexpr int kBlue = 0x0000FF;
constexpr int kGreen = 0x008000;
constexpr int kMaroon = 0x800000;
constexpr int kFuchsia = 0xFF00FF;

constexpr CaptionFont kSans8{F::SansSerif, 8, false, false, kDefaultCaptionColor};
constexpr CaptionFont kSans8Bold{F::SansSerif, 8, true, false, kDefaultCaptionColor};
constexpr CaptionFont kSans8BoldRed{F::SansSerif, 8, true, false, kRed};
constexpr CaptionFont kSans8BoldBlue{F::SansSerif, 8, true, false, kBlue};
constexpr CaptionFont kSans8Red{F::SansSerif, 8, false, false, kRed};
constexpr CaptionFont kSans8Blue{F::SansSerif, 8, false, false, kBlue};
constexpr CaptionFont kSans8BlueUnderline{F::SansSerif, 8, false, true, kBlue};
constexpr CaptionFont kSans8Fuchsia{F::SansSerif, 8, false, false, kFuchsia};
constexpr CaptionFont kArial8Red{F::Arial, 8, false, false, kRed};
constexpr CaptionFont kArial8Black{F::Arial, 8, false, false, kBlack};
constexpr CaptionFont kArial8BoldBlue{F::Arial, 8, true, false, kBlue};
constexpr CaptionFont kArial8Green{F::Arial, 8, false, false, kGreen};
constexpr CaptionFont kArialBlack10{F::ArialBlack, 10, false, false, kDefaultCaptionColor};
constexpr CaptionFont kArialBlack10Maroon{F::ArialBlack, 10, false, false, kMaroon};
constexpr CaptionFont kCourier10{F::Courier, 10, false, false, kDefaultCaptionColor};
constexpr CaptionFont kCourier10Blue{F::Courier, 10, false, false, kBlue};

constexpr int kWidth = 23;
constexpr int kHeight = 22;
constexpr int kTop = 8;

// A button with a text caption.
ToolButtonDef text(const char* sheet, const char* name, int left, const char* caption,
                    CaptionFont font, const char* hint, A action, const char* open = nullptr,
                    const char* close = nullptr) {
    return {sheet, name, left, kTop, kWidth, kHeight, caption, font, nullptr, hint, action, open,
            close};
}

// A button with a picture.
ToolButtonDef picture(const char* sheet, const char* name, int left, const char* icon,
                       const char* hint, A action, const char* open = nullptr,
                       const char* close = nullptr) {
    return {sheet, name, left, kTop, kWidth, kHeight, nullptr, kSans8, icon, hint, action, open,
            close};
}

// The four half-height monospace buttons of the Fonts sheet.
ToolButtonDef small(const char* name, int left, int top, const char* caption, const char* hint,
                     const char* open, const char* close) {
    return {"tsFonts", name, left, top, kWidth, 14, caption, kArial8Green, nullptr, hint, A::Wrap,
            open, close};
}

std::vector<ToolButtonDef> makeButtons() {
    const char* s = "tsStandard";
    const char* f = "tsFonts";
    const char* l = "tsLists";
    const char* t = "tsTables";
    const char* fr = "tsFrames";
    const char* ad = "tsAdvanced";
    const char* st = "tsStyleSheets";
    return {
        text(s, "sbParagraph", 0, "\u00B6", kCourier10, "Paragraph\r\nWith open tag only",
             A::Insert, "<P>"),
        picture(s, "sbParagraph2", 24, "paragraph-close", "Paragraph\r\nWith open and close tags",
                A::Wrap, "<P>", "</P>"),
        text(s, "sbBreak", 48, "BR", kSans8Bold, "Break", A::Insert, "<BR>"),
        text(s, "sbClear", 72, "Clr", kSans8Bold, "<BR clear=***>", A::Popup, "pmClear"),
        picture(s, "sbBold", 104, "bold", "Bold", A::Wrap, "<B>", "</B>"),
        picture(s, "sbItalic", 128, "italic", "Italics", A::Wrap, "<I>", "</I>"),
        picture(s, "sbUnderline", 152, "underline", "Underline", A::Wrap, "<U>", "</U>"),
        picture(s, "sbCenter", 184, "center", "Center", A::Wrap, "<CENTER>", "</CENTER>"),
        picture(s, "sbRight", 208, "right", "Right Justify ( <P align=right>..</P>", A::Wrap,
                "<P align=right>", "</P>"),
        picture(s, "sbAlign", 232, "align-menu", "align=***/ valign=*** Menu ", A::Popup,
                "pmAlign"),
        picture(s, "sbHR", 264, "hrule", "Horizontal Rule", A::Later),
        picture(s, "sbComment", 288, "comment", "Comment", A::Wrap, "<!--", "-->"),
        picture(s, "sbColor", 312, "color", "Color Selector", A::Later),
        picture(s, "sbImage", 336, "image", "Image Selector", A::Later),
        picture(s, "sbLink", 360, "link", "Link", A::Later),
        picture(s, "sbAnchorLink", 384, "anchor-link", "Anchor Link", A::Later),
        picture(s, "sbAnchorName", 408, "anchor-name", "Anchor Name", A::Later),
        picture(s, "sbEMail", 432, "email", "E-Mail Link", A::Later),

        picture(f, "sbFontSelect", 8, "font", "Font Selector", A::Later),
        text(f, "sbFontPlus", 32, "F+", kArial8Red, "Font Size +1", A::Wrap, "<FONT size=+1>",
             "</FONT>"),
        text(f, "sbFontMinus", 56, "F-", kArial8Red, "Font Size -1", A::Wrap, "<FONT size=-1>",
             "</FONT>"),
        text(f, "sbPre", 88, "PRE", kArial8Black, "Preformatted Text", A::Wrap, "<PRE>", "</PRE>"),
        text(f, "sbSup", 112, "SUP", kArial8Black, "Superscript", A::Wrap, "<SUP>", "</SUP>"),
        text(f, "sbSub", 136, "SUB", kArial8Black, "Subscript", A::Wrap, "<SUB>", "</SUB>"),
        text(f, "sbStrong", 168, "ST", kArial8BoldBlue, "Strong", A::Wrap, "<STRONG>",
             "</STRONG>"),
        text(f, "sbEmphasized", 192, "EM", kArial8BoldBlue, "Emphasized Text", A::Wrap, "<EM>",
             "</EM>"),
        text(f, "sbH1", 224, "H1", kSans8BoldRed, "Heading 1", A::Wrap, "<H1>", "</H1>"),
        text(f, "sbH2", 248, "H2", kSans8BoldRed, "Heading 2", A::Wrap, "<H2>", "</H2>"),
        text(f, "sbH3", 272, "H3", kSans8BoldRed, "Heading 3", A::Wrap, "<H3>", "</H3>"),
        text(f, "sbH4", 296, "H4", kSans8BoldRed, "Heading 4", A::Wrap, "<H4>", "</H4>"),
        text(f, "sbH5", 320, "H5", kSans8BoldRed, "Heading 5", A::Wrap, "<H5>", "</H5>"),
        text(f, "sbH6", 344, "H6", kSans8BoldRed, "Heading 6", A::Wrap, "<H6>", "</H6>"),
        small("sbKeybd", 376, 5, "KBD", "Keyboard Input Monospaced Font", "<KBD>", "</KBD>"),
        small("sbSample", 376, 19, "SAM", "Sample Text Monospaced Font", "<SAMP>", "</SAMP>"),
        small("sbCode", 400, 5, "CDE", "Computer Code Monospaced Font", "<CODE>", "</CODE>"),
        small("sbTypewriter", 400, 19, "TT", "Typewriter Text Monospaced Font", "<TT>", "</TT>"),

        picture(l, "sbOrderedList", 8, "list-ordered", "Ordered List", A::Later),
        picture(l, "sbUnorderedList", 40, "list-unordered", "Unordered List", A::Later),
        text(l, "sbLI", 80, "LI", kArialBlack10, "<LI> .. List Item", A::Insert, "<LI>"),
        text(l, "sbOL", 112, "OL", kArialBlack10, "<OL>..</OL>", A::Wrap, "<OL>", "</OL>"),
        text(l, "sbUL", 144, "UL", kArialBlack10, "<UL>..</UL>", A::Wrap, "<UL>", "</UL>"),
        picture(l, "sbDefinitionList", 184, "list-definition", "Definition List", A::Later),
        text(l, "sbDL", 216, "DL", kArialBlack10Maroon, "<DL>..</DL>", A::Wrap, "<DL>", "</DL>"),
        text(l, "sbDT", 248, "DT", kArialBlack10Maroon, "Defenition Term", A::Insert, "<DT>"),
        text(l, "sbDD", 280, "DD", kArialBlack10Maroon, "Definition Item", A::Insert, "<DD>"),
        text(l, "sbMnuList", 328, "Mnu", kSans8Red, "Menu List", A::Wrap, "<MENU>", "</MENU>"),
        text(l, "sbDirList", 360, "Dir", kSans8Red, "Directory List", A::Wrap, "<DIR>", "</DIR>"),

        picture(t, "sbTableWiz", 8, "table", "Table Wizard", A::Later),
        text(t, "sbTbl", 40, "TBL", kSans8BoldBlue, "<TABLE>..</TABLE>", A::Wrap, "<TABLE>",
             "</TABLE>"),
        text(t, "sbTH", 72, "TH", kSans8BoldBlue, "Table Header", A::Wrap, "<TH>", "</TH>"),
        text(t, "sbTR", 104, "TR", kSans8BoldBlue, "Table Row", A::Wrap, "<TR>", "</TR>"),
        text(t, "sbTD", 136, "TD", kSans8BoldBlue, "Table Data", A::Wrap, "<TD>", "</TD>"),
        text(t, "sbCA", 168, "CA", kSans8BoldBlue, "Table Caption", A::Wrap, "<CAPTION>",
             "</CAPTION>"),
        text(t, "sbWid", 216, "WID", kSans8, "width=", A::Insert, " width="),
        text(t, "sbHt", 248, "HT", kSans8, "height=", A::Insert, " height="),
        text(t, "sbBor", 280, "BOR", kSans8, "border=", A::Insert, " border="),
        text(t, "sbRSp", 312, "RSp", kSans8, "rowspan=", A::Insert, " rowspan="),
        text(t, "sbCSp", 344, "CSp", kSans8, "colspan=", A::Insert, " colspan="),
        text(t, "sbCes", 376, "CeS", kSans8, "cellspacing=", A::Insert, " cellspacing="),
        text(t, "sbCep", 408, "CeP", kSans8, "cellpadding=", A::Insert, " cellpadding="),

        // The frames sheet comes with its wizard; its buttons wait disabled until then.
        picture(fr, "sbFrameWizard", 8, "frames", "Frame Wizard", A::Later),
        text(fr, "sbFS", 40, "FS", kSans8BoldRed, "<FRAMESET>..</FRAMESET>", A::Later),
        text(fr, "sbFR", 64, "FR", kSans8BoldRed, "<FRAME>..</FRAME>", A::Later),
        text(fr, "sbNF", 88, "NF", kSans8BoldRed, "<NOFRAMES>..</NOFRAMES>", A::Later),
        text(fr, "sbFB", 120, "fb", kSans8Fuchsia, "frameborder=", A::Later),
        text(fr, "sbMW", 144, "mw", kSans8Fuchsia, "marginwidth=", A::Later),
        text(fr, "sbMH", 168, "mh", kSans8Fuchsia, "marginheight=", A::Later),
        picture(fr, "sbTarget", 200, "target", "Target", A::Later),

        picture(ad, "sbBGSound", 8, "sound", "Background Sound", A::Later),
        picture(ad, "sbMarquee", 184, "marquee", "Marquee", A::Later),
        picture(ad, "sbJavaScript", 216, "script", "Java Script", A::Later),
        picture(ad, "sbForm", 256, "form", "Form", A::Later),
        picture(ad, "sbFormInput", 280, "form-input", "Form Input", A::Later),
        picture(ad, "sbFormMenu", 304, "form-menu", "Form Menu", A::Later),
        picture(ad, "sbFormMnuItm", 328, "form-menu-item", "Menu Item", A::Later),
        {ad, "sbFormSubmit", 352, kTop, 25, kHeight, nullptr, kSans8, "form-submit",
         "Submit Button", A::Later, nullptr, nullptr},
        picture(ad, "sbFormReset", 376, "form-reset", "Reset Button", A::Later),
        picture(ad, "sbFormGButton", 400, "form-button", "Generic Button", A::Later),

        text(st, "CSS", 8, "CSS", kSans8BlueUnderline, "Link to an  external Style Sheet",
             A::Later),
        text(st, "sbStyle", 40, "STY", kSans8Blue, "<STYLE>..</STYLE>", A::Later),
        picture(st, "sbStyTypeClass", 72, "style-rule", "Create a Type or Class Definition",
                A::Later),
        text(st, "sbStyleDiv", 104, "DIV", kSans8Blue, "<DIV class=\"XXX\">..</DIV>", A::Later),
        text(st, "sbStyleSpan", 128, "SPN", kSans8Blue, "<SPAN class=\"XXX\">..</SPAN>",
             A::Later),
        text(st, "sbStyleParagraph", 152, "\u00B6", kCourier10Blue, "<P class=\"XXXX\">...</P>",
             A::Later),
        picture(st, "sbStyleLink", 184, "style-link", "Style Sheet Link", A::Later),
        picture(st, "sbStyImage", 208, "style-image", "Style Sheet Image", A::Later),
    };
}

std::vector<PopupItemDef> makePopupItems() {
    return {
        {"pmClear", "pmiClearLeft", "<BR clear=left>", "<BR clear=left>"},
        {"pmClear", "pmiClearRight", "<BR clear=right>", "<BR clear=right>"},
        {"pmClear", "pmiClearAll", "<BR clear=all>", "<BR clear=all>"},
        {"pmClear", "Cancel1", "Cancel", nullptr},
        {"pmAlign", "pmiALeft", "align=\"left\"", " align=\"left\""},
        {"pmAlign", "pmiACenter", "align=\"center\"", " align=\"center\""},
        {"pmAlign", "pmiARight", "align=\"right\"", " align=\"right\""},
        {"pmAlign", "pmiATop", "align=\"top\"", " align=\"top\""},
        {"pmAlign", "pmiAMiddle", "align=\"middle\"", " align=\"middle\""},
        {"pmAlign", "pmiABottom", "align=\"bottom\"", " align=\"bottom\""},
        {"pmAlign", "pmiVATop", "valign=\"top\"", " valign=\"top\""},
        {"pmAlign", "pmiVAMiddle", "valign=\"middle\"", " valign=\"middle\""},
        {"pmAlign", "pmiVABottom", "valign=\"bottom\"", " valign=\"bottom\""},
        // Typed into a BODY tag after its other attributes, hence no leading blank.
        {"pmAlign", "pmiBGProp", "bgproperties=\"fixed\"", "bgproperties=\"fixed\""},
        {"pmAlign", "pmiCancel", "Cancel", nullptr},
    };
}

}  // namespace

const std::vector<ToolButtonDef>& toolbarButtons() {
    static const std::vector<ToolButtonDef> buttons = makeButtons();
    return buttons;
}

const std::vector<PopupItemDef>& popupItems() {
    static const std::vector<PopupItemDef> items = makePopupItems();
    return items;
}

const ToolButtonDef* findToolButton(std::string_view name) {
    for (const auto& b : toolbarButtons())
        if (name == b.name) return &b;
    return nullptr;
}

const PopupItemDef* findPopupItem(std::string_view name) {
    for (const auto& item : popupItems())
        if (name == item.name) return &item;
    return nullptr;
}

void runFixedMarkup(EditorOps& ops, const ToolButtonDef& button) {
    switch (button.action) {
    case ToolAction::Insert: html1(ops, button.open); break;
    case ToolAction::Wrap: html2(ops, button.open, button.close); break;
    case ToolAction::Popup:
    case ToolAction::Later: break;
    }
}

void runPopupItem(EditorOps& ops, const PopupItemDef& item) {
    if (item.markup) html1(ops, item.markup);
}

ScreenPoint toolbarPopupPoint(ScreenPoint windowTopLeft, ScreenPoint buttonOnSheet,
                              ScreenPoint panelInTop) {
    return {windowTopLeft.x + buttonOnSheet.x + panelInTop.x + 5,
            windowTopLeft.y + buttonOnSheet.y + panelInTop.y + 90};
}

}  // namespace wrenfold
