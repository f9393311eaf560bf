// The identification options are kept between runs in the user's configuration folder,
// only by the current build, and never in Sylvane.ini.
#include "engine/formtblfixture.h"
#include "engine/userinput.h"
#include "ui/rememberedoptions.h"
#include "ui/windowplaces.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

// A main window of the edition, started without a table on an empty program folder.
struct Run : testing::FormTblFixture {
    ui::RememberedOptions options;

    Run(const QString& appFolder, core::Edition edition = core::Edition::Current)
        : FormTblFixture(edition), options(ui::RememberedOptions::userFile(), form) {
        start(appFolder);
        options.restore();
    }
    engine::CheckBox& best() { return form.identification.bestFieldsFirst; }
    engine::CheckBox& keep() { return form.identification.keepUndescribed; }
    engine::ScrollBar& tolerance() { return form.identification.tolerance; }
};

} // namespace

class TestRememberedOptions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        QVERIFY(config_.emplace().isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
        QVERIFY(app_.emplace().isValid());
    }
    void cleanup() { qunsetenv("XDG_CONFIG_HOME"); }

    // Both boxes start unticked and no difference is tolerated; a box ticked, a tolerance
    // set in one run is there in the next (the session's tolerance too); unticked or set
    // back, it stays so. A tolerance out of range in the file is not taken.
    void eachOptionIsKept() {
        QCOMPARE(ui::RememberedOptions::userFile(), config_->path() + u"/Sylvane/options.ini"_s);
        {
            Run first(app_->path());
            QCOMPARE(first.best().value(), 0);
            QCOMPARE(first.keep().value(), 0);
            QCOMPARE(first.tolerance().value(), 0);
            QVERIFY(engine::userClick(first.form, first.best()));
            QVERIFY(engine::userScroll(first.form, first.tolerance(), 2));
        }
        {
            Run second(app_->path());
            QCOMPARE(second.best().value(), 1);
            QCOMPARE(second.keep().value(), 0);
            QCOMPARE(second.tolerance().value(), 2);
            QCOMPARE(second.form.identification.session().tolerance(), 2);
            QVERIFY(engine::userClick(second.form, second.best()));
            QVERIFY(engine::userClick(second.form, second.keep()));
            QVERIFY(engine::userScroll(second.form, second.tolerance(), 0));
        }
        {
            Run third(app_->path());
            QCOMPARE(third.best().value(), 0);
            QCOMPARE(third.keep().value(), 1);
            QCOMPARE(third.tolerance().value(), 0);
        }
        QSettings(ui::RememberedOptions::userFile(), QSettings::IniFormat)
            .setValue(u"identification/Tolerance"_s, 9);
        Run fourth(app_->path());
        QCOMPARE(fourth.tolerance().value(), 0);
        QCOMPARE(fourth.form.identification.session().tolerance(), 0);
        // The program's own settings file is left alone.
        QCOMPARE(QDir(app_->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(QFile::exists(ui::RememberedOptions::userFile()));
    }

    // The earlier build has neither box: it neither reads nor writes them.
    void theEarlierBuildLeavesThemAlone() {
        {
            Run current(app_->path());
            QVERIFY(engine::userClick(current.form, current.keep()));
        }
        const QByteArray before = [] {
            QFile file(ui::RememberedOptions::userFile());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QVERIFY(!before.isEmpty());
        Run earlier(app_->path(), core::Edition::Earlier);
        QCOMPARE(earlier.keep().value(), 0);
        QVERIFY(!earlier.keep().visible());
        QVERIFY(!earlier.form.find(u"CheckRetenus"_s));
        QVERIFY(!earlier.form.find(u"CheckMeilleurs"_s));
        earlier.keep().setValue(1);
        QFile file(ui::RememberedOptions::userFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // options.ini and windows.ini are never written through a link at their names: the
    // link is replaced, the file it points to left as it was.
    void theUserFilesNeverWriteThroughALink() {
        QVERIFY(QDir().mkpath(config_->filePath(u"Sylvane"_s)));
        const QString victim = config_->filePath(u"victime.ini"_s);
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[a]\nb=1\n") == 8);
        file.close();
        const QString windows = ui::WindowPlaces::userFile();
        for (const QString& link : {ui::RememberedOptions::userFile(), windows})
            QVERIFY(QFile::link(victim, link));
        {
            Run run(app_->path());
            QVERIFY(engine::userClick(run.form, run.best()));
            ui::WindowPlaces(windows).setGeometry(u"FormTbl"_s, "xy");
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[a]\nb=1\n"));
        QVERIFY(!QFileInfo(windows).isSymLink());
        QCOMPARE(ui::WindowPlaces(windows).geometry(u"FormTbl"_s), QByteArray("xy"));
        Run again(app_->path());
        QVERIFY(!QFileInfo(ui::RememberedOptions::userFile()).isSymLink());
        QCOMPARE(again.best().value(), 1);
    }

  private:
    std::optional<QTemporaryDir> config_;
    std::optional<QTemporaryDir> app_;
};

QTEST_GUILESS_MAIN(TestRememberedOptions)
#include "tst_rememberedoptions.moc"
