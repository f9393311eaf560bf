#include "engine/formtbl.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::wireResults() {}

} // namespace sylvane::engine
