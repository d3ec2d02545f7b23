// Sets out the general guide as "Guida.pdf", the user guide laid beside the
// program, which the guide window opens. The text is the launcher's own help
// text, so the printed guide and the one on screen never drift apart.
//   velmora_make_guide <path of Guida.pdf>
// A guide already at that path is kept: it may be one the firm put there.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

#include "dialogs/HelpText.h"

namespace {

int Fail(const QString &reason) {
    std::fprintf(stderr, "velmora_make_guide: %s\n", qPrintable(reason));
    return 1;
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) return Fail(QStringLiteral("usage: velmora_make_guide <Guida.pdf>"));
    const QString target = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(target)) return 0;
    // Fonts need a GUI application; it never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) return Fail(QStringLiteral("no folder for ") + target);

    const QStringList paragraphs = vel::HelpParagraphs(QStringLiteral("Avvio"));
    if (paragraphs.isEmpty()) return Fail(QStringLiteral("the general guide's text is missing"));

    QTextDocument document;
    // No ligatures: a reader copying or searching the text finds "fi" and "ff"
    // as letters, not as single glyphs.
    QFont body(QStringLiteral("DejaVu Sans"), 11);
    body.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(body);
    QTextCursor cursor(&document);

    QTextBlockFormat heading;
    heading.setAlignment(Qt::AlignLeft);
    heading.setBottomMargin(4);
    QTextCharFormat headingText;
    headingText.setFontStyleStrategy(QFont::PreferNoShaping);
    headingText.setFontPointSize(20);
    headingText.setFontWeight(QFont::Bold);
    headingText.setForeground(QColor(0x1F, 0x4E, 0x79));
    cursor.setBlockFormat(heading);
    cursor.insertText(QStringLiteral("Velmora - Guida all'utilizzo del software"), headingText);

    QTextBlockFormat title;
    title.setTopMargin(6);
    title.setBottomMargin(14);
    QTextCharFormat titleText;
    titleText.setFontStyleStrategy(QFont::PreferNoShaping);
    titleText.setFontPointSize(15);
    titleText.setFontWeight(QFont::Bold);
    titleText.setForeground(QColor(0xDC, 0x14, 0x3C));
    cursor.insertBlock(title);
    cursor.insertText(QStringLiteral("Uno sguardo ad Velmora"), titleText);

    QTextBlockFormat paragraph;
    paragraph.setAlignment(Qt::AlignJustify);
    paragraph.setBottomMargin(9);
    paragraph.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
    QTextCharFormat paragraphText;
    paragraphText.setFontStyleStrategy(QFont::PreferNoShaping);
    paragraphText.setFontPointSize(11);
    paragraphText.setForeground(QColor(0x20, 0x20, 0x20));
    for (const QString &text : paragraphs) {
        cursor.insertBlock(paragraph);
        cursor.insertText(text, paragraphText);
    }

    // Written whole or not at all: a failed build step leaves no half a guide.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return Fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Velmora - Guida all'utilizzo del software"));
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        // Without a page size of its own, the document is laid out on A4 pages
        // with margins of 2 cm and a page number at the foot of each page.
        document.print(&writer);
    }
    if (!file.commit()) return Fail(file.errorString());
    return 0;
}
