#include "table/tablecontrols.h"

namespace {

QColor rowColour(std::int32_t rgb, QColor fallback) {
    return rgb == kDefaultColour ? fallback : QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

void loadStartUpState(const WidgetRow& row, Control& control) {
    control.setVisible(row.flags & Visible);
    control.setEnabled(row.flags & Enabled);
    switch (row.kind) {
    case Kind::Label: {
        auto& label = static_cast<Label&>(control);
        label.setCaption(row.caption);
        label.setFont({QString::fromLatin1(row.font.face), row.font.size, row.font.bold});
        label.setBackColor(rowColour(row.back, QColor(192, 192, 192)));
        label.setForeColor(rowColour(row.fore, Qt::black));
        break;
    }
    case Kind::Button:
        static_cast<Button&>(control).setCaption(row.caption);
        break;
    case Kind::TextBox:
        static_cast<TextBox&>(control).setText(row.caption);
        break;
    case Kind::PictureBox:
        if (qstrcmp(row.name, "pblogo") == 0)
            static_cast<PictureBox&>(control).setPicture(QImage(), QStringLiteral("logo"));
        break;
    default:
        break;
    }
}

std::unique_ptr<Control> makeControl(const WidgetRow& row) {
    std::unique_ptr<Control> control;
    switch (row.kind) {
    case Kind::Label:
        control = std::make_unique<Label>();
        break;
    case Kind::Button:
        control = std::make_unique<Button>();
        break;
    case Kind::TextBox:
        control = std::make_unique<TextBox>();
        break;
    case Kind::UpDown:
        control = std::make_unique<UpDown>();
        break;
    case Kind::PictureBox:
        control = std::make_unique<PictureBox>();
        break;
    default:
        control = std::make_unique<Control>();
        break;
    }
    loadStartUpState(row, *control);
    return control;
}

TableControls::TableControls() {
    QHash<QString, std::pair<Kind, Control*>> controls;
    auto add = [&controls](const char* name, Kind kind, Control& control) {
        controls.insert(QString::fromLatin1(name), {kind, &control});
    };
    auto addArray = [&controls](const char* name, Kind kind, auto& array) {
        for (int i = array.first; i <= array.last; ++i)
            controls.insert(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i),
                            {kind, &array(i)});
    };
    add("cmdRoll", Kind::Button, cmdRoll);
    add("cmdOneRoll", Kind::Button, cmdOneRoll);
    add("cmdEnterOR", Kind::Button, cmdEnterOR);
    add("cmdCancelOR", Kind::Button, cmdCancelOR);
    add("cmdokabout", Kind::Button, cmdokabout);
    add("lblBankroll", Kind::Label, lblBankroll);
    add("lblpoint", Kind::Label, lblpoint);
    add("lblbetresult", Kind::Label, lblbetresult);
    add("lblinfo", Kind::Label, lblinfo);
    add("lblrebet", Kind::Label, lblrebet);
    add("lblgameover", Kind::Label, lblgameover);
    add("lblORinfo", Kind::Label, lblORinfo);
    add("lblORoll", Kind::Label, lblORoll);
    add("lblabout", Kind::Label, lblabout);
    add("Label2", Kind::Label, Label2);
    add("Label3", Kind::Label, Label3);
    add("Label5", Kind::Label, Label5);
    add("Label6", Kind::Label, Label6);
    add("Label7", Kind::Label, Label7);
    addArray("lblodds", Kind::Label, lblodds);
    addArray("lblcout", Kind::Label, lblcout);
    addArray("lblOR", Kind::Label, lblOR);
    addArray("lblOneRoll", Kind::Label, lblOneRoll);
    add("txtBet", Kind::TextBox, txtBet);
    addArray("txtOneRoll", Kind::TextBox, txtOneRoll);
    add("udBet", Kind::UpDown, udBet);
    addArray("udOneRoll", Kind::UpDown, udOneRoll);
    add("picdie", Kind::PictureBox, picdie);
    add("pblogo", Kind::PictureBox, pblogo);

    for (const WidgetRow& row : kTableWidgets) {
        if (row.kind == Kind::Shape || row.kind == Kind::Line)
            continue;
        const QString name = QString::fromLatin1(row.name);
        const auto [kind, control] = controls.value(name);
        Q_ASSERT_X(control != nullptr && kind == row.kind, "TableControls", row.name);
        loadStartUpState(row, *control);
        index_.insert(name, named_.size());
        named_.push_back({name, kind, control});
    }
    for (const UpDownRow& row : kTableUpDowns) {
        auto* upDown = static_cast<UpDown*>(byName(QString::fromLatin1(row.name)));
        upDown->setRange(row.minimum, row.maximum, row.step);
        upDown->setBuddy(static_cast<TextBox*>(byName(QString::fromLatin1(row.buddy))));
    }

    add("mnuOptions", Kind::Menu, mnuOptions);
    add("mnuAuto", Kind::Menu, mnuAuto);
    add("mnumax", Kind::Menu, mnumax);
    add("mnuMin", Kind::Menu, mnuMin);
    add("mnuexit", Kind::Menu, mnuexit);
    add("mnubankroll", Kind::Menu, mnubankroll);
    add("mnu20", Kind::Menu, mnu20);
    add("mnu100", Kind::Menu, mnu100);
    add("mnu1000", Kind::Menu, mnu1000);
    add("mnu5000", Kind::Menu, mnu5000);
    add("mnuhelp", Kind::Menu, mnuhelp);
    add("mnurules", Kind::Menu, mnurules);
    add("mnuCG", Kind::Menu, mnuCG);
    add("mnuabout", Kind::Menu, mnuabout);
    for (const MenuRow& row : kTableMenus) {
        const QString name = QString::fromLatin1(row.name);
        auto* item = static_cast<MenuItem*>(controls.value(name).second);
        Q_ASSERT_X(item != nullptr, "TableControls", row.name);
        item->setCaption(row.caption);
        item->setVisible(true);
        item->setEnabled(true);
        item->setChecked(row.checked);
        if (row.menu != nullptr)
            item->setMenu(static_cast<MenuItem*>(controls.value(QLatin1String(row.menu)).second));
        index_.insert(name, named_.size());
        named_.push_back({name, Kind::Menu, item});
    }
}

const NamedControl* TableControls::find(const QString& name) const {
    const auto it = index_.constFind(name);
    return it != index_.constEnd() ? &named_[*it] : nullptr;
}

Control* TableControls::byName(const QString& name) const {
    const NamedControl* named = find(name);
    return named != nullptr ? named->control : nullptr;
}
