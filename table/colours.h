#pragma once

#include <QColor>

// The colours the handlers paint the table with.
namespace colour {
inline const QColor Blue{0, 0, 255};
inline const QColor PaleBlue{192, 192, 255};
inline const QColor LavenderBlue{128, 128, 255};
inline const QColor Green{0, 255, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Orange{255, 128, 0};
inline const QColor DarkOrange{192, 64, 0};
// The face of buttons and arrows, and a label's back until it is given another.
inline const QColor Grey{192, 192, 192};
} // namespace colour
