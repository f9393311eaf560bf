#include "identify/choices.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

using keytable::ValueId;

ChoiceTest::ChoiceTest(const keytable::KeyTable& table, const Choice& choice)
    : table_(&table), field_(choice.field), keepEmpty_(choice.keepEmpty) {
    const QSet<QString> values(choice.values.begin(), choice.values.end());
    // At least id 0, so that a field outside the table reads as all empty.
    const auto ids = static_cast<size_t>(std::max(table.poolSize(choice.field), 1));
    accepted_.assign(ids, 0);
    if (!choice.folded) {
        for (size_t id = 0; id < ids; ++id)
            accepted_[id] = values.contains(table.text(choice.field, static_cast<ValueId>(id)));
        return;
    }
    const keytable::ColumnOrder& order = table.columnOrder(choice.field, true);
    for (size_t id = 0; id < order.groupOfId.size() && id < ids; ++id)
        accepted_[id] = values.contains(order.texts[static_cast<size_t>(order.groupOfId[id])]);
}

QString choiceText(const keytable::KeyTable& table, const Choice& choice) {
    return table.fieldName(choice.field) + u" : "_s + choice.values.join(u" ou "_s);
}

} // namespace sylvane::identify
