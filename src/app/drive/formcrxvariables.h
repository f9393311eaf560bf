#pragma once

#include "crossfilter/formcrx.h"

#include <QString>

#include <optional>

namespace sylvane::drive {

// The cross-filter window's variables as "show FormCrx.NAME" prints them:
// "FormCrx.FilterCount=N" and
// "FormCrx.Filters(K)=[Value1] [Value2] Mode Exact1 Exact2 Field1 Field2".
std::optional<QString> formCrxVariable(const crossfilter::FormCrx& window, const QString& name);

} // namespace sylvane::drive
