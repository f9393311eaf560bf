#pragma once

#include <QString>
#include <QStringView>

// Texts shown to the user are kept to what a screen can hold: a key table line can be
// megabytes long, and a message quoting it whole would freeze the window.
namespace sylvane::core {

// A line quoted in a message: its first 200 characters, followed by "..." when cut.
inline constexpr qsizetype QuotedLineLength = 200;
QString quotedLine(QStringView line);

// The text with each line cut to maxLineLength characters and at most maxLines lines,
// "..." marking every cut. A message box wraps its lines, a Flash does not: the Flash
// passes a shorter line length.
inline constexpr qsizetype MessageLineLength = 1000;
inline constexpr qsizetype MessageLines = 40;
inline constexpr qsizetype FlashLineLength = 200;
QString boundedForScreen(QStringView text, qsizetype maxLineLength = MessageLineLength,
                         qsizetype maxLines = MessageLines);

} // namespace sylvane::core
