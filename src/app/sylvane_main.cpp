// Sylvane_2023-01 and Sylvane_2019-02: the same program, told apart by the edition
// that CMake names at build time.
#include "core/edition.h"
#include "core/programstate.h"
#include "engine/formtbl.h"
#include "ui/formtblview.h"
#include "ui/frenchtranslations.h"
#include "ui/qtplatform.h"
#include "ui/secondarywindows.h"
#include "ui/startoptions.h"
#include "ui/windowplaces.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Sylvane"_s);
    QApplication::setWindowIcon(sylvane::ui::programIcon());
    sylvane::ui::installFrenchTranslations(app);
    const sylvane::ui::StartOptions options = sylvane::ui::parseStartOptions(
        QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath(),
        qEnvironmentVariable("SYLVANE_APP_FOLDER"), qEnvironmentVariable("SYLVANE_DEV"));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\nusage: %s [--dev] [--app-folder DIR] [KEY_TABLE]\n",
                     qPrintable(options.error), argv[0]);
        return 2;
    }

    sylvane::core::ProgramState state;
    state.AppFolder = options.appFolder;
    sylvane::ui::QtPlatform platform;
    sylvane::engine::FormTbl form(
        state, platform, sylvane::core::editionFromName(QStringLiteral(SYLVANE_EDITION_NAME)));
    if (options.developer)
        sylvane::ui::showDeveloperControls(form);

    // The window is shown before the load so that the announcement of a command-line
    // file and the progress of a long load can be seen; its first activation runs once
    // the load is done.
    sylvane::ui::WindowPlaces places(sylvane::ui::WindowPlaces::userFile());
    sylvane::ui::FormTblView view(form, &platform);
    view.setPlaces(&places);
    sylvane::ui::SecondaryWindows secondary(form, state, platform, &view, &places);
    view.setActivationEnabled(false);
    view.show();
    form.Form_Load(options.commandLine);
    form.Form_Activate();
    view.setActivationEnabled(true);
    if (!form.visible())
        return 0; // closed while it was starting
    return QApplication::exec();
}
