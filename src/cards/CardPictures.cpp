#include "CardPictures.h"

#include "platform/Platform.h"

namespace vel {
namespace {

ImageButton *PictureButton(QWidget *parent, const char *name, const PictureKey &picture, const QRect &geometry) {
    auto *button = new ImageButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    ShowPicture(button, picture);
    return button;
}

}  // namespace

ImageButton *CommandButton(QWidget *parent, const char *name, const QString &word, const QRect &geometry) {
    auto *button = PictureButton(parent, name, {PictureName::CommandFace, geometry.size(), 0, word}, geometry);
    button->setToolTip(QString());
    button->setAccessibleName(word);
    return button;
}

ImageButton *ArrowButton(QWidget *parent, const char *name, ArrowKind kind, const QRect &geometry) {
    return PictureButton(parent, name, {PictureName::ArrowFace, geometry.size(), int(kind)}, geometry);
}

ImageButton *IconButton(QWidget *parent, const char *name, IconKind kind, const QRect &geometry) {
    return PictureButton(parent, name, {PictureName::IconFace, geometry.size(), int(kind)}, geometry);
}

QLabel *Decoration(QWidget *parent, const char *name, DecorationKind kind, const QRect &geometry) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    ShowPicture(label, {PictureName::Decoration, geometry.size(), int(kind)});
    return label;
}

BoxFrame *Section(QWidget *parent, const char *name, const QRect &geometry) {
    auto *frame = new BoxFrame(parent, QColor(0xF0, 0xEF, 0xEE), QColor(0xC9, 0xC6, 0xC2), 6);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    return frame;
}

BoxFrame *WhiteSection(QWidget *parent, const char *name, const QRect &geometry) {
    BoxFrame *frame = Section(parent, name, geometry);
    frame->SetLook(Qt::white, QColor(0xB9, 0xC8, 0xE8), 6);
    return frame;
}

QLabel *FieldCaption(QWidget *parent, const QString &text, const QRect &geometry) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(UiFont(QStringLiteral("Verdana"), 8));
    return label;
}

}  // namespace vel
