// The tag toolbar as data: every button of every sheet with its place, face, hint and command,
// and the items of the toolbar's popup menus. Plain C++, so the table can be checked headless.
#pragma once

#include <string_view>
#include <vector>

namespace wrenfold {

class EditorOps;

// What a click does. Insert is html1(open); Wrap is html2(open, close); Popup opens the menu
// named by `open`; Later marks a command whose dialog is not built yet (the button is disabled).
enum class ToolAction { Insert, Wrap, Popup, Later };

// Caption fonts as the toolbar names them; the widget layer maps them to installed families.
enum class CaptionFace { SansSerif, Arial, ArialBlack, Courier };

constexpr int kDefaultCaptionColor = -1;  // the palette's button text colour

struct CaptionFont {
    CaptionFace face = CaptionFace::SansSerif;
    int points = 8;
    bool bold = false;
    bool underline = false;
    int rgb = kDefaultCaptionColor;  // 0xRRGGBB
};

struct ToolButtonDef {
    const char* sheet;    // objectName of the sheet (tsStandard ...)
    const char* name;     // objectName of the button
    int left, top, width, height;
    const char* caption;  // nullptr: a picture button
    CaptionFont font;
    const char* icon;     // picture name in the :/toolbar/ resource (picture buttons only)
    const char* hint;     // tooltip; "\r\n" is a line break
    ToolAction action;
    const char* open;     // markup for Insert/Wrap, menu objectName for Popup
    const char* close;    // closing markup for Wrap
};

struct PopupItemDef {
    const char* menu;     // objectName of the menu (pmClear ...)
    const char* name;     // objectName of the item
    const char* caption;
    const char* markup;   // inserted with html1; nullptr for an item that only closes the menu
};

// All buttons, sheet by sheet, each sheet from left to right.
const std::vector<ToolButtonDef>& toolbarButtons();
// All popup items, menu by menu, each in menu order.
const std::vector<PopupItemDef>& popupItems();

const ToolButtonDef* findToolButton(std::string_view name);
const PopupItemDef* findPopupItem(std::string_view name);

// Makes the one html1/html2 call of a fixed-markup button (Insert or Wrap); other actions do
// nothing here.
void runFixedMarkup(EditorOps& ops, const ToolButtonDef& button);
// Makes the html1 call of a popup item; an item without markup does nothing.
void runPopupItem(EditorOps& ops, const PopupItemDef& item);

// Where a toolbar button opens its popup menu (the menu's top-left corner, screen pixels):
// the window's outer top-left, plus the button's place on its sheet, plus the toolbar panel's
// place in the top panel, plus a fixed offset that clears the tabs.
struct ScreenPoint {
    int x;
    int y;
};
ScreenPoint toolbarPopupPoint(ScreenPoint windowTopLeft, ScreenPoint buttonOnSheet,
                              ScreenPoint panelInTop);

}  // namespace wrenfold
