#include "HelpText.h"

#include <QFile>

#include "common/TextRules.h"

namespace vel {

QStringList HelpParagraphs(const QString &name) {
    QFile file(QStringLiteral(":/help/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll());

    QStringList paragraphs;
    QString current;
    const auto flush = [&] {
        if (!current.isEmpty()) paragraphs.append(current);
        current.clear();
    };
    for (const QString &rawLine : text.split(u'\n')) {
        const QString line = Trim(rawLine);
        if (line.isEmpty()) {
            flush();
            continue;
        }
        if (!current.isEmpty()) current += u' ';
        current += line;
    }
    flush();
    return paragraphs;
}

QString HelpText(const QString &name) { return HelpParagraphs(name).join(QStringLiteral("\r\n\r\n")); }

}  // namespace vel
