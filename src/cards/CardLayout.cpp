#include "CardLayout.h"

#include "CardPictures.h"
#include "common/TextRules.h"
#include "platform/Platform.h"

namespace vel {

void SetUpCardWindow(Form *card, const char *name, const QString &caption) {
    card->setObjectName(QString::fromLatin1(name));
    card->SetCaption(caption);
    card->SetPlacement(Form::Placement::Maximized);
    card->SetGradient(QColor(0x43, 0x6C, 0xCA), Qt::white);
    card->resize(1016, 713);
}

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

int PlaceCommandColumn(QWidget *panel, std::initializer_list<CommandPlace> commands) {
    int y = 0;
    for (const CommandPlace &c : commands) {
        *c.button = CommandButton(panel, c.name, QString::fromUtf8(c.word), QRect(840, y, 148, 32));
        (*c.button)->onClick = c.click;
        y += 38;
    }
    return y;
}

RecordArrows MakeRecordArrows(QWidget *frame, const ArrowRow &row) {
    const int previous = row.left + 24;
    const int position = previous + 22 + row.gap;
    const int next = position + row.positionWidth + row.gap;
    ImageButton *first = ArrowButton(frame, "cmdPrimo", ArrowKind::First, QRect(row.left, row.top, 22, 24));
    ImageButton *back = ArrowButton(frame, "cmdIndietro", ArrowKind::Previous, QRect(previous, row.top, 22, 24));
    auto *label = new QLabel(frame);
    label->setObjectName(QStringLiteral("lblPosizione"));
    label->setGeometry(position, row.top, row.positionWidth, 24);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(UiFont(QStringLiteral("Verdana"), row.points, true));
    ImageButton *forward = ArrowButton(frame, "cmdAvanti", ArrowKind::Next, QRect(next, row.top, 22, 24));
    ImageButton *last = ArrowButton(frame, "cmdUltimo", ArrowKind::Last, QRect(next + 24, row.top, 22, 24));
    return {first, back, label, forward, last};
}

StatusLine *CardStatusLine(QWidget *panel, int points, const QRect &geometry) {
    auto *status = new StatusLine(panel);
    status->setObjectName(QStringLiteral("panInfo"));
    status->setGeometry(geometry);
    status->setFont(UiFont(QStringLiteral("Tahoma"), points));
    return status;
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
