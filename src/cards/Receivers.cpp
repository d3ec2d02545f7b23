#include "Receivers.h"

#include <utility>

namespace vel {
namespace {

struct PickEntry {
    QString dialog;
    QString tag;
    ApplyRecord apply;
    // Set for a table of fills, so that it can be checked against its window.
    ReceivingWindow window;
    std::span<const ControlFill> fills;
};

struct AttachmentEntry {
    QString tag;
    std::function<AttachmentLabels()> labels;
};

// A handful of entries each: a plain list, searched in full.
std::vector<PickEntry> &Picks() {
    static std::vector<PickEntry> picks;
    return picks;
}

std::vector<AttachmentEntry> &Attachments() {
    static std::vector<AttachmentEntry> attachments;
    return attachments;
}

// A window built again (the start sequence run anew, a test's stand-in)
// registers again: the later registration takes the place of the earlier.
void Put(PickEntry entry) {
    for (PickEntry &e : Picks()) {
        if (e.dialog == entry.dialog && e.tag == entry.tag) {
            e = std::move(entry);
            return;
        }
    }
    Picks().push_back(std::move(entry));
}

}  // namespace

void RegisterPick(const QString &dialog, const QString &tag, ApplyRecord apply) {
    Put({dialog, tag, std::move(apply), {}, {}});
}

void RegisterPickFills(const QString &dialog, const QString &tag, ReceivingWindow window,
                       std::span<const ControlFill> fills) {
    ApplyRecord apply = [window, fills](const Record &record, int) { FillControls(window(), record, fills); };
    Put({dialog, tag, std::move(apply), std::move(window), fills});
}

ApplyRecord RegisteredPick(const QString &dialog, const QString &tag) {
    for (const PickEntry &e : Picks())
        if (e.dialog == dialog && e.tag == tag) return e.apply;
    return {};
}

std::vector<RegisteredFills> RegisteredPickFills() {
    std::vector<RegisteredFills> tables;
    for (const PickEntry &e : Picks())
        if (e.window) tables.push_back({e.dialog, e.tag, e.window, e.fills});
    return tables;
}

std::vector<std::pair<QString, QString>> RegisteredPicks() {
    std::vector<std::pair<QString, QString>> pairs;
    for (const PickEntry &e : Picks()) pairs.emplace_back(e.dialog, e.tag);
    return pairs;
}

void RegisterAttachments(const QString &tag, std::function<AttachmentLabels()> labels) {
    for (AttachmentEntry &e : Attachments()) {
        if (e.tag == tag) {
            e.labels = std::move(labels);
            return;
        }
    }
    Attachments().push_back({tag, std::move(labels)});
}

bool RegisteredAttachments(const QString &tag, AttachmentLabels &labels) {
    for (const AttachmentEntry &e : Attachments()) {
        if (e.tag != tag) continue;
        labels = e.labels();
        for (int i = 0; i < 3; ++i)
            if (!labels.file[i] || !labels.desc[i]) return false;
        return true;
    }
    return false;
}

std::vector<QString> RegisteredAttachmentTags() {
    std::vector<QString> tags;
    for (const AttachmentEntry &e : Attachments()) tags.push_back(e.tag);
    return tags;
}

}  // namespace vel
