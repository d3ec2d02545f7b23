#pragma once
// Hands a document, a web address or a "mailto:" text to the desktop.
#include <QString>

namespace vel {

class TMisc {
public:
    // sCommand is a document's full path in double quotes, a "mailto:" text
    // in double quotes, or a bare web address. When the desktop cannot open
    // it (a missing document, no mail program or browser), a warning says so
    // and the result is false; nothing else changes.
    static bool Open(const QString &sCommand);
};

// A value (subject, body) made fit to stand inside a "mailto:" text:
// "%", "&" and "#" are percent-encoded, so that a value holding them can
// neither end its field early nor cut the text short. Everything else, blanks
// and punctuation included, stays as it is.
QString MailtoValue(const QString &value);
// An address made fit to stand first in a "mailto:" text: as a value, and with
// "?" encoded too, since a "?" in the address would start the query early
// ("a?cc=x@y.it" would add a copy to x@y.it).
QString MailtoAddress(const QString &address);

}  // namespace vel
