// The windows' fonts by their design names, mapped to fonts this system has.
#pragma once

#include <QFont>

namespace rotalo::ui {

// Maps the design's font names onto metric-compatible or plain sans fonts.
void InstallFontSubstitutes();

QFont DesignFont(const char* family, double points, bool bold);

}  // namespace rotalo::ui
