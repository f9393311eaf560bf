// The file tools of the main window: the field-count check of the current table, the
// optimisation of a chosen file and the display of the current file's data.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/textfile.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"
#include "keytable/filetools.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

const QString optimiseFilter = u"Tous les fichiers (*.*)|*.*"_s
                               u"|*.txt ; *.tbl|*.txt;*.TBL"_s
                               u"|*.txt ; *.cle|*.txt;*.CLE"_s
                               u"|Clé(*.cle)|*.CLE"_s;

// The message that tells why an optimisation did not end with the file replaced; empty
// when there is nothing to tell.
QString optimiseFailureText(const keytable::OptimiseResult& r, const QString& path) {
    using keytable::OptimiseOutcome;
    switch (r.outcome) {
    case OptimiseOutcome::WorkFileFailed:
        return u"Optimisation impossible : le fichier de travail "_s + r.workFile +
               u" n'a pas pu être écrit ("_s + r.errorText + u"). Le fichier "_s + path +
               u" n'a pas été modifié."_s;
    case OptimiseOutcome::NoBackupName:
        return u"Le fichier "_s + path +
               u" n'a pas été remplacé : son chemin ne contient pas de point, la copie de sauvegarde (.bak) ne peut pas être nommée. Le texte optimisé est dans "_s +
               r.workFile + u"."_s;
    case OptimiseOutcome::BackupFailed:
        return u"Le fichier "_s + path + u" n'a pas été remplacé : la copie de sauvegarde "_s +
               r.backupFile + u" n'a pas pu être écrite ("_s + r.errorText + u")."_s;
    case OptimiseOutcome::ReplaceFailed:
        if (r.tableMayBeIncomplete)
            return u"Le fichier "_s + path + u" n'a pas pu être réécrit ("_s + r.errorText +
                   u") ; il est peut-être incomplet. Sa copie de sauvegarde "_s + r.backupFile +
                   u" contient le fichier d'origine."_s;
        return u"Le fichier "_s + path + u" n'a pas pu être remplacé ("_s + r.errorText +
               u") ; il est resté tel quel. Sa copie de sauvegarde est "_s + r.backupFile + u"."_s;
    case OptimiseOutcome::Protected:
        return (r.protectedFile == path
                    ? u"Le fichier "_s + path +
                          u" est protégé en écriture : il n'a pas été remplacé."_s
                    : u"La copie de sauvegarde "_s + r.protectedFile +
                          u" est protégée en écriture : le fichier "_s + path +
                          u" n'a pas été remplacé."_s) +
               (r.workFile.isEmpty() ? QString()
                                     : u" Le texte optimisé est dans "_s + r.workFile + u"."_s);
    case OptimiseOutcome::Changed:
        return u"Le fichier "_s + path +
               u" a été modifié depuis sa lecture : il n'a pas été remplacé, ses modifications sont gardées. Relancez l'optimisation pour traiter sa nouvelle version."_s;
    case OptimiseOutcome::Refused:
        return r.errorText;
    case OptimiseOutcome::NothingToDo:
    case OptimiseOutcome::Declined:
    case OptimiseOutcome::Replaced:
        break;
    }
    return {};
}

} // namespace

void FileToolsPanel::wire() {
    form_.menus.checkFields.onClick = [this] { VerifNbChamps(); };
    form_.menus.optimiseFile.onClick = [this] { MnuOptim_Click(); };
    form_.menus.fileData.onClick = [this] { MnuCarfic_Click(); };
}

void FileToolsPanel::VerifNbChamps() {
    const auto& s = form_.state();
    form_.identification.history.clear();
    form_.results.Text1_Ouvre();
    form_.identification.taxaTitle.setCaption(u"Vérification Nb champs"_s);
    form_.results.textPanel.setText(QString());

    const QString file = keytable::resolvedPath(s, s.CurrentFile);
    core::TextFileReader reader;
    if (!core::FileExists(file) || !reader.open(file))
        return;
    const keytable::FieldCountReport report = keytable::checkFieldCounts(
        reader.lines(), s.KeyTable.declaredFieldCount(), keytable::separatorOf(s));
    if (!report.fieldLineFound) {
        form_.results.textPanel.setText(s.LineBreak + u"déclaration `Champ=` non trouvée"_s);
        return;
    }
    QString text;
    for (const keytable::FieldCountMismatch& m : report.mismatches)
        text += s.LineBreak + u"ligne "_s + QString::number(m.lineNumber) + u" /  Nbchamps   "_s +
                core::numberText(s.KeyTable.declaredFieldCount()) + u"/   Idc   "_s +
                QString::number(m.values);
    if (report.mismatches.empty())
        text += s.LineBreak + u" OK"_s;
    form_.results.textPanel.setText(text);
}

void FileToolsPanel::MnuOptim_Click() {
    const QString folder = keytable::currentFolder(form_.state());
    const QString path = form_.platform().openFileDialog(optimiseFilter, folder);
    const keytable::OptimiseResult result =
        keytable::OptimiseFile(form_.state(), path, QDir::tempPath(), [this](const QString& file) {
            return form_.platform().messageBox(
                       u"Désirez vous remplacer le fichier "_s + file + u" ? "_s, QString(),
                       core::MessageButtons::YesNo) == core::MessageAnswer::Yes;
        });
    const QString failure = optimiseFailureText(result, path);
    if (!failure.isEmpty())
        form_.platform().messageBox(failure, u"Sylvane"_s, core::MessageButtons::Ok);
}

void FileToolsPanel::MnuCarfic_Click() {
    const auto& s = form_.state();
    // The earlier build puts one blank on each side of the colon, the current one two.
    const QString colon = form_.isEarlierBuild() ? u" : "_s : u"  :  "_s;
    form_.identification.history.clear();
    form_.identification.history.addItems(
        {{u"fichier en cours"_s + colon + s.CurrentFile},
         {u"nombre de lignes"_s + colon + core::numberText(keytable::shownLineCount(s))},
         {u"nombre de champs"_s + colon + core::numberText(s.KeyTable.fieldCount())},
         {u"Séparateur de champ <"_s + s.Separator + u">"_s}});
}

} // namespace sylvane::engine
