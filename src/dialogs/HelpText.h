#pragma once
// The help texts of the windows, kept as text resources ":/help/<name>.txt",
// one file per window, named after its unit. A file is UTF-8; its paragraphs
// are separated by blank lines, and the lines of one paragraph are joined by
// a single blank.
#include <QString>
#include <QStringList>

namespace vel {

// The paragraphs of a help text, in order; none for a missing resource.
QStringList HelpParagraphs(const QString &name);
// The help text as the guide window shows it: the paragraphs joined by
// CR LF CR LF, with no line break before the first or after the last.
QString HelpText(const QString &name);

}  // namespace vel
