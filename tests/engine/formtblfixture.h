#pragma once

#include "core/recordingplatform.h"
#include "engine/formtbl.h"
#include "keytable/programstate.h"

#include <QStringList>

#include <functional>

namespace sylvane::testing {

// No other window opens; the word pickers and pop-ups the main window asks for are noted.
struct NotedWindows final : engine::NoWindows {
    void showWordPicker(const QString& caption, const QString& name) override {
        wordPickers << caption + QStringLiteral(" : ") + name;
    }
    void showPopup(engine::MenuItem& popup) override { popups << popup.name(); }

    QStringList wordPickers;
    QStringList popups;
};

// The main window's logic as the engine tests start it: on a recording platform, with a
// shared state of its own, alone.
struct FormTblFixture {
    explicit FormTblFixture(core::Edition edition = core::Edition::Current)
        : form(state, platform, windows, edition) {}
    FormTblFixture(const FormTblFixture&) = delete;
    FormTblFixture& operator=(const FormTblFixture&) = delete;

    keytable::ProgramState state;
    // Sees each line of the platform's log as it comes: a test can act in the middle of a
    // command (edit a file while a question waits).
    std::function<void(const QString&)> onLine;
    core::RecordingPlatform platform{[this](const QString& line) {
        if (onLine)
            onLine(line);
    }};
    NotedWindows windows;
    engine::FormTbl form;

    // Starts as the program does: the settings of appFolder, then the command line's table
    // (or the one the settings name).
    void start(const QString& appFolder, const QString& commandLine = QString()) {
        state.AppFolder = appFolder;
        form.Form_Load(commandLine);
    }
    // Loads the table at path as the open command does once it is chosen; false when the
    // file is not there.
    bool load(const QString& path) {
        state.CurrentFile = path;
        return form.execute();
    }
    // Puts a table straight into the shared state: the field names, then one row per
    // record, its cells split at ";", from row 2 on (row 1 stands for the header).
    void putTable(const QStringList& fields, const QStringList& records) {
        state.KeyTable.setFieldNames(fields);
        int row = 2;
        for (const QString& record : records) {
            const QStringList cells = record.split(u';');
            for (qsizetype v = 0; v < cells.size(); ++v)
                state.KeyTable.setCell(row, static_cast<int>(v + 1), cells[v]);
            ++row;
        }
    }
    // The lines the platform logged that hold tag ("[msgbox", "[open]").
    QStringList logged(const QString& tag) const { return platform.log().filter(tag); }
};

} // namespace sylvane::testing
