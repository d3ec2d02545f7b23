#include "CardLayout.h"

#include "CardPictures.h"
#include "common/TextRules.h"

namespace vel {

void FieldRows::Place(const std::vector<std::vector<FieldPlace>> &rows, int top) {
    for (const auto &row : rows) {
        int weights = 0;
        for (const FieldPlace &f : row) weights += f.weight;
        const int gap = 10;
        const int width = right - left - gap * int(row.size() - 1);
        int x = left;
        for (const FieldPlace &f : row) {
            const int w = width * f.weight / weights;
            const QString field = QString::fromLatin1(f.field);
            QLabel *caption = FieldCaption(section, QString::fromUtf8(f.caption), QRect(x, top, w, 16));
            if (!captionPrefix.isEmpty())
                caption->setObjectName(captionPrefix + QStringLiteral("%1").arg(++captionCount, 2, 10, QLatin1Char('0')));
            QWidget *control;
            if (combos.contains(field)) {
                auto *combo = new ComboEdit(section);
                combo->setFont(font);
                combo->Editor()->setFont(font);
                control = combo;
            } else {
                auto *edit = new Edit(section);
                if (readOnly.contains(field)) edit->setReadOnly(true);
                edit->setFont(font);
                control = edit;
            }
            control->setObjectName(QStringLiteral("txt") + field);
            control->setGeometry(x, top + 17, w, 28);
            controls.insert(field, control);
            x += w + gap;
        }
        top += rowHeight;
    }
}

Edit *FieldRows::EditOf(const char *field) const {
    return qobject_cast<Edit *>(controls.value(QString::fromLatin1(field)));
}

ComboEdit *FieldRows::ComboOf(const char *field) const {
    return qobject_cast<ComboEdit *>(controls.value(QString::fromLatin1(field)));
}

void CreateAttachmentLabels(QWidget *parent, QLabel **file01, QLabel **file02, QLabel **file03, QLabel **desc01,
                            QLabel **desc02, QLabel **desc03) {
    QLabel **labels[] = {file01, file02, file03, desc01, desc02, desc03};
    const char *names[] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};
    for (int i = 0; i < 6; ++i) {
        *labels[i] = new QLabel(parent);
        (*labels[i])->setObjectName(QString::fromLatin1(names[i]));
        (*labels[i])->hide();
    }
}

QStringList VehicleTypeSuggestions() {
    return {QStringLiteral("Autobus"),      QStringLiteral("Autocarro"),    QStringLiteral("Autovettura"),
            QStringLiteral("Camper"),       QStringLiteral("Ciclomotore"),  QStringLiteral("Furgoncino"),
            QStringLiteral("Furgone"),      QStringLiteral("Imbarcazione"), QStringLiteral("Mezzo agricolo"),
            QStringLiteral("Motocarro"),    QStringLiteral("Motociclo"),    QStringLiteral("Motoscafo"),
            QStringLiteral("Natante"),      QStringLiteral("Rimorchio"),    QStringLiteral("Roulotte"),
            QStringLiteral("Scooter"),      QStringLiteral("Trattore"),     QStringLiteral("Veicolo edile"),
            QStringLiteral("Yacht")};
}

QStringList FuelSuggestions() {
    return {QStringLiteral("Benzina"), QStringLiteral("Diesel"), QStringLiteral("Elettricit\u00e0"),
            QStringLiteral("GPL"),     QStringLiteral("Ibrida"), QStringLiteral("Metano")};
}

}  // namespace vel
