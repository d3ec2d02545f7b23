#pragma once
// The pictures the card files are made of, as controls: command buttons that
// show their word, the record arrows, small icon buttons, the decorations and
// the grey sections the fields stand on. The pictures themselves are drawn by
// the pictures library (pictures/Pictures.h) when the card is first shown.
#include <QFrame>
#include <QLabel>
#include <QRect>
#include <QString>

#include "pictures/Pictures.h"
#include "platform/Controls.h"

namespace vel {

ImageButton *CommandButton(QWidget *parent, const char *name, const QString &word, const QRect &geometry);
ImageButton *ArrowButton(QWidget *parent, const char *name, ArrowKind kind, const QRect &geometry);
ImageButton *IconButton(QWidget *parent, const char *name, IconKind kind, const QRect &geometry);
// A picture that only decorates a section.
QLabel *Decoration(QWidget *parent, const char *name, DecorationKind kind, const QRect &geometry);
// A grey section with a rounded border; SetLook gives it other colours.
BoxFrame *Section(QWidget *parent, const char *name, const QRect &geometry);
// A white section with a pale blue border: the tariff and contract cards'
// groups of commands and their sections of fields.
BoxFrame *WhiteSection(QWidget *parent, const char *name, const QRect &geometry);
// A caption above a field.
QLabel *FieldCaption(QWidget *parent, const QString &text, const QRect &geometry);

}  // namespace vel
