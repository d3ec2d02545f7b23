#pragma once
// Recording stand-ins for the seams the program talks to the desktop through.
// Every test gets its own program folder, a fixed clock and a script of the
// message boxes it expects; a box nobody expected fails the test.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace vel::test {

std::string KindName(MsgKind kind);

class MessageScript final : public MessageService {
public:
    struct Box {
        MsgKind kind;
        QString text;
    };
    MessageScript();
    ~MessageScript() override;
    // The next box the test expects, with the answer the user gives.
    void Expect(MsgKind kind, const QString &text, MsgButton answer = MsgButton::Ok);
    MsgButton Show(MsgKind kind, const QString &text) override;
    // Fails the test for boxes expected but never shown, then forgets them.
    void Verify();
    const std::vector<Box> &Shown() const { return shown_; }

private:
    struct Expected {
        MsgKind kind;
        QString text;
        MsgButton answer;
    };
    std::deque<Expected> expected_;
    std::vector<Box> shown_;
};

// Acts on modal windows while they are open. A modal window nobody expected
// fails the test and is closed.
class ModalScript {
public:
    ModalScript();
    ~ModalScript();
    template <typename T>
    void Expect(std::function<void(T &)> act) {
        actions_.push_back([act](Form &form) {
            T *typed = dynamic_cast<T *>(&form);
            if (!typed) return false;
            act(*typed);
            return true;
        });
    }
    void Verify();
    const QStringList &Opened() const { return opened_; }

private:
    std::deque<std::function<bool(Form &)>> actions_;
    QStringList opened_;
};

class FakeShell final : public ShellService {
public:
    FakeShell() { SetShellService(this); }
    ~FakeShell() override { SetShellService(nullptr); }
    bool Open(const QString &command) override {
        opened.append(command);
        return opens;
    }
    QStringList opened;
    bool opens = true;  // false: the desktop has no program for anything
};

class FakeFileDialog final : public FileDialogService {
public:
    FakeFileDialog() { SetFileDialogService(this); }
    ~FakeFileDialog() override { SetFileDialogService(nullptr); }
    QString GetOpenFileName(QWidget *, const QString &title, const QString &folder,
                            const QString &filter) override {
        calls.append({title, folder, filter});
        if (answers.empty()) return QString();
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    struct Call {
        QString title, folder, filter;
    };
    std::deque<QString> answers;  // empty text: the user cancels
    QList<Call> calls;
};

// The error boxes of a print and of a preview that failed for `reason`.
inline QString PrintFailedBox(const QString &reason) {
    return QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento.\n\r\n\rMotivo: ") + reason;
}
inline QString PreviewFailedBox(const QString &reason) {
    return QStringLiteral("Attenzione: non \u00e8 stato possibile visualizzare l'anteprima di stampa.\n\r\n\rMotivo: ") +
           reason;
}

class FakePrinter final : public PrintService {
public:
    FakePrinter() { SetPrintService(this); }
    ~FakePrinter() override { SetPrintService(nullptr); }
    bool Print(QWidget *, const PrintJob &job) override;
    void Preview(QWidget *, const PrintJob &job) override;
    bool acceptDialog = true;  // false: the user cancels the print dialog
    QString failWith;          // non-empty: printing fails with this reason
    // The jobs handed over, each with its pages painted when it was.
    std::vector<PrintJob> printed;
    std::vector<PrintJob> previewed;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 3, 14), QTime(9, 30, 0)))
        : now_(std::move(now)) {
        SetClock(this);
    }
    ~FixedClock() override { SetClock(nullptr); }
    QDateTime Now() const override { return now_; }
    void Set(const QDateTime &now) { now_ = now; }

private:
    QDateTime now_;
};

// A fresh, empty program folder for one test.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    QString Path(const QString &name) const;
    QByteArray Read(const QString &name) const;
    void Write(const QString &name, const QByteArray &bytes) const;
    bool Exists(const QString &name) const;
    // Every file and folder in a folder of it (the whole folder when none is
    // named), hidden ones too: to see that nothing was left behind.
    QStringList Entries(const QString &subfolder = QString()) const;
    // A folder standing at a file's name: the file exists but cannot be opened.
    void Block(const QString &name) const;

private:
    QTemporaryDir dir_;
};

}  // namespace vel::test
