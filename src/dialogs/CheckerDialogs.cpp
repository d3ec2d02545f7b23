#include "CheckerDialogs.h"

#include <QFontMetrics>
#include <algorithm>

#include "CodFisc.h"
#include "PartitaIVA.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/Platform.h"

namespace vel {

CheckerControls BuildChecker(Form *form, const CheckerShape &shape) {
    form->SetCaption(shape.caption);
    form->SetFixedClientSize(shape.size.width(), shape.size.height());
    form->SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    const int width = shape.size.width();
    const int height = shape.size.height();
    constexpr int margin = 14;
    constexpr int buttonWidth = 116;
    constexpr int editHeight = 44;

    CheckerControls c{};
    c.banner = new QLabel(form);
    c.banner->setObjectName(QStringLiteral("imgBanner"));
    c.banner->setGeometry(12, 10, width - 24, height - 168);
    ShowPicture(c.banner, {PictureName::CheckerBanner, c.banner->size(), int(shape.emblem), shape.title});

    const int captionTop = c.banner->geometry().bottom() + 9;
    c.instruction = new QLabel(shape.instruction, form);
    c.instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    c.instruction->setGeometry(margin, captionTop, width - 2 * margin, 20);
    // The line as large as fits on one line: bold 9 points, then plain, then
    // smaller. Measured when first shown: measuring loads the font.
    WhenFirstShown(c.instruction, [label = c.instruction, text = shape.instruction] {
        QFont font = UiFont(QStringLiteral("Verdana"), 9, true);
        const int room = label->width() - 2;
        if (QFontMetrics(font).horizontalAdvance(text) > room) font.setBold(false);
        while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(text) > room)
            font.setPointSize(font.pointSize() - 1);
        label->setFont(font);
    });
    SetTextColour(c.instruction, QColor(0x10, 0x26, 0x4A));

    const int editTop = captionTop + 26;
    const int editWidth = width - 2 * margin - 12 - buttonWidth;
    c.edit = new Edit(form);
    c.edit->setObjectName(shape.editName);
    c.edit->setGeometry(margin, editTop, editWidth, editHeight);
    c.edit->setFont(UiFont(QStringLiteral("Courier New"), 20, true));

    c.check = new Button(QStringLiteral("Controlla"), form);
    c.check->setObjectName(QStringLiteral("btnControlla"));
    c.check->setGeometry(width - margin - buttonWidth, editTop, buttonWidth, editHeight);

    c.close = new Button(QStringLiteral("Chiudi"), form);
    c.close->setObjectName(QStringLiteral("btnChiudi"));
    c.close->setGeometry(width - margin - buttonWidth, height - margin - 36, buttonWidth, 36);

    form->setTabOrder(c.edit, c.check);
    form->setTabOrder(c.check, c.close);
    return c;
}

void CheckerEditKeyDown(int &key, QChar &keyChar, Button *check, CheckerKeys keys) {
    const bool enter = key == vkReturn;
    if (enter) FocusByEnter(check);
    const bool passes = IsEditingKey(key) ||
                        (key == 0 && keyChar.unicode() >= u'0' && keyChar.unicode() <= u'9');
    if (enter || (keys == CheckerKeys::DigitsOnly && !passes)) {
        key = 0;
        keyChar = QChar();
    }
}

void CheckTaxCode(QWidget *owner, const QString &text) {
    const QString code = Trim(text);
    if (!code.isEmpty() && IsAllDigits(code)) {
        TfrmPartitaIva checker(owner);
        checker.Create();
        checker.txtPartitaIva->setText(code);
        checker.ShowModal();
    } else {
        TfrmCodFisc checker(owner);
        checker.Create();
        checker.txtCodFisc->setText(code);
        checker.ShowModal();
    }
}

}  // namespace vel
