// The external lookups of the main window: the web lookup buttons, the text editor on
// the current file, the user manual and the About panel.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "engine/weblookups.h"
#include "keytable/currentfolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

const QString creditLine =
    u"Sylvane — clé d'identification multi-accès, développée par l'équipe Sylvane, 2019-2023"_s;

// Replaces the first occurrence of c in text by a blank.
void blankFirst(QString& text, QChar c) {
    const qsizetype at = text.indexOf(c);
    if (at >= 0)
        text[at] = u' ';
}

} // namespace

void LookupsPanel::wire() {
    webLookups(3).setCaption(QString::fromUtf16(weblookups::BibliographyCaption));
    webLookups(6).setCaption(QString::fromUtf16(weblookups::WebsiteCaption));
    if (form_.isEarlierBuild()) {
        // The earlier build's row: the database and the website searches sit under 2 and
        // 7; "Doc", "INPN-2" and "INPN_1" are the buttons without action.
        webLookups(2).setCaption(QString::fromUtf16(weblookups::DatabaseCaption));
        webLookups(7).setCaption(QString::fromUtf16(weblookups::WebsiteCaption));
        webLookups(4).setCaption(u"Doc"_s);
        webLookups(6).setCaption(u"INPN-2"_s);
    }
    webLookups.forEach([this](int index, Button& button) {
        button.onClick = [this, index] { Command6_Click(index); };
    });
    form_.menus.editCurrentFile.onClick = [this] { Notepad(); };
    editFile.onClick = [this] { Notepad(); };
    form_.menus.documentation.onClick = [this] { NavDoc_Click(); };
    form_.menus.showAbout.onClick = [this] { MnApropos_Click(); };
    aboutButtons.forEach([this](int index, Button& button) {
        button.onClick = [this, index] { Bout_Click(index); };
    });
}

void LookupsPanel::Command6_Click(int index) {
    if (form_.isEarlierBuild()) {
        earlierLookup(index);
        return;
    }
    switch (index) {
    case 0:
        ShellExW(weblookups::imageSearchPrefix() + u' ' + form_.results.heading.caption());
        break;
    case 1:
        Doc_Compose_chaine();
        ShellExW(weblookups::databaseQuickSearchPrefix() + searchName.caption());
        break;
    case 2:
        // Announces a documentation search; the wait pointer stays until another command
        // sets the pointer again.
        Doc_Compose_chaine();
        form_.platform().setBusyCursor(true);
        form_.statusBar.setCaption(u" recherche de la documentation,  patientez ..."_s);
        break;
    case 3:
        Doc_Compose_chaine();
        break;
    case 6:
        // The website search opens without asking for the connection.
        Doc_Compose_chaine();
        ShellEx(weblookups::websiteSearchPrefix() + searchName.caption() +
                weblookups::websiteSearchSuffix());
        break;
    case 7:
        Doc_Compose_chaine();
        ShellExW(weblookups::inventoryPrefix() + searchName.caption() +
                 weblookups::inventorySearchSuffix());
        break;
    default:
        break;
    }
}

QString LookupsPanel::NomFich(const QString& filename) {
    const qsizetype cut = std::max(filename.lastIndexOf(u'\\'), filename.lastIndexOf(u'/'));
    if (cut < 0)
        return filename;
    return core::FileExists(keytable::resolvedPath(form_.state(), filename))
               ? filename.sliced(cut + 1)
               : QString();
}

QString LookupsPanel::Extrc_Nom_genre(QString& chn) {
    blankFirst(chn, u'_');
    blankFirst(chn, u'-');
    blankFirst(chn, u'.');
    // A text with no blank left is a genus name by itself.
    const qsizetype blank = chn.indexOf(u' ');
    return core::trimBlanks(blank < 0 ? QStringView(chn) : QStringView(chn).first(blank));
}

void LookupsPanel::Doc_Compose_chaine() {
    searchName.setCaption(QString());
    // The earlier build searches for the taxon selected in the taxon list.
    if (form_.isEarlierBuild()) {
        searchName.setCaption(selectedTaxonName());
        return;
    }
    // Every button searches for the genus that names the current key table's file
    // («Russula_sect-Lactarioides.txt» searches «Russula»), the database, the website
    // and the national inventory alike.
    QString name = NomFich(form_.state().CurrentFile);
    searchName.setCaption(Extrc_Nom_genre(name));
}

void LookupsPanel::Notepad() {
    const QFileInfo file(keytable::resolvedPath(form_.state(), form_.state().CurrentFile));
    if (!core::FileExists(file.filePath()) || form_.platform().startEditor(file.absoluteFilePath()))
        return;
    form_.platform().messageBox(
        u"Aucun éditeur de texte n'a pu s'ouvrir sur "_s + file.absoluteFilePath() +
            u" (cherché : $VISUAL, $EDITOR, puis l'application par défaut des fichiers texte)"_s,
        u"Sylvane"_s, core::MessageButtons::Ok);
}

void LookupsPanel::NavDoc_Click() {
    // The data folder's manual first (the current folder follows the data folder), then the
    // program's own, each place once.
    QStringList tried{keytable::resolvedPath(form_.state(), u"Sylvane.pdf"_s)};
    QStringList seen{QDir::cleanPath(tried.front())};
    for (const QString& folder : form_.state().ManualFolders) {
        const QString manual = QDir::cleanPath(folder + u"/Sylvane.pdf"_s);
        if (!seen.contains(manual)) {
            seen.append(manual);
            tried.append(manual);
        }
    }
    for (const QString& manual : tried) {
        if (core::FileExists(manual)) {
            form_.platform().openDocument(manual);
            return;
        }
    }
    form_.platform().messageBox(u"Manuel introuvable : "_s + tried.join(u", puis "_s), u"Sylvane"_s,
                                core::MessageButtons::Ok);
}

void LookupsPanel::MnApropos_Click() {
    aboutLines(1).setCaption(creditLine);
    aboutLines(2).setCaption(u"Version du "_s +
                             (form_.isEarlierBuild() ? u"2019 02 02"_s : u"2023 01 28"_s));
    aboutPanel.setVisible(true);
}

void LookupsPanel::Bout_Click(int index) {
    if (index == CloseButton)
        aboutPanel.setVisible(false);
    else if (index == ContactButton)
        form_.platform().openUrl(weblookups::authorMailLink());
}

} // namespace sylvane::engine
