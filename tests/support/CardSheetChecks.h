#pragma once
// What the tests of the cards' 24-row information sheets share: the sheet's
// colours and the question after a PDF, the rows as captions with the card's
// controls and the value they make, the texts typed with blanks around them,
// and the checks every filled sheet must pass (each row's caption and
// trimmed value, one prepared page with every placeholder replaced).
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
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
