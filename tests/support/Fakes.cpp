#include "Fakes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

#include "common/ProgramFolder.h"

namespace vel::test {

std::string KindName(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning: return "Warning";
    case MsgKind::Error: return "Error";
    case MsgKind::Information: return "Information";
    case MsgKind::Confirmation: return "Confirmation";
    case MsgKind::Plain: return "Plain";
    }
    return "?";
}

MessageScript::MessageScript() { SetMessageService(this); }

MessageScript::~MessageScript() {
    Verify();
    SetMessageService(nullptr);
}

void MessageScript::Expect(MsgKind kind, const QString &text, MsgButton answer) {
    expected_.push_back({kind, text, answer});
}

MsgButton MessageScript::Show(MsgKind kind, const QString &text) {
    shown_.push_back({kind, text});
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " box: " << text.toStdString();
        return kind == MsgKind::Confirmation ? MsgButton::No : MsgButton::Ok;
    }
    const Expected next = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(KindName(next.kind), KindName(kind)) << "box: " << text.toStdString();
    EXPECT_EQ(next.text.toStdString(), text.toStdString());
    return next.answer;
}

void MessageScript::Verify() {
    for (const Expected &e : expected_)
        ADD_FAILURE() << "expected " << KindName(e.kind) << " box never shown: " << e.text.toStdString();
    expected_.clear();
}

ModalScript::ModalScript() {
    SetModalHandler([this](Form &form) {
        opened_.append(form.objectName());
        if (actions_.empty()) {
            ADD_FAILURE() << "unexpected modal window " << form.metaObject()->className();
            return;
        }
        auto act = actions_.front();
        actions_.pop_front();
        if (!act(form)) ADD_FAILURE() << "modal window of another kind: " << form.metaObject()->className();
    });
}

ModalScript::~ModalScript() {
    Verify();
    SetModalHandler(nullptr);
}

void ModalScript::Verify() {
    if (!actions_.empty()) ADD_FAILURE() << actions_.size() << " expected modal window(s) never opened";
    actions_.clear();
}

namespace {

// The job with every page painted now, as the printer paints them once the
// dialog is accepted: a page that cannot be painted fails the printing.
PrintJob Painted(const PrintJob &job) {
    QList<QPicture> pictures;
    for (qsizetype i = 0; i < job.pages.size(); ++i) pictures.append(job.pages.at(i));
    PrintJob painted = job;
    painted.pages = PrintPages(std::move(pictures));
    return painted;
}

}  // namespace

bool FakePrinter::Print(QWidget *, const PrintJob &job) {
    if (!failWith.isEmpty()) throw std::runtime_error(failWith.toStdString());
    if (!acceptDialog) return false;
    printed.push_back(Painted(job));
    return true;
}

void FakePrinter::Preview(QWidget *, const PrintJob &job) {
    if (!failWith.isEmpty()) throw std::runtime_error(failWith.toStdString());
    previewed.push_back(Painted(job));
}

TestFolder::TestFolder() {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    SetProgramFolder(dir_.path());
}

TestFolder::~TestFolder() { SetProgramFolder(QString()); }

QString TestFolder::Path(const QString &name) const { return dir_.path() + u'/' + name; }

QByteArray TestFolder::Read(const QString &name) const {
    QFile f(Path(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void TestFolder::Write(const QString &name, const QByteArray &bytes) const {
    QFile f(Path(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write fixture");
}

bool TestFolder::Exists(const QString &name) const { return QFileInfo::exists(Path(name)); }

QStringList TestFolder::Entries(const QString &subfolder) const {
    return QDir(Path(subfolder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void TestFolder::Block(const QString &name) const { QDir(dir_.path()).mkdir(name); }

}  // namespace vel::test
