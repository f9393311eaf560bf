#include "core/boundedtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::core {

namespace {
QString cut(QStringView text, qsizetype length) {
    return text.size() <= length ? text.toString() : text.first(length).toString() + u"..."_s;
}
} // namespace

QString quotedLine(QStringView line) {
    return cut(line, QuotedLineLength);
}

QString boundedForScreen(QStringView text, qsizetype maxLineLength, qsizetype maxLines) {
    QString result;
    qsizetype lines = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (++lines > maxLines) {
            result += u"..."_s;
            break;
        }
        result += cut(text.sliced(start, end - start), maxLineLength);
        if (end < text.size())
            result += u'\n';
        start = end + 1;
    }
    return result;
}

} // namespace sylvane::core
