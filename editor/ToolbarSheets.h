// Builds the tag toolbar from its table: the buttons on their sheets, the popup menus, and the
// clicks that insert markup into the active document.
#pragma once

#include "editor/ToolbarTable.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QRect;
class QToolButton;
class QWidget;

namespace wrenfold {

class EditorOps;

// Makes one flat speed button on sheet: the window's own factory, so every toolbar button
// looks and behaves alike.
using SpeedButtonFactory = std::function<QToolButton*(QWidget* sheet, const QString& objectName,
                                                      const QRect& geometry, const QString& hint)>;

struct TagToolbarParts {
    QWidget* window = nullptr;      // the main window; owns the popup menus, holds the sheets
    QWidget* pnlToolBar = nullptr;  // the panel the toolbar stands in
    SpeedButtonFactory makeButton;
    std::function<EditorOps*()> activeEditor;  // where the markup goes (null: nowhere)
};

struct TagToolbar {
    std::vector<QToolButton*> buttons;  // in table order
    std::vector<QMenu*> menus;
};

// Creates every button and popup menu of the tables. Buttons whose command comes later are
// disabled; the others are wired to their markup or menu.
TagToolbar buildTagToolbar(const TagToolbarParts& parts);

// The caption font of a button, with family substitutes for systems that lack it.
QFont captionFont(const CaptionFont& font);

// A hint with "\r\n" line breaks as tooltip text.
QString tooltipFromHint(const char* hint);

// Where a toolbar button opens its popup menu, in screen pixels: from the window's outer
// position, the button's place on its sheet and the toolbar panel's place in its parent.
QPoint toolbarPopupPosition(const QWidget& window, const QWidget& button,
                            const QWidget& pnlToolBar);
// Opens menu there and waits for the choice (the chosen action, or null).
QAction* execToolbarPopup(QMenu& menu, const QWidget& window, const QWidget& button,
                          const QWidget& pnlToolBar);

}  // namespace wrenfold
