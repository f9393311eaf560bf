#include "identify/keywordmatcher.h"

#include "core/moduleroutines.h"

namespace sylvane::identify {

KeywordMatcher::KeywordMatcher(const QString& first, const QString& second, Options options)
    : first_(options.foldAccents ? core::FoldAccents(first) : first),
      second_(options.foldAccents ? core::FoldAccents(second) : second),
      hasSecond_(!second.isEmpty()), options_(options),
      sensitivity_(options.ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) {}

bool KeywordMatcher::matches(const QString& text) const {
    const QString searched = options_.foldAccents ? core::FoldAccents(text) : text;
    const bool found1 = searched.contains(first_, sensitivity_);
    // The second keyword is only looked for when it can change the answer.
    if (options_.bothRequired ? !found1 : found1)
        return found1;
    return hasSecond_ && searched.contains(second_, sensitivity_);
}

} // namespace sylvane::identify
