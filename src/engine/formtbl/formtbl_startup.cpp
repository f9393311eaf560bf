// Start-up, the settings file, activation and closing of the main window.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/regularfile.h"
#include "core/settingsfile.h"
#include "core/settingslocation.h"
#include "core/textfile.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"
#include "keytable/tablefile.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {
const QString statusHint = u"clic droit pour copier dans le presse papier"_s;

// A settings number: the whole trimmed value must read as a number.
bool settingsNumber(const QString& value, double& number) {
    bool ok = false;
    number = core::trimBlanks(value).toDouble(&ok);
    return ok;
}

// A font size a window can take; anything else is a reading error like a non-number.
bool fontSizeNumber(const QString& value, double& points) {
    return settingsNumber(value, points) && points > 0 && points <= 2160;
}
} // namespace

void FormTbl::wireStartup() {
    menus.quit.onClick = [this] { Mnquit_Click(); };
    menus.makeDefaultFile.onClick = [this] { MnFDef_Click(); };
    menus.saveOptions.onClick = [this] { ini_sauve(); };
    menus.settingsItems.forEach([this](int index, MenuItem& item) {
        item.onClick = [this, index] { MnPrm_Click(index); };
    });
}

void FormTbl::Form_Load(const QString& commandLine) {
    auto& s = state();
    move(0, 0);
    Ini_Charge();
    if (!isEarlierBuild())
        statusBar.setCaption(statusHint);
    if (!commandLine.isEmpty()) {
        QString name = commandLine;
        if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
            name = name.sliced(1, name.size() - 2);
        // A table that cannot be loaded is refused with its reason, and the program starts
        // as it would without it.
        if (const std::optional<keytable::TableFile> file = tableToLoad(name)) {
            s.CurrentFile = name;
            Flash(Colour::Yellow, name + s.LineBreak + u" Chargé"_s + s.LineBreak, 2, 500, 500);
            load(*file);
            return;
        }
    }
    execute();
}

void FormTbl::Ini_Charge() {
    auto& s = state();
    s.DataFolder = s.AppFolder;
    s.SettingsFile = s.AppFolder + u"/Sylvane.ini"_s;
    const QString source =
        core::settingsFileToRead(keytable::resolvedPath(s, s.SettingsFile),
                                 keytable::resolvedPath(s, s.DefaultSettingsFile));
    if (!core::FileExists(source)) {
        platform().messageBox(u"le fichier "_s + s.SettingsFile + u" n'existe pas"_s +
                                  core::notRegularFileNote(source),
                              u"Sylvane"_s, core::MessageButtons::Ok);
        return;
    }
    core::TextFileReader reader;
    if (!reader.open(source))
        return;
    for (const core::SettingsItem& item : core::readSettingsItems(reader.lines())) {
        double number = 0;
        if (item.key == u"FICDEFAUT"_s) {
            if (core::FileExists(keytable::resolvedPath(s, item.value))) {
                s.CurrentFile = item.value;
                s.DataFolder = core::FolderOf(s.CurrentFile);
                keytable::moveCurrentFolder(s, s.DataFolder);
            }
        } else if (item.key == u"FNT"_s) {
            if (!fontSizeNumber(item.value, number))
                return; // a reading error ends the reading; what was read stays
            results.textPanel.setFontSize(number);
            identification.valueList.setFontSize(number);
        } else if (item.key == u"CHOIXMULT"_s && !isEarlierBuild()) {
            if (!settingsNumber(item.value, number))
                return;
            identification.multipleChoice.setValue(number == 1 ? 1 : 0);
        }
    }
}

void FormTbl::ini_sauve() {
    auto& s = state();
    // A folder with installed defaults is the user's own, made at the first save.
    if (!s.DefaultSettingsFile.isEmpty())
        QDir().mkpath(keytable::resolvedPath(s, s.AppFolder));
    keytable::moveCurrentFolder(s, s.AppFolder);
    const QString folder = core::FolderOf(s.CurrentFile);
    const std::optional<QStringList> lines = core::settingsLines(
        s.CurrentFile, folder, identification.multipleChoice.value(), !isEarlierBuild());
    if (!lines) {
        platform().messageBox(
            u"Les options n'ont pas été sauvées : le chemin "_s + s.CurrentFile +
                u" ne peut pas être écrit tel quel dans "_s + s.SettingsFile +
                u" (il contient une fin de ligne ou un caractère nul, commence ou finit par un blanc, ou mêle guillemets et virgules)."_s,
            u"Sylvane"_s, core::MessageButtons::Ok);
    } else if (core::writeSettingsFile(keytable::resolvedPath(s, s.SettingsFile), *lines)) {
        // A file that cannot be written is not reported, and the data folder stays as it was.
        s.DataFolder = folder;
    }
    // A relative data folder is taken from the program's folder, where the save moved.
    keytable::moveCurrentFolder(s, s.DataFolder);
}

void FormTbl::MnFDef_Click() {
    state().DataFolder = core::FolderOf(state().CurrentFile);
}

void FormTbl::MnPrm_Click(int index) {
    if (index == MenusPanel::DefaultFileItem)
        MnFDef_Click();
    else if (index == MenusPanel::SaveOptionsItem)
        ini_sauve();
}

// The cross-filter window is loaded, hidden, at the first activation, so that it follows
// the table from then on; while it is shown, an activation changes nothing more.
void FormTbl::Form_Activate() {
    windows_.loadCrossFilter();
    if (windows_.crossFilterVisible())
        return;
    auto& s = state();
    identification.foundCount.setCaption(QString());
    lookups.aboutPanel.setVisible(false);
    currentFile.setCaption(s.CurrentFile);
    if (isEarlierBuild()) {
        // The earlier build always comes back in multiple choice.
        identification.multipleChoice.setValue(1);
        showCopyHint();
    }
}

void FormTbl::Mnquit_Click() {
    windows_.closeMainWindow();
}

bool FormTbl::Form_QueryUnload() {
    const core::MessageAnswer answer = platform().messageBox(
        u"Voulez-vous vraiment quitter Sylvane ? "_s, caption(), core::MessageButtons::YesNo);
    windows_.closeCrossFilter();
    return answer == core::MessageAnswer::Yes;
}

void FormTbl::showCopyHint() {
    if (isEarlierBuild())
        statusBar.setCaption(u" Clic droit sur les fenêtre jaunes pour ciopier le texte"_s);
}

} // namespace sylvane::engine
