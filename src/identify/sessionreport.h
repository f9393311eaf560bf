#pragma once

#include "core/platform.h"
#include "identify/identification.h"
#include "identify/report.h"

#include <QDateTime>
#include <QString>

namespace sylvane::identify {

// The report of an identification as it stands: the table's title, file and comments, the
// choices in force (field names), the options that changed the taxa found, the taxa of the
// rows found merged by name as the taxa list orders them (exact matches first, rows without
// a name left out), each with why it stands there when the values chosen do not say it
// alone (the fields of the choices it contradicts, the fields it leaves empty), and their
// sheets. A taxon described by several rows gets, for each field, its distinct values
// joined by " ou ".
IdentificationReport sessionReport(const Identification& session, const QString& tableFile,
                                   const QDateTime& madeAt,
                                   const core::ObservationNotes& observation = {});

// The options of the session that changed the taxa found, each with what it did: the
// taxa kept despite differences ("différences tolérées"), the taxa kept for leaving a
// chosen field empty ("non renseignés retenus"), values written with and without accents
// taken as one ("Ignorer les accents"), a field chosen with several values ("choix
// multiple").
QStringList optionsThatChangedTheResult(const Identification& session, bool keptEmpty,
                                        bool tolerated);

} // namespace sylvane::identify
