#pragma once

#include "core/edition.h"
#include "core/recordingplatform.h"
#include "crossfilter/otherwindows.h"
#include "engine/formtbl.h"
#include "keytable/programstate.h"

#include <QHash>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>

namespace sylvane::drive {

// Runs the real window logic on the recording platform, one script command at a time,
// and writes what happens as lines of text: the project's end-to-end test tool.
class Driver {
  public:
    using Output = std::function<void(const QString& line)>;

    Driver(core::Edition edition, QString appFolder, Output output);
    ~Driver();

    // Runs every command of the script (blank lines and "#" lines are skipped).
    void runScript(QTextStream& script);
    // Runs one command line.
    void runCommand(const QString& line);

    keytable::ProgramState& state() { return state_; }
    core::RecordingPlatform& platform() { return platform_; }
    engine::FormTbl& formTbl() { return *formTbl_; }

    // Another window that the commands can name as "PREFIX.CONTROL", with the shared
    // variables it can show ("FilterCount" for "show FormCrx.FilterCount").
    using VariableShow = std::function<std::optional<QString>(const QString& name)>;
    void addWindow(const QString& prefix, engine::Window* window, VariableShow variables = {});
    void removeWindow(const QString& prefix);

  private:
    // The main window's other windows; pop-ups are written as lines, the closing asked
    // of the main window runs as the close command.
    class Windows final : public crossfilter::OtherWindows {
      public:
        explicit Windows(Driver& driver);
        void showPopup(engine::MenuItem& popup) override;
        void closeMainWindow() override;

      private:
        Driver& driver_;
    };

    void write(const QString& line);
    void error(const QString& text);

    struct Target {
        engine::Window* window = nullptr;
        engine::Control* control = nullptr;
    };
    std::optional<Target> resolve(const QString& name);

    void start(const QString& path);
    void click(const QString& args, bool right);
    void withNumber(const QString& args, const QString& what,
                    const std::function<void(Target&, int)>& act);
    void key(const QString& args);
    void type(const QString& args);
    void scroll(const QString& args);
    void activate(const QString& name);
    void close(const QString& name);
    void show(const QString& name);
    void printFile(const QString& path);
    // A path of the script: a leading "$APP" names the program's folder.
    QString scriptPath(const QString& path) const;
    std::optional<QString> showVariable(const QString& name);
    void showFieldRanking();
    void showFoundNotes();
    int taxonRow(const QString& taxon);
    void showLookAlikes(const QString& taxon);
    void showDifferences(const QString& taxon);
    void queueNotes(const QString& args);
    QString controlLine(const engine::Control& control);

    keytable::ProgramState state_;
    core::RecordingPlatform platform_;
    std::unique_ptr<engine::FormTbl> formTbl_;
    QString appFolder_;
    Output output_;

    struct WindowEntry {
        engine::Window* window;
        VariableShow variables;
    };
    QHash<QString, WindowEntry> windows_;
    // Last, so that the other windows go before the main one.
    Windows otherWindows_{*this};
};

} // namespace sylvane::drive
