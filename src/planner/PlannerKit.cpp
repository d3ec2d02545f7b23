#include "PlannerKit.h"

namespace vel {

BoxFrame *Shape(QWidget *parent, const char *name, const QRect &geometry, const BoxLook &look) {
    auto *frame = new BoxFrame(parent, look);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    return frame;
}

QLabel *Picture(QWidget *parent, const char *name, const QRect &geometry, const PictureKey &picture) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    ShowPicture(label, picture);
    return label;
}

QWidget *BuildPlannerWindow(Form *window) {
    window->SetCaption(QStringLiteral(" Velmora - Planner Noleggi"));
    window->SetPlacement(Form::Placement::Maximized);
    window->resize(1016, 713);
    window->SetGradient(QColor(0xFF2853A2u), Qt::white);

    auto *panel = new QWidget(window);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->resize(995, 692);
    window->SetCentredPanel(panel);
    return panel;
}

}  // namespace vel
