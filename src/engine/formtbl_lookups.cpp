// The external lookups of the main window: the web lookup buttons, the text editor on
// the current file, the user manual and the About panel.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "engine/weblookups.h"

#include <QDir>

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

void FormTbl::wireLookups() {
    Command6(3).setCaption(QString::fromUtf16(weblookups::BibliographyCaption));
    Command6(6).setCaption(QString::fromUtf16(weblookups::WebsiteCaption));
    if (isEarlierBuild()) {
        // The earlier build's row: the database and the website searches sit under 2 and
        // 7; "Doc", "INPN-2" and "INPN_1" are the buttons without action.
        Command6(2).setCaption(QString::fromUtf16(weblookups::DatabaseCaption));
        Command6(7).setCaption(QString::fromUtf16(weblookups::WebsiteCaption));
        Command6(4).setCaption(u"Doc"_s);
        Command6(6).setCaption(u"INPN-2"_s);
    }
    Command6.forEach([this](int index, Button& button) {
        button.onClick = [this, index] { Command6_Click(index); };
    });
    MnuEdit.onClick = [this] { Notepad(); };
    Command8.onClick = [this] { Notepad(); };
    NavDoc.onClick = [this] { NavDoc_Click(); };
    MnApropos.onClick = [this] { MnApropos_Click(); };
    Bout.forEach([this](int index, Button& button) {
        button.onClick = [this, index] { Bout_Click(index); };
    });
}

void FormTbl::Command6_Click(int index) {
    if (isEarlierBuild()) {
        earlierLookup(index);
        return;
    }
    qint16 errw = 0;
    switch (index) {
    case 0:
        ShellExW(weblookups::imageSearchPrefix() + u' ' + Lab_Resultat.caption(), errw);
        break;
    case 1:
        Doc_Compose_chaine(1);
        ShellExW(weblookups::databaseQuickSearchPrefix() + Label17.caption(), errw);
        break;
    case 2:
        // Announces a documentation search; the wait pointer stays until another command
        // sets the pointer again.
        Doc_Compose_chaine(1);
        platform().setBusyCursor(true);
        StatusBar1.setCaption(u" recherche de la documentation,  patientez ..."_s);
        break;
    case 3:
        Doc_Compose_chaine(1);
        break;
    case 6:
        // The website search opens without asking for the connection.
        Doc_Compose_chaine(1);
        ShellEx(weblookups::websiteSearchPrefix() + Label17.caption() +
                    weblookups::websiteSearchSuffix(),
                QString());
        break;
    case 7:
        Doc_Compose_chaine(2);
        ShellExW(weblookups::inventoryPrefix() + Label17.caption() +
                     weblookups::inventorySearchSuffix(),
                 errw);
        break;
    default:
        break;
    }
}

QString FormTbl::NomFich(const QString& filename) {
    const qsizetype cut = std::max(filename.lastIndexOf(u'\\'), filename.lastIndexOf(u'/'));
    if (cut < 0)
        return filename;
    return core::FileExists(filename) ? filename.sliced(cut + 1) : QString();
}

QString FormTbl::Extrc_Nom_genre(QString& chn) {
    blankFirst(chn, u'_');
    blankFirst(chn, u'-');
    blankFirst(chn, u'.');
    // A text with no blank left is a genus name by itself.
    const qsizetype blank = chn.indexOf(u' ');
    return core::trimBlanks(blank < 0 ? QStringView(chn) : QStringView(chn).first(blank));
}

void FormTbl::Doc_Compose_chaine(int /*index*/) {
    Label17.setCaption(QString());
    // The earlier build searches for the taxon selected in the taxon list.
    if (isEarlierBuild()) {
        Label17.setCaption(selectedTaxonName());
        return;
    }
    // Every button searches for the genus that names the current key table's file
    // («Russula_sect-Lactarioides.txt» searches «Russula»), the database, the website
    // and the national inventory alike.
    keptFileName_ = NomFich(state().CurrentFile);
    QString name = keptFileName_;
    Label17.setCaption(Extrc_Nom_genre(name));
}

void FormTbl::Notepad() {
    const QString& file = state().CurrentFile;
    if (core::FileExists(file))
        platform().startEditor(file);
}

void FormTbl::NavDoc_Click() {
    // The manual sits in the current directory, which follows the data folder.
    const QString manual = QDir::current().absoluteFilePath(u"Sylvane.pdf"_s);
    if (core::FileExists(manual))
        platform().openDocument(manual);
}

void FormTbl::MnApropos_Click() {
    AboutLabel(1).setCaption(creditLine);
    AboutLabel(2).setCaption(u"Version du "_s +
                             (isEarlierBuild() ? u"2019 02 02"_s : u"2023 01 28"_s));
    FraMycm.setVisible(true);
}

void FormTbl::Bout_Click(int index) {
    if (index == 2)
        FraMycm.setVisible(false);
    else if (index == 3)
        platform().openUrl(weblookups::authorMailLink());
}

} // namespace sylvane::engine
