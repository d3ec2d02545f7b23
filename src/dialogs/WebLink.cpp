#include "WebLink.h"

#include <QPalette>

#include "platform/Controls.h"
#include "platform/Platform.h"

namespace vel {

void MakeWebLink(ImageButton *link, const QString &text) {
    QFont font = UiFont(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    link->setFont(font);
    link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    link->setText(text);
    SetLinkColour(link, LinkRestColour());
    link->adjustSize();
}

void SetLinkColour(QWidget *link, const QColor &colour) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, colour);
    link->setPalette(palette);
}

QColor LinkColour(const QWidget *link) { return link->palette().color(QPalette::WindowText); }

}  // namespace vel
