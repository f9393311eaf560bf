#include "ui/rememberedoptions.h"

#include "engine/formtbl.h"
#include "engine/userinput.h"
#include "ui/userinifile.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

namespace {

QString keyOf(const engine::Control& option) {
    return u"identification/"_s + option.name();
}

} // namespace

RememberedOptions::RememberedOptions(QString file, engine::FormTbl& form, QObject* parent)
    : QObject(parent), file_(std::move(file)), form_(form) {
    if (form.isEarlierBuild())
        return;
    options_ = {&form.identification.bestFieldsFirst, &form.identification.keepUndescribed,
                &form.identification.tolerance};
    for (engine::Control* option : options_)
        connect(option, &engine::Control::changed, this,
                [this, option](engine::ControlChange what) {
                    if (what == engine::ControlChange::Look)
                        save(*option);
                });
}

QString RememberedOptions::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Sylvane/options.ini"_s;
}

void RememberedOptions::restore() {
    const UserIniFile settings(file_);
    for (engine::Control* option : options_) {
        const int value = settings.value(keyOf(*option), 0).toInt();
        if (value == option->value())
            continue;
        if (option->kind() == engine::ControlKind::CheckBox) {
            if (value == 1)
                engine::userClick(form_, *option);
        } else if (value >= option->minimum() && value <= option->maximum()) {
            engine::userScroll(form_, *option, value);
        }
    }
}

void RememberedOptions::save(const engine::Control& option) {
    const UserIniFile settings(file_);
    // Other changes of the option's look (caption, place) leave the file alone.
    if (settings.value(keyOf(option), 0).toInt() != option.value())
        settings.setValue(keyOf(option), option.value());
}

} // namespace sylvane::ui
