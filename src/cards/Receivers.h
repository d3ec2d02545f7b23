#pragma once
// Where a pick and the attachments dialog write. A window that receives them
// registers, while it is built, what each dialog may fill in it: the search
// and attachments dialogs then need to know nothing of the cards they serve,
// and no dialog lists another subsystem's controls.
#include <QLabel>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "cards/FindDialog.h"

namespace vel {

// ---- picks ------------------------------------------------------------------

// The window a registered fill writes into, looked up at the moment of the
// pick: the program-wide reference of the receiving card.
using ReceivingWindow = std::function<QWidget *()>;

// What a pick of `dialog` (the dialog's object name, "frmTrovaFlotta") does
// when the caller tag is `tag`: apply the record as the receiver likes (the
// dialog's own card loads the whole record) ...
void RegisterPick(const QString &dialog, const QString &tag, ApplyRecord apply);
// ... or write fields into named controls of the receiving window. The table
// must outlive the program: a constexpr table of the receiving unit.
void RegisterPickFills(const QString &dialog, const QString &tag, ReceivingWindow window,
                       std::span<const ControlFill> fills);

// The same, for the program-wide reference `instance` of the receiving card.
template <class Window>
void RegisterPickFills(const QString &dialog, const QString &tag, Window *const &instance,
                       std::span<const ControlFill> fills) {
    RegisterPickFills(dialog, tag, [&instance]() -> QWidget * { return instance; }, fills);
}
// Only a reference that lives for the whole run: never `this` or a temporary.
template <class Window>
void RegisterPickFills(const QString &, const QString &, Window *&&, std::span<const ControlFill>) = delete;

// The receiver of a pick of `dialog` with `tag`; none for a tag nobody
// registered, so that the pick writes nowhere.
ApplyRecord RegisteredPick(const QString &dialog, const QString &tag);

// Every registered table of control fills, in the order of registration (a
// check that each control it names exists in its window).
struct RegisteredFills {
    QString dialog;
    QString tag;
    ReceivingWindow window;
    std::span<const ControlFill> fills;
};
std::vector<RegisteredFills> RegisteredPickFills();
// Every (dialog, tag) pair that has a receiver, fills or not.
std::vector<std::pair<QString, QString>> RegisteredPicks();

// ---- attachments --------------------------------------------------------------

// The six hidden labels of a card that hold its record's three attachments:
// the bare file names and their descriptions.
struct AttachmentLabels {
    QLabel *file[3];
    QLabel *desc[3];
};

// The attachment labels of a card that names them lblFile01..lblFile03 and
// lblDesc01..lblDesc03; none for a card that does not exist.
template <class Card>
AttachmentLabels AttachmentLabelsOf(const Card *card) {
    if (!card) return AttachmentLabels{};
    return AttachmentLabels{{card->lblFile01, card->lblFile02, card->lblFile03},
                            {card->lblDesc01, card->lblDesc02, card->lblDesc03}};
}

// The card that takes the attachments dialog's "Applica e chiudi" for `tag`.
void RegisterAttachments(const QString &tag, std::function<AttachmentLabels()> labels);

// The same, for the program-wide reference `instance` of the card.
template <class Card>
void RegisterAttachments(const QString &tag, Card *const &instance) {
    RegisterAttachments(tag, [&instance] { return AttachmentLabelsOf(instance); });
}
template <class Card>
void RegisterAttachments(const QString &, Card *&&) = delete;

// The labels registered for `tag`, each one present; none when no card
// registered the tag or its card is gone.
bool RegisteredAttachments(const QString &tag, AttachmentLabels &labels);
// Every tag a card registered for the attachments dialog.
std::vector<QString> RegisteredAttachmentTags();

}  // namespace vel
