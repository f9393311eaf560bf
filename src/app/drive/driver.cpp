#include "app/drive/driver.h"

#include "app/drive/formcrxvariables.h"
#include "core/regularfile.h"
#include "core/vbtext.h"
#include "engine/userinput.h"
#include "identify/lookalikes.h"
#include "identify/mismatches.h"
#include "identify/queries.h"
#include "identify/ranking.h"

using namespace Qt::StringLiterals;
using sylvane::core::escapeForTranscript;
using sylvane::core::numberText;

namespace sylvane::drive {

namespace {

// The first word of a text and the rest after one blank (kept verbatim).
std::pair<QString, QString> firstWord(const QString& text) {
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return {text, QString()};
    return {text.first(blank), text.sliced(blank + 1)};
}

bool parseInt(const QString& text, int& value) {
    bool ok = false;
    value = core::trimBlanks(text).toInt(&ok);
    return ok;
}

// The argument of "WHAT(ARGUMENT)" (blanks and parentheses kept), null for another name.
QString argumentOf(const QString& name, const QString& what) {
    if (!name.startsWith(what + u'(') || !name.endsWith(u')'))
        return QString();
    return name.sliced(what.size() + 1, name.size() - what.size() - 2);
}

QString bracketed(const QString& text) {
    return u"["_s + escapeForTranscript(text) + u"]"_s;
}

bool hasValue(engine::ControlKind kind) {
    return kind == engine::ControlKind::CheckBox || kind == engine::ControlKind::OptionButton ||
           kind == engine::ControlKind::ScrollBar;
}

} // namespace

Driver::Windows::Windows(Driver& driver)
    : OtherWindows(driver.state_, driver.platform_), driver_(driver) {}

void Driver::Windows::showPopup(engine::MenuItem& popup) {
    driver_.write(u"[popup] "_s + popup.name());
}

void Driver::Windows::closeMainWindow() {
    driver_.close(u"FormTbl"_s);
}

Driver::Driver(core::Edition edition, QString appFolder, Output output)
    : platform_([this](const QString& line) { write(line); }), appFolder_(std::move(appFolder)),
      output_(std::move(output)) {
    formTbl_ = std::make_unique<engine::FormTbl>(state_, platform_, otherWindows_, edition);
    addWindow(u"FormTbl"_s, formTbl_.get());
    otherWindows_.attach(*formTbl_);
    otherWindows_.crossFilter()->onLoaded = [this](crossfilter::FormCrx& window) {
        addWindow(u"FormCrx"_s, &window,
                  [&window](const QString& name) { return formCrxVariable(window, name); });
    };
    otherWindows_.crossFilter()->onUnloading = [this](crossfilter::FormCrx&) {
        removeWindow(u"FormCrx"_s);
    };
    otherWindows_.wordPicker()->onLoaded = [this](engine::Form1& window) {
        addWindow(u"Form1"_s, &window);
    };
}

Driver::~Driver() = default;

void Driver::addWindow(const QString& prefix, engine::Window* window, VariableShow variables) {
    windows_.insert(prefix, {window, std::move(variables)});
}

void Driver::removeWindow(const QString& prefix) {
    windows_.remove(prefix);
}

void Driver::write(const QString& line) {
    if (output_)
        output_(line);
}

void Driver::error(const QString& text) {
    write(u"error: "_s + text);
}

void Driver::runScript(QTextStream& script) {
    while (!script.atEnd()) {
        QString line = script.readLine();
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (core::isBlankLine(line) || core::trimLeadingBlanks(line).startsWith(u'#'))
            continue;
        runCommand(line);
    }
}

void Driver::runCommand(const QString& line) {
    write(u"> "_s + line);
    const auto [command, args] = firstWord(core::trimLeadingBlanks(line));
    if (command == u"start"_s) {
        start(args);
    } else if (command == u"dialog"_s) {
        platform_.queueDialogResult(scriptPath(args));
    } else if (command == u"notes"_s) {
        queueNotes(args);
    } else if (command == u"cat"_s) {
        printFile(scriptPath(args));
    } else if (command == u"answer"_s) {
        const QString answer = core::trimBlanks(args);
        if (answer == u"yes"_s)
            platform_.queueAnswer(core::MessageAnswer::Yes);
        else if (answer == u"no"_s)
            platform_.queueAnswer(core::MessageAnswer::No);
        else
            error(u"answer takes yes or no"_s);
    } else if (command == u"online"_s || command == u"editor"_s) {
        const QString value = core::trimBlanks(args);
        if (value != u"0"_s && value != u"1"_s)
            error(command + u" takes 0 or 1"_s);
        else if (command == u"online"_s)
            platform_.setOnline(value == u"1"_s);
        else
            platform_.setEditorAvailable(value == u"1"_s);
    } else if (command == u"click"_s || command == u"rclick"_s) {
        click(args, command == u"rclick"_s);
    } else if (command == u"key"_s) {
        key(args);
    } else if (command == u"type"_s) {
        type(args);
    } else if (command == u"scroll"_s) {
        scroll(args);
    } else if (command == u"activate"_s) {
        activate(core::trimBlanks(args));
    } else if (command == u"close"_s) {
        close(core::trimBlanks(args));
    } else if (command == u"show"_s) {
        show(core::trimBlanks(args));
    } else {
        error(u"unknown command "_s + command);
    }
}

std::optional<Driver::Target> Driver::resolve(const QString& name) {
    QString prefix = u"FormTbl"_s;
    QString controlName = name;
    const qsizetype dot = name.indexOf(u'.');
    if (dot > 0) {
        prefix = name.first(dot);
        controlName = name.sliced(dot + 1);
    }
    const auto entry = windows_.constFind(prefix);
    if (entry == windows_.constEnd())
        return std::nullopt;
    engine::Window* window = entry->window;
    if (dot < 0 && windows_.contains(name))
        return Target{windows_.value(name).window, windows_.value(name).window};
    engine::Control* control = window->find(controlName);
    if (!control)
        return std::nullopt;
    return Target{window, control};
}

// "DATE|LIEU|RECOLTEUR|REMARQUES" answers the next observation notes form (missing
// pieces empty); "notes" alone cancels it.
void Driver::queueNotes(const QString& args) {
    if (core::isBlankLine(args)) {
        platform_.queueObservationNotes(std::nullopt);
        return;
    }
    const QStringList pieces = args.split(u'|');
    platform_.queueObservationNotes(
        core::ObservationNotes{pieces.value(0), pieces.value(1), pieces.value(2), pieces.value(3)});
}

void Driver::start(const QString& path) {
    state_.AppFolder = appFolder_;
    formTbl_->setVisible(true);
    formTbl_->Form_Load(path);
    formTbl_->Form_Activate();
}

void Driver::click(const QString& args, bool right) {
    const auto [name, rest] = firstWord(core::trimBlanks(args));
    const auto target = resolve(name);
    if (!target) {
        error(u"no control "_s + name);
        return;
    }
    int position = -1;
    if (!rest.isEmpty() && !parseInt(rest, position)) {
        error(u"bad position "_s + rest);
        return;
    }
    engine::Control& control = *target->control;
    if (right) {
        engine::userMouseDown(*target->window, control, 2, position);
        return;
    }
    const bool needsHandler = control.kind() == engine::ControlKind::Button ||
                              control.kind() == engine::ControlKind::MenuItem;
    if (needsHandler && !control.onClick) {
        error(name + u" does nothing yet"_s);
        return;
    }
    if (control.kind() == engine::ControlKind::ListBox) {
        const auto& list = static_cast<const engine::ListBox&>(control);
        if (position < 0 || position >= list.count()) {
            error(u"no entry "_s + rest + u" in "_s + name);
            return;
        }
    }
    engine::userClick(*target->window, control, position);
}

// "NAME NUMBER": the control and a whole number, or an error line.
void Driver::withNumber(const QString& args, const QString& what,
                        const std::function<void(Target&, int)>& act) {
    const auto [name, rest] = firstWord(core::trimBlanks(args));
    auto target = resolve(name);
    int number = 0;
    if (!target)
        error(u"no control "_s + name);
    else if (!parseInt(rest, number))
        error(u"bad "_s + what + u" "_s + rest);
    else
        act(*target, number);
}

void Driver::key(const QString& args) {
    withNumber(args, u"key code"_s, [](Target& target, int code) {
        engine::userKey(*target.window, *target.control, code);
    });
}

void Driver::type(const QString& args) {
    const auto [name, text] = firstWord(core::trimLeadingBlanks(args));
    const auto target = resolve(name);
    if (!target) {
        error(u"no control "_s + name);
        return;
    }
    engine::userType(*target->window, *target->control, text);
}

void Driver::scroll(const QString& args) {
    withNumber(args, u"value"_s, [](Target& target, int value) {
        engine::userScroll(*target.window, *target.control, value);
    });
}

void Driver::activate(const QString& name) {
    const auto entry = windows_.constFind(name);
    if (entry == windows_.constEnd()) {
        error(u"no window "_s + name);
        return;
    }
    engine::Window* window = entry->window; // activating may register another window
    engine::userActivate(*window);
}

void Driver::close(const QString& name) {
    const auto entry = windows_.constFind(name);
    if (entry == windows_.constEnd()) {
        error(u"no window "_s + name);
        return;
    }
    engine::Window* window = entry->window; // closing may unload another window
    engine::userClose(*window);
}

QString Driver::controlLine(const engine::Control& control) {
    QString line = control.name();
    if (control.kind() == engine::ControlKind::TextBox)
        line += u" text="_s + bracketed(control.text());
    else
        line += u" caption="_s + bracketed(control.caption());
    if (hasValue(control.kind()))
        line += u" value="_s + QString::number(control.value());
    line += u" visible="_s + QString::number(control.visible() ? 1 : 0);
    line += u" enabled="_s + QString::number(control.enabled() ? 1 : 0);
    return line;
}

void Driver::show(const QString& name) {
    if (name == u"FieldRanking"_s) {
        showFieldRanking();
        return;
    }
    if (name == u"FoundNotes"_s) {
        showFoundNotes();
        return;
    }
    if (const QString taxon = argumentOf(name, u"LookAlikes"_s); !taxon.isNull()) {
        showLookAlikes(taxon);
        return;
    }
    if (const QString taxon = argumentOf(name, u"Differences"_s); !taxon.isNull()) {
        showDifferences(taxon);
        return;
    }
    if (const auto variable = showVariable(name)) {
        write(*variable);
        return;
    }
    if (windows_.contains(name)) {
        write(controlLine(*windows_.value(name).window));
        return;
    }
    const auto target = resolve(name);
    if (!target) {
        error(u"nothing to show under "_s + name);
        return;
    }
    const engine::Control& control = *target->control;
    if (control.kind() != engine::ControlKind::ListBox) {
        write(controlLine(control));
        return;
    }
    const auto& list = static_cast<const engine::ListBox&>(control);
    write(u"%1 count=%2 current=%3"_s.arg(list.name()).arg(list.count()).arg(list.currentIndex()));
    int position = 0;
    for (const engine::ListEntry& entry : list.entries()) {
        write(u"%1\t%2\t%3\t"_s.arg(position++)
                  .arg(entry.marked ? u"*"_s : u"-"_s)
                  .arg(entry.itemData) +
              escapeForTranscript(entry.text));
    }
}

// The fields of the field list in its order: number, name and the taxa expected to remain
// after its choice ("2.50"; "-" for a field that does not separate them).
void Driver::showFieldRanking() {
    for (const identify::FieldRank& rank : formTbl_->identification.session().fieldRanks())
        write(QString::number(rank.field) + u'\t' +
              escapeForTranscript(state_.KeyTable.fieldName(rank.field)) + u'\t' +
              identify::rankDriverText(rank));
}

// The entries of the taxa list that carry a note: position, name and note.
void Driver::showFoundNotes() {
    const engine::ListBox& taxa = formTbl_->identification.taxonList;
    for (int k = 0; k < taxa.count(); ++k)
        if (!taxa.annotation(k).isEmpty())
            write(QString::number(k) + u'\t' + escapeForTranscript(taxa.itemText(k)) + u'\t' +
                  escapeForTranscript(taxa.annotation(k)));
}

// The first row of the taxon named; 0, with an error line, for a name the table lacks.
int Driver::taxonRow(const QString& taxon) {
    const int row = identify::rowNamed(state_.KeyTable, taxon);
    if (row == 0)
        error(u"no taxon "_s + taxon);
    return row;
}

// The taxa of the table nearest the taxon named, nearest first: rank, name and the number
// of differing fields, then each of those fields with this taxon's values and the other's.
void Driver::showLookAlikes(const QString& taxon) {
    const keytable::KeyTable& table = state_.KeyTable;
    const int row = taxonRow(taxon);
    if (row == 0)
        return;
    int rank = 0;
    for (const identify::LookAlike& alike :
         identify::lookAlikes(table, formTbl_->identification.session().nameFields(), row)) {
        write(QString::number(++rank) + u'\t' + escapeForTranscript(table(alike.row, 1)) + u'\t' +
              QString::number(alike.differences.size()));
        for (const identify::FieldDifference& difference : alike.differences)
            write(u'\t' + escapeForTranscript(table.fieldName(difference.field)) + u'\t' +
                  escapeForTranscript(difference.these.join(u" ou "_s)) + u'\t' +
                  escapeForTranscript(difference.those.join(u" ou "_s)));
    }
}

// The choices in force that the taxon named contradicts: field, the values chosen and the
// taxon's own ("non renseigné" when it has none).
void Driver::showDifferences(const QString& taxon) {
    const keytable::KeyTable& table = state_.KeyTable;
    const int row = taxonRow(taxon);
    if (row == 0)
        return;
    const auto& choices = formTbl_->identification.session().choices();
    for (const identify::Contradiction& contradiction :
         identify::contradictions(table, choices, row)) {
        const identify::Choice& choice = choices[static_cast<size_t>(contradiction.choice)];
        write(escapeForTranscript(table.fieldName(choice.field)) + u'\t' +
              escapeForTranscript(choice.values.join(u" ou "_s)) + u'\t' +
              escapeForTranscript(contradiction.valuesText()));
    }
}

QString Driver::scriptPath(const QString& path) const {
    static const QString appMark = u"$APP"_s;
    if (path == appMark || path.startsWith(appMark + u'/'))
        return appFolder_ + path.sliced(appMark.size());
    return path;
}

void Driver::printFile(const QString& path) {
    QByteArray bytes;
    if (core::readRegularFile(path, bytes) != core::FileCheck::Readable) {
        error(u"no file "_s + path);
        return;
    }
    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (const QString& line : std::as_const(lines))
        write(u"| "_s + escapeForTranscript(line));
}

std::optional<QString> Driver::showVariable(const QString& name) {
    const auto& s = state_;
    const identify::Identification& session = formTbl_->identification.session();
    if (name == u"ChoicePath"_s)
        return u"ChoicePath="_s + bracketed(session.choicePathText());
    if (name == u"ChoiceSteps"_s)
        return u"ChoiceSteps="_s + numberText(static_cast<int>(session.steps().size()));
    if (name == u"UsedFields"_s)
        return u"UsedFields="_s + bracketed(session.usedFieldsText());
    if (name == u"LineCount"_s)
        return u"LineCount="_s + numberText(keytable::shownLineCount(s));
    if (name == u"FieldCount"_s)
        return u"FieldCount="_s + numberText(s.KeyTable.fieldCount());
    if (name == u"DeclaredFieldCount"_s)
        return u"DeclaredFieldCount="_s + numberText(s.KeyTable.declaredFieldCount());
    if (name == u"CurrentFile"_s)
        return u"CurrentFile="_s + bracketed(s.CurrentFile);
    if (name == u"DataFolder"_s)
        return u"DataFolder="_s + bracketed(s.DataFolder);
    if (name == u"ExtractionShown"_s)
        return u"ExtractionShown="_s +
               QString::number(formTbl_->identification.extractionShown ? 1 : 0);
    if (name == u"FoundRows"_s) {
        const std::vector<int>& rows = session.foundRows();
        QString line = u"FoundRows="_s + numberText(static_cast<int>(rows.size())) + u":"_s;
        for (const int row : rows)
            line += u" "_s + numberText(row);
        return line;
    }
    if (name == u"ValueRows"_s) {
        QString line = u"ValueRows="_s;
        for (int k = 0; k < formTbl_->identification.valueList.count(); ++k)
            line += (k > 0 ? u" "_s : QString()) + bracketed(session.values().rowsText(k));
        return line;
    }
    if (name == u"FieldNames"_s) {
        QString line = u"FieldNames="_s;
        for (int k = 1; k <= s.KeyTable.fieldCount(); ++k)
            line += (k > 1 ? u" "_s : QString()) + bracketed(s.KeyTable.fieldName(k));
        return line;
    }
    if (const QString cell = argumentOf(name, u"KeyTable"_s); !cell.isNull()) {
        const QStringList parts = cell.split(u',');
        int row = 0, field = 0;
        if (parts.size() == 2 && parseInt(parts[0], row) && parseInt(parts[1], field))
            return u"KeyTable(%1,%2)="_s.arg(row).arg(field) + bracketed(s.KeyTable(row, field));
        return std::nullopt;
    }
    const qsizetype dot = name.indexOf(u'.');
    if (dot > 0) {
        const auto entry = windows_.constFind(name.first(dot));
        if (entry != windows_.constEnd() && entry->variables)
            return entry->variables(name.sliced(dot + 1));
    }
    return std::nullopt;
}

} // namespace sylvane::drive
