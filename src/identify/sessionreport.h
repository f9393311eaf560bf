#pragma once

#include "identify/identification.h"
#include "identify/report.h"

#include <QDateTime>
#include <QString>

namespace sylvane::identify {

// The report of an identification as it stands: the table's title and file, the value
// choices applied in order (field names), the taxa of the rows found merged by name as
// the taxa list orders them (rows without a name left out), and their sheets. A taxon
// described by several rows gets, for each field, its distinct values joined by " ou ".
IdentificationReport sessionReport(const Identification& session, const QString& tableFile,
                                   const QDateTime& madeAt);

} // namespace sylvane::identify
