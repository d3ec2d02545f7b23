#pragma once
// What the tests of the cards' information sheets share: the sheet's colours
// and the question after a PDF, the check of a template as designed (the
// 24-row card sheet and the booking sheet alike), the rows as captions with
// the card's controls and the value they make, the texts typed with blanks
// around them, and the checks every filled 24-row sheet must pass (each row's
// caption and trimmed value, one prepared page with every placeholder
// replaced).
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "report/Report.h"

namespace vel::test::sheet {

inline const QString kDone =
    QStringLiteral("L'esportazione della scheda in PDF \u00e8 terminata con successo.\r\n\r\nSi vuole aprire il file?");
inline const QColor kDarkOrange(0xFF, 0x8C, 0x00);  // the title and the footer
inline const QColor kTeal(0x00, 0x80, 0x80);        // the captions

// A numbered control of the sheet: "txtCampo07".
inline QString Row(const char *prefix, int k) {
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// How a sheet's template is designed: its rows of a caption and a value
// (how many, the top of the first, the distance from one to the next, in
// mm) and its lines.
struct SheetDesign {
    int rows;
    double firstTop;
    double rowStep;
    std::vector<std::pair<const char *, QRectF>> lines;
};

// The 24-row card sheet of the vehicle, tariff and customer cards: the last
// row stands at 254 mm.
inline const SheetDesign kCardSheet = {
    24, 24, 10, {{"linSepara01", QRectF(23, 16, 165, 0)}, {"linSepara02", QRectF(3, 265, 185, 0)}}};

// A sheet's template as designed: "Scheda informativa", one A4 page in
// portrait with margins of 10 mm and no bands, the logo of 82 x 68 pixels,
// the title and the footer white on dark orange, each row's caption white on
// teal and its value black, every text in Arial, regular, on one line,
// vertically centred, unframed, holding its placeholder.
inline void ExpectSheetTemplate(const report::Report &sheet, const SheetDesign &design) {
    EXPECT_EQ(sheet.name, QStringLiteral("Scheda informativa"));
    ASSERT_EQ(sheet.Pages().size(), 1u);
    const report::ReportPage &page = *sheet.Pages().front();
    EXPECT_EQ(page.SheetSize(), QSizeF(210, 297));
    EXPECT_EQ(page.orientation, QPageLayout::Portrait);
    EXPECT_EQ(page.margins, QMarginsF(10, 10, 10, 10));
    EXPECT_TRUE(page.Bands().empty());

    const auto &logo = sheet.Get<report::Picture>(QStringLiteral("imgLogo"));
    EXPECT_EQ(logo.bounds, QRectF(3, 3, 17, 13));
    EXPECT_EQ(logo.image.size(), QSize(82, 68));
    for (const auto &[name, bounds] : design.lines)
        EXPECT_EQ(sheet.Get<report::Line>(QString::fromLatin1(name)).bounds, bounds) << name;

    struct TextCase {
        QString name;
        QRectF bounds;
        double points;
        QColor colour, fill;
        Qt::Alignment horizontal;
        QString placeholder;
    };
    std::vector<TextCase> cases = {
        {QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), 16, Qt::white, kDarkOrange, Qt::AlignHCenter,
         QStringLiteral("Titolo Scheda")},
        {QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), 10, Qt::white, kDarkOrange, Qt::AlignHCenter,
         QStringLiteral("Termine scheda")},
    };
    for (int k = 1; k <= design.rows; ++k) {
        const double top = design.firstTop + design.rowStep * (k - 1);
        cases.push_back({Row("titCampo", k), QRectF(3, top, 52, 6), 9, Qt::white, kTeal, Qt::AlignLeft,
                         QStringLiteral("Campo %1").arg(k)});
        cases.push_back({Row("txtCampo", k), QRectF(60, top, 128, 6), 10, Qt::black, QColor(), Qt::AlignLeft,
                         QStringLiteral("Campo %1").arg(k)});
    }
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const report::Memo &memo = sheet.Get<report::Memo>(c.name);
        EXPECT_EQ(memo.bounds, c.bounds);
        EXPECT_EQ(memo.font.family, QStringLiteral("Arial"));
        EXPECT_EQ(memo.font.size, c.points);
        EXPECT_FALSE(memo.font.bold);
        EXPECT_EQ(memo.font.colour, c.colour);
        EXPECT_EQ(memo.fill, c.fill);
        EXPECT_FALSE(memo.frame.isValid());
        EXPECT_FALSE(memo.wordWrap);
        EXPECT_EQ(memo.alignment, c.horizontal | Qt::AlignVCenter);
        EXPECT_EQ(memo.Text(), c.placeholder);
    }
}

// Sets the text of a card's edit or combo edit.
inline void Put(QWidget *control, const QString &text) {
    if (auto *edit = qobject_cast<Edit *>(control))
        edit->setText(text);
    else if (auto *combo = qobject_cast<ComboEdit *>(control))
        combo->setText(text);
    else
        FAIL() << "not a text control";
}

// A row of the sheet: its caption with the card's controls that make its
// value, and the value the row shows for the texts the test types.
struct RowCase {
    const char *caption;
    std::vector<QWidget *> controls;
    QString value;
};

// Types the value of every row made by one control, with blanks and a tab
// around it; the joined rows are the test's own to type.
inline void TypeSingleRows(const std::vector<RowCase> &rows) {
    for (const RowCase &row : rows)
        if (row.controls.size() == 1) Put(row.controls[0], QStringLiteral("  ") + row.value + QStringLiteral(" \t"));
}

inline QString MemoText(const report::Report &r, const QString &name) { return r.Get<report::Memo>(name).Text(); }

// The filled sheet: portrait, its title, and each of the 24 rows with its
// caption and value.
inline void ExpectRows(report::Report &sheet, const QString &title, const std::vector<RowCase> &rows) {
    EXPECT_EQ(sheet.Page().orientation, QPageLayout::Portrait);
    EXPECT_EQ(MemoText(sheet, QStringLiteral("txtTitolo")), title);
    ASSERT_EQ(rows.size(), 24u);
    for (int k = 1; k <= 24; ++k) {
        EXPECT_EQ(MemoText(sheet, Row("titCampo", k)), QString::fromUtf8(rows[size_t(k - 1)].caption)) << k;
        EXPECT_EQ(MemoText(sheet, Row("txtCampo", k)), rows[size_t(k - 1)].value) << k;
    }
}

// The prepared sheet: one page, the title, 24 captions, 24 values and the
// footer, `literal` printed as typed, no placeholder left. Its texts go to
// `texts` for the test's own checks.
inline void ExpectPrepared(report::Report &sheet, const QString &literal, QStringList &texts) {
    sheet.Prepare();
    ASSERT_EQ(sheet.PreparedPages().size(), 1u);
    texts = sheet.PreparedPages().front().Texts();
    EXPECT_EQ(texts.size(), 1 + 48 + 1);
    EXPECT_TRUE(texts.contains(literal));
    for (const QString &text : texts)
        EXPECT_FALSE(text.contains(QStringLiteral("Campo")) || text.contains(QStringLiteral("Titolo Scheda")) ||
                     text.contains(QStringLiteral("Termine scheda")))
            << text.toStdString();
}

}  // namespace vel::test::sheet
