#pragma once
// The pictures the card files are made of, drawn by the program: command
// buttons that show their word, the record arrows, small icon buttons and the
// grey sections the fields stand on.
#include <QFrame>
#include <QRect>
#include <QString>

#include "platform/Controls.h"

namespace vel {

enum class ArrowKind { First, Previous, Next, Last };
enum class IconKind { Import, Check };
enum class DecorationKind { Vehicle, Person, Calendar };

ImageButton *CommandButton(QWidget *parent, const char *name, const QString &word, const QRect &geometry);
ImageButton *ArrowButton(QWidget *parent, const char *name, ArrowKind kind, const QRect &geometry);
ImageButton *IconButton(QWidget *parent, const char *name, IconKind kind, const QRect &geometry);
// A picture that only decorates a section.
QLabel *Decoration(QWidget *parent, const char *name, DecorationKind kind, const QRect &geometry);
QFrame *Section(QWidget *parent, const char *name, const QRect &geometry);
// A caption above a field.
QLabel *FieldCaption(QWidget *parent, const QString &text, const QRect &geometry);

}  // namespace vel
