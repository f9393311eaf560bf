#pragma once

class QCoreApplication;

namespace sylvane::ui {

// Loads Qt's own French translations, so that the standard dialogs and buttons speak
// French ("Oui", "Non", "Ouvrir", "Annuler"). Returns false when they are not installed
// (the package qt6-translations-l10n), in which case Qt's English texts stay.
bool installFrenchTranslations(QCoreApplication& application);

} // namespace sylvane::ui
