#include "ui/frenchtranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

namespace {

// What Qt's French catalogue leaves in English in its file dialog: the kinds of entries of
// the type column, which Qt 6 asks under a context the catalogue does not know yet.
class FileKindsInFrench : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        static const QHash<QByteArray, QString> french = {
            {"Folder", u"Dossier"_s}, {"File Folder", u"Dossier"_s}, {"Drive", u"Lecteur"_s},
            {"File", u"Fichier"_s},   {"Shortcut", u"Raccourci"_s},  {"Alias", u"Alias"_s},
            {"Unknown", u"Inconnu"_s}};
        return french.value(sourceText);
    }
};

} // namespace

bool installFrenchTranslations(QCoreApplication& application) {
    // The texts Qt takes from the locale (the kinds of files of the file dialog, among them)
    // are French whatever the desktop's language, as the rest of the program.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCoreApplication::installTranslator(new FileKindsInFrench(&application));
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::French), u"qtbase"_s, u"_"_s,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace sylvane::ui
