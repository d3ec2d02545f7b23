#pragma once
// Where the product can be reached: its web site (the launcher's web strip and
// the credits window) and its contact address (the about box).
#include <QString>

namespace vel {

inline QString ProductWebAddress() { return QStringLiteral("www.velmora.it"); }
inline QString ProductMailAddress() { return QStringLiteral("info@velmora.it"); }

}  // namespace vel
