// The windows speak the desktop's language where Rotalo has a translation
// for it, and English, the language they are written in, otherwise.
#pragma once

#include <QStringList>

namespace rotalo::ui {

// Loads the translation for the first of `languages` (in order of the
// user's preference, as QLocale::uiLanguages() gives them: "de-DE", "fr"...)
// that Rotalo speaks, together with Qt's own for its standard buttons, and
// installs them in the application. English, or a list with no language
// Rotalo speaks, installs nothing. Returns the language taken ("de", "fr",
// "es") or "" for English. Translations installed by an earlier call are
// removed first.
QString InstallTranslations(const QStringList& languages);

}  // namespace rotalo::ui
