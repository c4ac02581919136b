#include "ui/frmcpf.h"

#include "ui/tabledrawing.h"
#include "ui/widgetbuilder.h"

#include <QMenuBar>

namespace {

template <class W> W* as(const QHash<QString, QWidget*>& byName, const QString& name) {
    auto* widget = qobject_cast<W*>(byName.value(name));
    Q_ASSERT_X(widget != nullptr, "FrmCPF", qPrintable(name));
    return widget;
}

template <class W>
ControlArray<W> array(const QHash<QString, QWidget*>& byName, const char* name, int first,
                      int last) {
    std::vector<W*> members;
    for (int i = first; i <= last; ++i)
        members.push_back(as<W>(byName, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i)));
    return ControlArray<W>(first, std::move(members));
}

} // namespace

QPixmap logoPixmap(qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(QStringLiteral(":/pictures/logo@2x.png"));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return QPixmap(QStringLiteral(":/pictures/logo.bmp"));
}

FrmCPF::FrmCPF(Platform& platform, QWidget* parent) : QMainWindow(parent), table_(w, platform) {
    setObjectName(QStringLiteral("frmCPF"));
    setWindowTitle(QStringLiteral("PIPFALL"));
    buildMenus();
    buildWidgets();
    bindWidgets();
    connectHandlers();
    table_.Form_Load();
}

FrmCPF::~FrmCPF() = default;

void FrmCPF::buildMenus() {
    QHash<QString, std::pair<QMenu*, MenuItem*>> topLevel;
    for (const MenuRow& row : kTableMenus) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        MenuItem* item = nullptr;
        if (row.menu == nullptr) {
            QMenu* menu = menuBar()->addMenu(caption);
            menu->setObjectName(name);
            item = new MenuItem(menu->menuAction(), nullptr, this);
            topLevel.insert(name, {menu, item});
        } else {
            const auto& [menu, menuItem] = topLevel.value(QString::fromLatin1(row.menu));
            QAction* action = menu->addAction(caption);
            action->setObjectName(name);
            item = new MenuItem(action, menuItem, this);
            if (row.checked)
                item->setChecked(true);
        }
        item->setObjectName(name);
        menus_.emplace_back(name, item);
    }
}

void FrmCPF::buildWidgets() {
    client_ = makeClientArea(this, QColor(0, 0, 255), kTableWidthTwips, kTableHeightTwips);
    byName_ =
        buildWidgetRows(kTableWidgets, client_, kTableWidthTwips, kTableHeightTwips, &drawing_);

    for (const WidgetRow& row : kTableWidgets) {
        if (row.kind != Kind::Shape && row.kind != Kind::Line) {
            const QString name = QString::fromLatin1(row.name);
            named_.push_back({name, row.kind, byName_.value(name)});
        }
    }
    for (const UpDownRow& row : kTableUpDowns) {
        auto* upDown = as<UpDown>(byName_, QString::fromLatin1(row.name));
        upDown->setRange(row.minimum, row.maximum, row.step);
        upDown->setBuddy(as<TextBox>(byName_, QString::fromLatin1(row.buddy)));
    }
    setTabOrderByName(kTableTabOrder, byName_);
}

MenuItem* FrmCPF::menuItem(const QString& name) const {
    for (const auto& [itemName, item] : menus_) {
        if (itemName == name)
            return item;
    }
    return nullptr;
}

