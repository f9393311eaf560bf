// Sylvane_2023-01 and Sylvane_2019-02: the same program, told apart by the edition
// that CMake names at build time.
#include "app/quitafterpaint.h"
#include "core/edition.h"
#include "core/settingslocation.h"
#include "engine/formtbl.h"
#include "keytable/programstate.h"
#include "ui/formtblview.h"
#include "ui/frenchtranslations.h"
#include "ui/qtplatform.h"
#include "ui/rememberedoptions.h"
#include "ui/secondarywindows.h"
#include "ui/startoptions.h"
#include "ui/windowplaces.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Sylvane"_s);
    QApplication::setWindowIcon(sylvane::ui::programIcon());
    sylvane::ui::installFrenchTranslations(app);
    sylvane::ui::StartOptions options = sylvane::ui::parseStartOptions(
        QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath(),
        qEnvironmentVariable("SYLVANE_APP_FOLDER"), qEnvironmentVariable("SYLVANE_DEV"));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\nusage: %s [--dev] [--app-folder DIR] [KEY_TABLE]\n",
                     qPrintable(options.error), argv[0]);
        return 2;
    }

    // Relative names on the command line are the user's, taken from the folder the program
    // was started in: the program's own current folder moves once the settings are read.
    options.appFolder = QDir(options.appFolder).absolutePath();
    if (!options.commandLine.isEmpty() && !options.commandLine.startsWith(u'"'))
        options.commandLine = QFileInfo(options.commandLine).absoluteFilePath();

    sylvane::keytable::ProgramState state;
    const sylvane::core::SettingsLocation settings =
        sylvane::core::chooseSettingsLocation(sylvane::core::findSettingsPlaces(
            options.appFolderGiven ? options.appFolder : QString(), options.appFolder,
            QStringLiteral(SYLVANE_DATA_FROM_PROGRAM),
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    state.AppFolder = settings.folder;
    state.DefaultSettingsFile = settings.defaultFile;
    // Where "Documentation" looks when the data folder has no manual.
    const QString programFolder = QCoreApplication::applicationDirPath();
    state.ManualFolders = {
        programFolder,
        QDir::cleanPath(programFolder + u'/' + QStringLiteral(SYLVANE_DATA_FROM_PROGRAM))};
    sylvane::ui::QtPlatform platform;
    sylvane::ui::WindowPlaces places(sylvane::ui::WindowPlaces::userFile());
    sylvane::ui::SecondaryWindows windows(state, platform, &places);
    sylvane::engine::FormTbl form(
        state, platform, windows,
        sylvane::core::editionFromName(QStringLiteral(SYLVANE_EDITION_NAME)));
    if (options.developer)
        sylvane::ui::showDeveloperControls(form);

    // The window is shown before the load so that the announcement of a command-line
    // file and the progress of a long load can be seen; its first activation runs once
    // the load is done.
    sylvane::ui::FormTblView view(form, &platform, &windows);
    view.setPlaces(&places);
    // SYLVANE_QUIT_AFTER_MS=N: quit N ms after the main loop starts, once the window is
    // painted (smoke tests).
    std::optional<sylvane::app::QuitAfterPaint> quitAfterPaint;
    bool quitDelayGiven = false;
    const int quitDelay = qEnvironmentVariableIntValue("SYLVANE_QUIT_AFTER_MS", &quitDelayGiven);
    if (quitDelayGiven)
        quitAfterPaint.emplace(view, quitDelay);
    view.setActivationEnabled(false);
    view.show();
    form.Form_Load(options.commandLine);
    form.Form_Activate();
    view.setActivationEnabled(true);
    if (!form.visible())
        return 0; // closed while it was starting
    sylvane::ui::RememberedOptions remembered(sylvane::ui::RememberedOptions::userFile(), form);
    remembered.restore();
    if (quitAfterPaint)
        quitAfterPaint->arm();
    return QApplication::exec();
}
