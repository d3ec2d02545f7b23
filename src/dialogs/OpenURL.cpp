#include "OpenURL.h"

#include "platform/Services.h"

namespace vel {

bool TMisc::Open(const QString &sCommand) { return OpenOnDesktop(sCommand); }

QString MailtoValue(const QString &value) {
    QString encoded;
    encoded.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'%')
            encoded += QStringLiteral("%25");
        else if (c == u'&')
            encoded += QStringLiteral("%26");
        else if (c == u'#')
            encoded += QStringLiteral("%23");
        else
            encoded += c;
    }
    return encoded;
}

}  // namespace vel
