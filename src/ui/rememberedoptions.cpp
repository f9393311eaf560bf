#include "ui/rememberedoptions.h"

#include "engine/formtbl.h"
#include "engine/userinput.h"
#include "ui/userinifile.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

namespace {

QString keyOf(const engine::CheckBox& box) {
    return u"identification/"_s + box.name();
}

} // namespace

RememberedOptions::RememberedOptions(QString file, engine::FormTbl& form, QObject* parent)
    : QObject(parent), file_(std::move(file)), form_(form) {
    if (form.isEarlierBuild())
        return;
    boxes_ = {&form.identification.bestFieldsFirst, &form.identification.keepUndescribed};
    for (engine::CheckBox* box : boxes_)
        connect(box, &engine::Control::changed, this, [this, box](engine::ControlChange what) {
            if (what == engine::ControlChange::Look)
                save(*box);
        });
}

QString RememberedOptions::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Sylvane/options.ini"_s;
}

void RememberedOptions::restore() {
    const UserIniFile settings(file_);
    for (engine::CheckBox* box : boxes_)
        if (settings.value(keyOf(*box), 0).toInt() == 1 && box->value() == 0)
            engine::userClick(form_, *box);
}

void RememberedOptions::save(const engine::CheckBox& box) {
    const UserIniFile settings(file_);
    // Other changes of the box's look (caption, place) leave the file alone.
    if (settings.value(keyOf(box), 0).toInt() != box.value())
        settings.setValue(keyOf(box), box.value());
}

} // namespace sylvane::ui
