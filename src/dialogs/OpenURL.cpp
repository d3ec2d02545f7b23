#include "OpenURL.h"

#include "platform/Services.h"

namespace vel {

bool TMisc::Open(const QString &sCommand) { return OpenOnDesktop(sCommand); }

namespace {

QString Encoded(const QString &text, bool address) {
    QString encoded;
    encoded.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'%')
            encoded += QStringLiteral("%25");
        else if (c == u'&')
            encoded += QStringLiteral("%26");
        else if (c == u'#')
            encoded += QStringLiteral("%23");
        else if (c == u'?' && address)
            encoded += QStringLiteral("%3F");
        else
            encoded += c;
    }
    return encoded;
}

}  // namespace

QString MailtoValue(const QString &value) { return Encoded(value, false); }

QString MailtoAddress(const QString &address) { return Encoded(address, true); }

}  // namespace vel
