#pragma once

#include "table/table.h"
#include "table/tablewidgets.h"
#include "ui/widgettable.h"

#include <QHash>
#include <QMainWindow>

#include <vector>

class TableDrawing;

// A named widget of the table window, in the order the window stores them.
struct NamedWidget {
    QString name;
    Kind kind;
    QWidget* widget;
};

// The table window: built from the widget table, with its menus, its drawing and the
// handlers of the about panel; the game's handlers belong to its Table.
class FrmCPF : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmCPF(Platform& platform, QWidget* parent = nullptr);
    ~FrmCPF() override;

    Table& table() { return table_; }
    const TableWidgets& widgets() const { return w; }

    // Every named widget that has run-time properties (labels, buttons, text boxes, picture
    // boxes and up-downs), in the order of the widget table, and every menu item.
    const std::vector<NamedWidget>& namedWidgets() const { return named_; }
    const std::vector<std::pair<QString, MenuItem*>>& menuItems() const { return menus_; }
    QWidget* widget(const QString& name) const { return byName_.value(name); }
    MenuItem* menuItem(const QString& name) const;

    // The about panel.
    void mnuabout_Click();
    void cmdokabout_Click();

signals:
    // Help, Rules and Help, Computer Game: the application opens those windows.
    void rulesRequested();
    void computerGameRequested();

private:
    void buildWidgets();
    void buildMenus();
    void bindWidgets();
    void connectHandlers();

    TableWidgets w;
    Table table_;
    QWidget* client_ = nullptr;
    TableDrawing* drawing_ = nullptr;
    std::vector<NamedWidget> named_;
    std::vector<std::pair<QString, MenuItem*>> menus_;
    QHash<QString, QWidget*> byName_;
};

// The product logo, drawn crisp for the given device pixel ratio. The table and the Help
// windows hold it at both ratios and show the one that fits the screen they are on.
QPixmap logoPixmap(qreal devicePixelRatio);
