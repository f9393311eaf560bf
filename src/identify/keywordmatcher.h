#pragma once

#include <QString>

namespace sylvane::identify {

// The matching rule of the keyword panel, shared by the search and the extraction: the
// first keyword, or a second one (either with "Ou", both with "Et"), found anywhere in an
// entry's text. Accent folding applies to the lower-case accented letters of both the
// keywords and the text; the case rule applies after it. Keywords are never trimmed.
class KeywordMatcher {
  public:
    struct Options {
        bool foldAccents = true;
        bool ignoreCase = true;
        bool bothRequired = false; // "Et"; otherwise "Ou"
    };

    KeywordMatcher(const QString& first, const QString& second, Options options);

    bool matches(const QString& text) const;

  private:
    QString first_;
    QString second_;
    bool hasSecond_;
    Options options_;
    Qt::CaseSensitivity sensitivity_;
};

} // namespace sylvane::identify
