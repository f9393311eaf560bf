#include "app/drive/formcrxvariables.h"

#include "core/recordingplatform.h"

using namespace Qt::StringLiterals;

namespace sylvane::drive {

std::optional<QString> formCrxVariable(const crossfilter::FormCrx& window, const QString& name) {
    if (name == u"FilterCount"_s)
        return u"FormCrx.FilterCount="_s + QString::number(window.FilterCount);
    if (!name.startsWith(u"Filters("_s) || !name.endsWith(u')'))
        return std::nullopt;
    bool ok = false;
    const int k = name.sliced(8, name.size() - 9).toInt(&ok);
    if (!ok || k < 0 || k > crossfilter::FilterSlots)
        return std::nullopt;
    const crossfilter::FilterRecord& f = window.Filters[static_cast<std::size_t>(k)];
    const auto plain = [](const QString& text) { return core::escapeForTranscript(text); };
    return u"FormCrx.Filters(%1)=[%2] [%3] %4 %5 %6 %7 %8"_s.arg(k).arg(
        plain(f.Value1), plain(f.Value2), crossfilter::modeText(f.Mode),
        crossfilter::matchText(f.Exact1), crossfilter::matchText(f.Exact2),
        crossfilter::fieldText(f.Field1), crossfilter::fieldText(f.Field2));
}

} // namespace sylvane::drive
