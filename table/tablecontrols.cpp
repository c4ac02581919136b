#include "table/tablecontrols.h"

#include "table/startup.h"

#include <QHash>

#define PIPFALL_CONTROL_POINTER(type, name, ...) AnyControl(&name),
#define PIPFALL_MEMBER_POINTER(array, index, ...) AnyControl(&array(index)),
TableControls::TableControls()
    : controls_{{PIPFALL_TABLE_CONTROLS(PIPFALL_CONTROL_POINTER, PIPFALL_MEMBER_POINTER)}} {
    loadStartUpState(*this);
}
#undef PIPFALL_CONTROL_POINTER
#undef PIPFALL_MEMBER_POINTER

std::optional<ControlId> controlNamed(QStringView name) {
    static const QHash<QString, ControlId> byName = [] {
        QHash<QString, ControlId> names;
        for (std::size_t i = 0; i < kTableControls.size(); ++i)
            names.insert(QString::fromLatin1(kTableControls[i].name), controlAt(i));
        return names;
    }();
    const auto it = byName.constFind(name.toString());
    return it != byName.constEnd() ? std::optional(*it) : std::nullopt;
}