void FrmCPF::bindWidgets() {
    const auto& n = byName_;
    w.cmdRoll = as<Button>(n, QStringLiteral("cmdRoll"));
    w.cmdOneRoll = as<Button>(n, QStringLiteral("cmdOneRoll"));
    w.cmdEnterOR = as<Button>(n, QStringLiteral("cmdEnterOR"));
    w.cmdCancelOR = as<Button>(n, QStringLiteral("cmdCancelOR"));
    w.cmdokabout = as<Button>(n, QStringLiteral("cmdokabout"));
    w.lblBankroll = as<Label>(n, QStringLiteral("lblBankroll"));
    w.lblpoint = as<Label>(n, QStringLiteral("lblpoint"));
    w.lblbetresult = as<Label>(n, QStringLiteral("lblbetresult"));
    w.lblinfo = as<Label>(n, QStringLiteral("lblinfo"));
    w.lblrebet = as<Label>(n, QStringLiteral("lblrebet"));
    w.lblgameover = as<Label>(n, QStringLiteral("lblgameover"));
    w.lblORinfo = as<Label>(n, QStringLiteral("lblORinfo"));
    w.lblORoll = as<Label>(n, QStringLiteral("lblORoll"));
    w.lblabout = as<Label>(n, QStringLiteral("lblabout"));
    w.lblodds = array<Label>(n, "lblodds", 2, 5);
    w.lblcout = array<Label>(n, "lblcout", 4, 4);
    w.lblOR = array<Label>(n, "lblOR", 1, 6);
    w.lblOneRoll = array<Label>(n, "lblOneRoll", 1, 6);
    w.txtBet = as<TextBox>(n, QStringLiteral("txtBet"));
    w.txtOneRoll = array<TextBox>(n, "txtOneRoll", 1, 6);
    w.udBet = as<UpDown>(n, QStringLiteral("udBet"));
    w.udOneRoll = array<UpDown>(n, "udOneRoll", 1, 6);
    w.picdie = as<PictureBox>(n, QStringLiteral("picdie"));
    w.pblogo = as<PictureBox>(n, QStringLiteral("pblogo"));
    w.pblogo->setPicture(logoPixmap(1.0), QStringLiteral("logo"), logoPixmap(2.0));

    w.mnuOptions = menuItem(QStringLiteral("mnuOptions"));
    w.mnuAuto = menuItem(QStringLiteral("mnuAuto"));
    w.mnumax = menuItem(QStringLiteral("mnumax"));
    w.mnuMin = menuItem(QStringLiteral("mnuMin"));
    w.mnuexit = menuItem(QStringLiteral("mnuexit"));
    w.mnubankroll = menuItem(QStringLiteral("mnubankroll"));
    w.mnu20 = menuItem(QStringLiteral("mnu20"));
    w.mnu100 = menuItem(QStringLiteral("mnu100"));
    w.mnu1000 = menuItem(QStringLiteral("mnu1000"));
    w.mnu5000 = menuItem(QStringLiteral("mnu5000"));
    w.mnuhelp = menuItem(QStringLiteral("mnuhelp"));
    w.mnurules = menuItem(QStringLiteral("mnurules"));
    w.mnuCG = menuItem(QStringLiteral("mnuCG"));
    w.mnuabout = menuItem(QStringLiteral("mnuabout"));
}

void FrmCPF::connectHandlers() {
    Table* t = &table_;
    connect(w.cmdRoll, &Button::clicked, this, [t] { t->cmdRoll_Click(); });
    connect(w.udBet, &UpDown::changed, this, [t] { t->udBet_Change(); });
    connect(w.mnumax, &MenuItem::clicked, this, [t] { t->mnumax_Click(); });
    connect(w.mnuMin, &MenuItem::clicked, this, [t] { t->mnuMin_Click(); });
    connect(w.mnuAuto, &MenuItem::clicked, this, [t] { t->mnuAuto_Click(); });
    connect(w.mnu20, &MenuItem::clicked, this, [t] { t->mnu20_Click(); });
    connect(w.mnu100, &MenuItem::clicked, this, [t] { t->mnu100_Click(); });
    connect(w.mnu1000, &MenuItem::clicked, this, [t] { t->mnu1000_Click(); });
    connect(w.mnu5000, &MenuItem::clicked, this, [t] { t->mnu5000_Click(); });
    connect(w.cmdOneRoll, &Button::clicked, this, [t] { t->cmdOneRoll_Click(); });
    connect(w.cmdEnterOR, &Button::clicked, this, [t] { t->cmdEnterOR_Click(); });
    connect(w.cmdCancelOR, &Button::clicked, this, [t] { t->cmdCancelOR_Click(); });
    for (int i = 1; i <= 6; ++i) {
        connect(w.udOneRoll(i), &UpDown::changed, this, [t, i] { t->udOneRoll_Change(i); });
        connect(w.txtOneRoll(i), &TextBox::changed, this, [t, i] { t->txtOneRoll_Change(i); });
        connect(w.lblOR(i), &Label::clicked, this, [t, i] { t->lblOR_Click(i); });
    }
    connect(w.mnuabout, &MenuItem::clicked, this, [this] { mnuabout_Click(); });
    connect(w.cmdokabout, &Button::clicked, this, [this] { cmdokabout_Click(); });
    connect(w.mnurules, &MenuItem::clicked, this, &FrmCPF::rulesRequested);
    connect(w.mnuCG, &MenuItem::clicked, this, &FrmCPF::computerGameRequested);
    connect(w.mnuexit, &MenuItem::clicked, this, &QWidget::close);
}

void FrmCPF::mnuabout_Click() {
    w.pblogo->setVisible(false);
    w.lblabout->setVisible(true);
    w.cmdokabout->setVisible(true);
}

void FrmCPF::cmdokabout_Click() {
    w.cmdokabout->setVisible(false);
    w.lblabout->setVisible(false);
    w.pblogo->setVisible(true);
}
