#include "identify/foundnotes.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

std::vector<QString> foundRowNotes(const Identification& session, std::span<const int> rows) {
    const KeyTable& table = session.table();
    std::vector<ChoiceTest> tests;
    QStringList fields;
    for (const Choice& choice : session.choices())
        if (choice.keepEmpty) {
            tests.emplace_back(table, choice);
            fields.append(table.fieldName(choice.field));
        }
    std::vector<QString> notes;
    notes.reserve(rows.size());
    for (const int row : rows) {
        QStringList empty;
        for (size_t k = 0; k < tests.size(); ++k)
            if (tests[k].keptEmpty(row))
                empty.append(fields[static_cast<qsizetype>(k)]);
        notes.push_back(empty.isEmpty() ? QString() : u"non renseigné : "_s + empty.join(u", "_s));
    }
    return notes;
}

} // namespace sylvane::identify
