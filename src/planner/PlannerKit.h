#pragma once
// Small building pieces shared by the planner's windows and pictures: a
// named painted frame, a named label showing a picture, and the frame of the two main
// windows (the chooser and the planner).
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include "pictures/Pictures.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

// A frame named `name` at `geometry` in `parent`, painted as `look` gives.
BoxFrame *Shape(QWidget *parent, const char *name, const QRect &geometry, const BoxLook &look);

// A label named `name` at `geometry` in `parent`, showing `picture` once shown.
QLabel *Picture(QWidget *parent, const char *name, const QRect &geometry, const PictureKey &picture);

// The frame shared by the chooser and the planner: caption " Velmora - Planner
// Noleggi", opened maximized on a blue-to-white ground, and the panel
// panContainer (995 × 692) that stays centred in it. Returns the panel.
QWidget *BuildPlannerWindow(Form *window);

}  // namespace vel
