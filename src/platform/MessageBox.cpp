#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "Form.h"

namespace vel {
namespace {

class RealMessages final : public MessageService {
public:
    MsgButton Show(MsgKind kind, const QString &text) override {
        QMessageBox box(QApplication::activeWindow());
        KeepDialogOnScreen(&box);
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        switch (kind) {
        case MsgKind::Warning:
            box.setWindowTitle(QStringLiteral("Attenzione"));
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgKind::Error:
            box.setWindowTitle(QStringLiteral("Errore"));
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgKind::Information:
            box.setWindowTitle(QStringLiteral("Informazione"));
            box.setIcon(QMessageBox::Information);
            break;
        case MsgKind::Confirmation:
            box.setWindowTitle(QStringLiteral("Conferma"));
            box.setIcon(QMessageBox::Question);
            break;
        case MsgKind::Plain:
            box.setWindowTitle(QStringLiteral("Velmora"));
            box.setIcon(QMessageBox::NoIcon);
            break;
        }
        if (kind == MsgKind::Confirmation) {
            box.addButton(QStringLiteral("S\u00ec"), QMessageBox::YesRole);
            QAbstractButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
            ExecModal(box);
            return box.clickedButton() == no ? MsgButton::No : MsgButton::Yes;
        }
        QAbstractButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (kind != MsgKind::Plain) box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        ExecModal(box);
        return box.clickedButton() == ok ? MsgButton::Ok : MsgButton::Cancel;
    }
};

MessageService *&Installed() {
    static MessageService *service = nullptr;
    return service;
}

}  // namespace

MsgButton MessageDlg(MsgKind kind, const QString &text) {
    static RealMessages real;
    return (Installed() ? Installed() : &real)->Show(kind, text);
}

void ShowMessage(const QString &text) { MessageDlg(MsgKind::Plain, text); }

void SetMessageService(MessageService *service) { Installed() = service; }

}  // namespace vel
