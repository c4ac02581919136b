#include "table/texts.h"

#include <utility>

std::optional<QString> textNamed(QStringView name) {
#define PIPFALL_TEXT_ENTRY(textName, value) std::pair{QLatin1String(#textName), &text::textName},
    static const std::array entries = {PIPFALL_TEXTS(PIPFALL_TEXT_ENTRY)};
#undef PIPFALL_TEXT_ENTRY
    for (const auto& [entryName, value] : entries) {
        if (name == entryName)
            return *value;
    }
    return std::nullopt;
}
