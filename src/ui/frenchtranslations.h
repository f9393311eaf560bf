#pragma once

class QCoreApplication;

namespace sylvane::ui {

// Loads Qt's own French translations, so that the standard dialogs and buttons speak
// French ("Oui", "Non", "Ouvrir", "Annuler"), with the few texts of the file dialog that
// Qt's catalogue lacks; French becomes the default locale. Returns false when Qt's
// translations are not installed (the package qt6-translations-l10n), in which case most
// of Qt's English texts stay.
bool installFrenchTranslations(QCoreApplication& application);

} // namespace sylvane::ui
