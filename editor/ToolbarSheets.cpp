// The tag toolbar's widgets, made from the toolbar table.
#include "editor/ToolbarSheets.h"

#include "platform/ui/ErrorHandler.h"

#include <QAction>
#include <QColor>
#include <QIcon>
#include <QMenu>
#include <QPalette>
#include <QRect>
#include <QToolButton>
#include <QWidget>
#include <map>

// The icons live in a static library, whose resource initialiser the linker would drop.
static void initToolbarResources() { Q_INIT_RESOURCE(toolbar); }

namespace wrenfold {

namespace {

// The caption fonts are Windows families; map them to the nearest ones Linux systems ship.
void installFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitutions("MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans",
                                                     "Arimo", "Nimbus Sans", "DejaVu Sans"});
        QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "Nimbus Sans",
                                             "DejaVu Sans"});
        QFont::insertSubstitutions("Arial Black", {"Archivo Black", "DejaVu Sans", "Nimbus Sans",
                                                   "Liberation Sans"});
        QFont::insertSubstitutions("Courier", {"Courier New", "Liberation Mono", "Cousine",
                                               "Nimbus Mono PS", "DejaVu Sans Mono"});
        return true;
    }();
    (void)installed;
}

void setCaptionColor(QToolButton& button, int rgb) {
    if (rgb == kDefaultCaptionColor) return;
    QPalette palette = button.palette();
    const QColor color(QRgb(static_cast<unsigned>(rgb)));
    // A disabled button keeps the palette's grey so it still reads as disabled.
    palette.setColor(QPalette::Active, QPalette::ButtonText, color);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, color);
    button.setPalette(palette);
}

void showFace(QToolButton& button, const ToolButtonDef& def) {
    if (def.caption) {
        button.setText(QString::fromUtf8(def.caption));
        button.setFont(captionFont(def.font));
        setCaptionColor(button, def.font.rgb);
        button.setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
        button.setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(def.icon))));
        button.setIconSize(QSize(16, 16));
        button.setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}

QMenu* buildMenu(const TagToolbarParts& parts, const char* name) {
    auto* menu = new QMenu(parts.window);
    menu->setObjectName(name);
    for (const PopupItemDef& item : popupItems()) {
        if (std::string_view(item.menu) != name) continue;
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(item.name);
        const auto activeEditor = parts.activeEditor;
        QObject::connect(action, &QAction::triggered, menu, [activeEditor, &item] {
            wf::runGuarded([&] {
                if (EditorOps* ops = activeEditor()) runPopupItem(*ops, item);
            });
        });
    }
    return menu;
}

void wire(const TagToolbarParts& parts, QToolButton* button, const ToolButtonDef& def,
          QMenu* menu) {
    const auto activeEditor = parts.activeEditor;
    switch (def.action) {
    case ToolAction::Insert:
    case ToolAction::Wrap:
        QObject::connect(button, &QToolButton::clicked, button, [activeEditor, &def] {
            wf::runGuarded([&] {
                if (EditorOps* ops = activeEditor()) runFixedMarkup(*ops, def);
            });
        });
        break;
    case ToolAction::Popup: {
        if (!menu) {
            button->setEnabled(false);
            break;
        }
        QWidget* window = parts.window;
        QWidget* panel = parts.pnlToolBar;
        QObject::connect(button, &QToolButton::clicked, button, [=] {
            execToolbarPopup(*menu, *window, *button, *panel);
        });
        break;
    }
    case ToolAction::Later: button->setEnabled(false); break;
    }
}

}  // namespace

QFont captionFont(const CaptionFont& font) {
    installFontSubstitutes();
    QFont f;
    switch (font.face) {
    case CaptionFace::SansSerif:
        f.setFamily("MS Sans Serif");
        f.setStyleHint(QFont::SansSerif);
        break;
    case CaptionFace::Arial:
        f.setFamily("Arial");
        f.setStyleHint(QFont::SansSerif);
        break;
    case CaptionFace::ArialBlack:
        f.setFamily("Arial Black");
        f.setStyleHint(QFont::SansSerif);
        break;
    case CaptionFace::Courier:
        f.setFamily("Courier");
        f.setStyleHint(QFont::TypeWriter);
        break;
    }
    f.setPointSize(font.points);
    // A substitute for Arial Black is a regular family: ask it for its heaviest weight.
    if (font.face == CaptionFace::ArialBlack)
        f.setWeight(QFont::Black);
    else
        f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

QString tooltipFromHint(const char* hint) {
    return QString::fromUtf8(hint).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QPoint toolbarPopupPosition(const QWidget& window, const QWidget& button,
                            const QWidget& pnlToolBar) {
    const QPoint w = window.frameGeometry().topLeft();
    const ScreenPoint p = toolbarPopupPoint({w.x(), w.y()}, {button.x(), button.y()},
                                            {pnlToolBar.x(), pnlToolBar.y()});
    return {p.x, p.y};
}

QAction* execToolbarPopup(QMenu& menu, const QWidget& window, const QWidget& button,
                          const QWidget& pnlToolBar) {
    return menu.exec(toolbarPopupPosition(window, button, pnlToolBar));
}

TagToolbar buildTagToolbar(const TagToolbarParts& parts) {
    initToolbarResources();
    TagToolbar toolbar;
    std::map<std::string, QMenu*> menus;
    for (const PopupItemDef& item : popupItems()) {
        if (menus.count(item.menu)) continue;
        QMenu* menu = buildMenu(parts, item.menu);
        menus[item.menu] = menu;
        toolbar.menus.push_back(menu);
    }
    for (const ToolButtonDef& def : toolbarButtons()) {
        auto* sheet = parts.window->findChild<QWidget*>(def.sheet);
        if (!sheet) continue;
        QToolButton* button =
            parts.makeButton(sheet, def.name, QRect(def.left, def.top, def.width, def.height),
                             tooltipFromHint(def.hint));
        showFace(*button, def);
        const auto menu = def.action == ToolAction::Popup ? menus.find(def.open) : menus.end();
        wire(parts, button, def, menu != menus.end() ? menu->second : nullptr);
        toolbar.buttons.push_back(button);
    }
    return toolbar;
}

}  // namespace wrenfold
