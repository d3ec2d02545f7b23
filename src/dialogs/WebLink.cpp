#include "WebLink.h"

#include <QPalette>

#include "platform/Controls.h"
#include "platform/Platform.h"
#include "pictures/Pictures.h"

namespace vel {

namespace {

void LookOfLink(ImageButton *link, const QString &text) {
    QFont font = UiFont(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    link->setFont(font);
    link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    link->setText(text);
    SetLinkColour(link, LinkRestColour());
}

}  // namespace

void MakeWebLink(ImageButton *link, const QString &text) {
    LookOfLink(link, text);
    link->adjustSize();
}

void MakeWebLink(ImageButton *link, const QString &text, std::function<void()> place) {
    LookOfLink(link, text);
    WhenFirstShown(link, [link, place = std::move(place)] {
        link->adjustSize();
        if (place) place();
    });
}

void SetLinkColour(QWidget *link, const QColor &colour) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, colour);
    link->setPalette(palette);
}

QColor LinkColour(const QWidget *link) { return link->palette().color(QPalette::WindowText); }

}  // namespace vel
