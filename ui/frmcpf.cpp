#include "ui/frmcpf.h"

#include "ui/accessibility.h"
#include "ui/widgetbuilder.h"
#include "ui/widgets.h"

#include <QImageReader>
#include <QMenuBar>
#include <QTimer>

QImage logoPicture(bool sharp) {
    // The built-in readers, named: looking for a plugin would load every one there is.
    QImageReader reader(sharp ? QStringLiteral(":/pictures/logo@2x.png")
                              : QStringLiteral(":/pictures/logo.bmp"),
                        sharp ? "png" : "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

FrmCPF::FrmCPF(Platform& platform, QWidget* parent) : QMainWindow(parent), table_(platform) {
    setObjectName(QStringLiteral("frmCPF"));
    setWindowTitle(QStringLiteral("PIPFALL"));
    buildMenus();
    buildWidgets();
    TableControls& w = table_.controls();
    w.mnurules.Click.bind([this] { emit rulesRequested(); });
    w.mnuCG.Click.bind([this] { emit computerGameRequested(); });
    w.mnuexit.Click.bind([this] { close(); });
}

FrmCPF::~FrmCPF() {
    // The widgets show the table's controls: they go before the table does.
    delete centralWidget();
}

// Each menu command shows its menu item: caption, enabled state and check mark. Choosing it
// is the item's click; the check mark stays as the item holds it, for the handler to change.
void FrmCPF::buildMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : kTableMenus) {
        const QString name = QString::fromLatin1(row.name);
        auto& item = static_cast<MenuItem&>(*table_.controls().byName(name));
        QAction* action = nullptr;
        if (row.menu == nullptr) {
            QMenu* menu = menuBar()->addMenu(item.caption());
            menu->setObjectName(name);
            menu->setFont(menuFont());
            menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = menus.value(QString::fromLatin1(row.menu))->addAction(item.caption());
            connect(action, &QAction::triggered, this, [action, &item] {
                action->setChecked(item.checked());
                item.Click.raise();
            });
        }
        action->setObjectName(name);
        auto sync = [action, &item] {
            action->setEnabled(item.enabled());
            action->setCheckable(item.checked()); // an unchecked item shows no box
            action->setChecked(item.checked());
        };
        sync();
        item.observe(sync);
        actions_.insert(name, action);
    }
}

void FrmCPF::buildWidgets() {
    auto* client = makeClientArea(this, QColor(0, 0, 255), kTableWidthTwips, kTableHeightTwips);
    TableControls& controls = table_.controls();
    Platform& platform = table_.platform();
    const WidgetSource source{
        [&controls](const WidgetRow& row) -> Control& {
            return *controls.byName(QString::fromLatin1(row.name));
        },
        [&platform](const QString& name, bool sharp) {
            if (name == u"logo")
                return logoPicture(sharp);
            return sharp ? platform.pictures.loadSharp(name) : QImage();
        },
    };
    byName_ = buildWidgetRows(kTableWidgets, client, kTableWidthTwips, kTableHeightTwips, source);
    setTabOrderByName(kTableTabOrder, byName_);
    announcer_ = new Announcer(byName_, client);
    for (QWidget* widget : std::as_const(byName_)) {
        if (auto* label = qobject_cast<LabelView*>(widget))
            connect(label, &LabelView::changed, this, &FrmCPF::settleLater);
    }
}

void FrmCPF::settleLater() {
    if (settling_)
        return;
    settling_ = true;
    QTimer::singleShot(0, this, &FrmCPF::settle);
}

void FrmCPF::settle() {
    settling_ = false;
    announcer_->announce();
}
