#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string_view>
#include <vector>

#include "CommonTest.h"
#include "common/IniFile.h"
#include "common/TextRules.h"
#include "support/Fakes.h"
#include "support/PipeTrap.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace vel {
namespace {

using test::TestFolder;

class IniFileTest : public ::testing::Test {
protected:
    IniFile Ini(const QString &name = QStringLiteral("Velmora.ini")) const {
        return IniFile(folder_.Path(name));
    }
    QStringList Entries() const {
        return QDir(folder_.Path(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    TestFolder folder_;
};

// ---- ReadString ----------------------------------------------------------

const QByteArray kSample =
    "; impostazioni\r\n"
    "Orfana=fuori sezione\r\n"
    "[Ditta]\r\n"
    "Nome=Autonoleggio Rossi\r\n"
    "Citta = \t Forl\xEC \t\r\n"
    "Vuota=\r\n"
    "Spazi=  a  b  \r\n"
    "\r\n"
    "[Stampa]\r\n"
    "Nome=HP\r\n"
    "Copie=2\r\n";

TEST_F(IniFileTest, ReadsValuesOrTheDefault) {
    folder_.Write("Velmora.ini", kSample);
    const struct {
        const char *section;
        const char *key;
        const char16_t *value;
    } cases[] = {
        {"Ditta", "Nome", u"Autonoleggio Rossi"},
        {"Stampa", "Nome", u"HP"},
        {"Stampa", "Copie", u"2"},
        // Blanks and tabs around the value go; the ones inside stay.
        {"Ditta", "Citta", u"Forl\u00EC"},
        {"Ditta", "Spazi", u"a  b"},
        // A key that is there with nothing after '=' is an empty value, not a missing key.
        {"Ditta", "Vuota", u""},
        // Section and key names ignore ASCII case.
        {"DITTA", "nome", u"Autonoleggio Rossi"},
        {"ditta", "CITTA", u"Forl\u00EC"},
        {"sTaMpA", "cOpIe", u"2"},
        // Missing section, missing key, key of another section, key outside any section.
        {"Fattura", "Nome", u"<default>"},
        {"Ditta", "Copie", u"<default>"},
        {"Stampa", "Spazi", u"<default>"},
        {"Ditta", "Orfana", u"<default>"},
        {"", "Orfana", u"<default>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(Ini().ReadString(QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                                   QStringLiteral("<default>")),
                  QString::fromUtf16(c.value));
    }
}

TEST_F(IniFileTest, ReadsTheDefaultWhenThereIsNoFile) {
    EXPECT_EQ(Ini().ReadString("Ditta", "Nome", "predefinito"), QStringLiteral("predefinito"));
    EXPECT_EQ(Ini().ReadString("Ditta", "Nome", QString()), QString());
    EXPECT_FALSE(folder_.Exists("Velmora.ini"));
}

TEST_F(IniFileTest, ReadsFilesWithOtherLineEnds) {
    // Files edited by hand may have lost their CRs, or their last line end.
    for (const QByteArray &text : {QByteArray("[Ditta]\nNome=Rossi\n[Altro]\nX=1\n"),
                                   QByteArray("[Ditta]\r\nNome=Rossi\r\n[Altro]\r\nX=1"),
                                   QByteArray("[Ditta]\rNome=Rossi\r[Altro]\rX=1\r")}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        folder_.Write("Velmora.ini", text);
        EXPECT_EQ(Ini().ReadString("Ditta", "Nome", "-"), QStringLiteral("Rossi"));
        EXPECT_EQ(Ini().ReadString("Altro", "X", "-"), QStringLiteral("1"));
        EXPECT_EQ(Ini().ReadString("Ditta", "X", "-"), QStringLiteral("-"));
    }
}

TEST_F(IniFileTest, EmptyFileGivesTheDefault) {
    folder_.Write("Velmora.ini", QByteArray());
    EXPECT_EQ(Ini().ReadString("Ditta", "Nome", "-"), QStringLiteral("-"));
}

TEST_F(IniFileTest, UnreadableFileIsAnErrorNotADefault) {
    folder_.Block("Velmora.ini");
    EXPECT_THROW(Ini().ReadString("Ditta", "Nome", "-"), IniError);
}

// Notepad starts a file it saves as UTF-8 with a byte-order mark, and writes
// the rest as UTF-8 too; the first section must not hide behind the mark.
TEST_F(IniFileTest, AUtf8ByteOrderMarkIsSkipped) {
    folder_.Write("Velmora.ini",
                  "\xEF\xBB\xBF[Numerazione Contratti NSC]\r\nInizio=40\r\n[Contratti NSC]\r\nLuogo=Forl\xC3\xAC\r\n");
    EXPECT_EQ(Ini().ReadString("Numerazione Contratti NSC", "Inizio", "-"), QStringLiteral("40"));
    EXPECT_EQ(Ini().ReadString("Contratti NSC", "Luogo", "-"), QStringLiteral("Forl\u00EC"));
    // Written back, the file keeps its one section, its mark and its UTF-8.
    Ini().WriteString("Numerazione Contratti NSC", "Inizio", "41");
    EXPECT_EQ(folder_.Read("Velmora.ini"),
              QByteArray("\xEF\xBB\xBF[Numerazione Contratti NSC]\r\nInizio=41\r\n[Contratti NSC]\r\nLuogo=Forl\xC3\xAC\r\n"));
    // A mark before bytes that are no UTF-8 leaves them Windows-1252.
    folder_.Write("Velmora.ini", "\xEF\xBB\xBF[Contratti NSC]\r\nLuogo=Forl\xEC\r\n");
    EXPECT_EQ(Ini().ReadString("Contratti NSC", "Luogo", "-"), QStringLiteral("Forl\u00EC"));
    // The same three bytes anywhere else are text like any other: the
    // character they stand for in a UTF-8 file, three in a Windows-1252 one.
    folder_.Write("Velmora.ini", "[A]\r\nK=\xEF\xBB\xBF\r\n");
    EXPECT_EQ(Ini().ReadString("A", "K", "-"), QStringLiteral("\uFEFF"));
    folder_.Write("Velmora.ini", "[A]\r\nK=\xEF\xBB\xBF\xEC\r\n");
    EXPECT_EQ(Ini().ReadString("A", "K", "-"), QStringLiteral("\u00EF\u00BB\u00BF\u00EC"));
    folder_.Write("Velmora.ini", "[A]\r\n\xEF\xBB\xBFK=1\r\n");
    EXPECT_EQ(Ini().ReadString("A", "K", "-"), QStringLiteral("-"));
    EXPECT_EQ(Ini().ReadString("A", QStringLiteral("\uFEFFK"), "-"), QStringLiteral("1"));
}

// The text as a file in UTF-16 holds it, starting with its byte-order mark.
QByteArray Utf16(const QString &text, bool bigEndian) {
    QByteArray bytes(bigEndian ? "\xFE\xFF" : "\xFF\xFE", 2);
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
QByteArray Utf8(const char16_t *text) { return QString::fromUtf16(text).toUtf8(); }

// In a UTF-16 file only the first mark is one: a U+FEFF at the start of a
// later line is a character of the key, read and written back as it is.
TEST_F(IniFileTest, AMarkInsideAUtf16FileIsText) {
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big endian" : "little endian");
        const QByteArray before = Utf16(QString::fromUtf16(u"[A]\r\n\uFEFFK=1\r\nJ=\uFEFF\r\n"), bigEndian);
        folder_.Write("Velmora.ini", before);
        EXPECT_EQ(Ini().ReadString("A", "K", "-"), QStringLiteral("-"));
        EXPECT_EQ(Ini().ReadString("A", QStringLiteral("\uFEFFK"), "-"), QStringLiteral("1"));
        EXPECT_EQ(Ini().ReadString("A", "J", "-"), QStringLiteral("\uFEFF"));
        Ini().WriteString("A", "J", QStringLiteral("\uFEFF2"));
        EXPECT_EQ(folder_.Read("Velmora.ini"),
                  Utf16(QString::fromUtf16(u"[A]\r\n\uFEFFK=1\r\nJ=\uFEFF2\r\n"), bigEndian));
    }
}

// A settings file is edited by hand with whatever editor is at hand, and
// saved in that editor's encoding: it is read in the encoding it is in, and
// written back in it, with its mark, every untouched line byte for byte.
TEST_F(IniFileTest, EachFileIsReadAndWrittenBackInItsOwnEncoding) {
    const QString text = QString::fromUtf16(u"; impostazioni\r\n[Contratti NSC]\r\nDitta=Citt\u00E0 Noleggi\r\n"
                                            u"Luogo=Forl\u00EC\r\n[Altro]\r\nNome=\u0141\u00F3d\u017A \u20AC\r\n");
    QString written = text;
    written.replace(QStringLiteral("Luogo=Forl\u00EC"), QStringLiteral("Luogo=\u0141\u00F3d\u017A \u20AC"));
    QString unixText = text, unixWritten = written;
    unixText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unixWritten.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    struct Read {
        const char *key;
        const char16_t *value;
    };
    const std::vector<Read> unicodeReads = {{"Ditta", u"Citt\u00E0 Noleggi"}, {"Luogo", u"Forl\u00EC"}};
    const struct {
        const char *label;
        QByteArray before;
        std::vector<Read> reads;  // of section "Contratti NSC"
        QByteArray after;         // once "Luogo" holds "\u0141\u00F3d\u017A \u20AC"
        const char16_t *readBack;
    } cases[] = {
        {"Windows-1252",
         "; impostazioni\r\n[Contratti NSC]\r\nDitta=Citt\xE0 Noleggi\r\nLuogo=Forl\xEC\r\n[Altro]\r\nNome=\x80 caff\xE8\r\n",
         unicodeReads,
         "; impostazioni\r\n[Contratti NSC]\r\nDitta=Citt\xE0 Noleggi\r\nLuogo=?\xF3" "d? \x80\r\n[Altro]\r\nNome=\x80 caff\xE8\r\n",
         u"?\u00F3d? \u20AC"},
        {"UTF-8 without a mark, LF line ends", unixText.toUtf8(), unicodeReads, unixWritten.toUtf8(),
         u"\u0141\u00F3d\u017A \u20AC"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + text.toUtf8(), unicodeReads, "\xEF\xBB\xBF" + written.toUtf8(),
         u"\u0141\u00F3d\u017A \u20AC"},
        {"UTF-16 little endian", Utf16(text, false), unicodeReads, Utf16(written, false),
         u"\u0141\u00F3d\u017A \u20AC"},
        {"UTF-16 big endian", Utf16(text, true), unicodeReads, Utf16(written, true), u"\u0141\u00F3d\u017A \u20AC"},
        // Half a character at the end belongs to no line, and is not written back.
        {"UTF-16 cut short by a byte", Utf16(text, false) + '\x41', unicodeReads, Utf16(written, false),
         u"\u0141\u00F3d\u017A \u20AC"},
        {"plain ASCII", "[Contratti NSC]\r\nDitta=Rossi\r\nLuogo=Roma\r\n", {{"Ditta", u"Rossi"}, {"Luogo", u"Roma"}},
         "[Contratti NSC]\r\nDitta=Rossi\r\nLuogo=?\xF3" "d? \x80\r\n", u"?\u00F3d? \u20AC"},
        {"bytes above 127 that are no UTF-8", "[Contratti NSC]\r\nDitta=Citt\xC3\xA0\r\nLuogo=Forl\xEC\r\n",
         {{"Ditta", u"Citt\u00C3\u00A0"}, {"Luogo", u"Forl\u00EC"}},
         "[Contratti NSC]\r\nDitta=Citt\xC3\xA0\r\nLuogo=?\xF3" "d? \x80\r\n", u"?\u00F3d? \u20AC"},
        // A program that knows only Windows-1252 added a line to a file marked UTF-8.
        {"UTF-8 with a mark and a Windows-1252 line", "\xEF\xBB\xBF[Contratti NSC]\r\nDitta=Citt\xE0\r\nLuogo=Forl\xC3\xAC\r\n",
         {{"Ditta", u"Citt\u00E0"}, {"Luogo", u"Forl\u00EC"}},
         "\xEF\xBB\xBF[Contratti NSC]\r\nDitta=Citt\xE0\r\nLuogo=" + Utf8(u"\u0141\u00F3d\u017A \u20AC") + "\r\n",
         u"\u0141\u00F3d\u017A \u20AC"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        folder_.Write("Velmora.ini", c.before);
        for (const Read &r : c.reads)
            EXPECT_EQ(Ini().ReadString("Contratti NSC", QString::fromLatin1(r.key), "-"), QString::fromUtf16(r.value))
                << r.key;
        Ini().WriteString("Contratti NSC", "Luogo", QString::fromUtf16(u"\u0141\u00F3d\u017A \u20AC"));
        EXPECT_EQ(folder_.Read("Velmora.ini"), c.after);
        EXPECT_EQ(Ini().ReadString("Contratti NSC", "Luogo", "-"), QString::fromUtf16(c.readBack));
        EXPECT_EQ(Ini().ReadString("Contratti NSC", "Ditta", "-"), QString::fromUtf16(c.reads[0].value));
    }
}

// Keys added to a file in UTF-8 or UTF-16 keep that encoding from the start,
// sections and all; a new file is Windows-1252.
TEST_F(IniFileTest, AddedSectionsAndKeysTakeTheFilesEncoding) {
    const struct {
        const char *label;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"UTF-8 with nothing but a mark", "\xEF\xBB\xBF", "\xEF\xBB\xBF[Ditta]\r\nNome=" + Utf8(u"\u0141\u00F3d\u017A") + "\r\n"},
        {"UTF-16 with nothing but a mark", "\xFE\xFF", Utf16(QString::fromUtf16(u"[Ditta]\r\nNome=\u0141\u00F3d\u017A\r\n"), true)},
        {"UTF-8 without a mark", Utf8(u"[Altro]\nK=\u00E8\n"),
         Utf8(u"[Altro]\nK=\u00E8\n[Ditta]\nNome=\u0141\u00F3d\u017A\n")},
        {"no file", QByteArray(), "[Ditta]\r\nNome=?\xF3" "d?\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        QFile::remove(folder_.Path("Velmora.ini"));
        if (!c.before.isEmpty()) folder_.Write("Velmora.ini", c.before);
        Ini().WriteString("Ditta", "Nome", QString::fromUtf16(u"\u0141\u00F3d\u017A"));
        EXPECT_EQ(folder_.Read("Velmora.ini"), c.after);
    }
}

// Whatever stands at the file's name and is not a plain file cannot be
// read; a named pipe is not even opened, since that would wait for ever.
TEST_F(IniFileTest, ANamedPipeIsAFileThatCannotBeRead) {
    test::PipeTrap pipe(folder_.Path("Velmora.ini"));
    ASSERT_TRUE(pipe.Made());
    EXPECT_THROW(Ini().ReadString("Ditta", "Nome", "-"), IniError);
    EXPECT_THROW(Ini().WriteString("Ditta", "Nome", "Rossi"), IniError);
    EXPECT_FALSE(pipe.Opened());
    // The pipe is still there, and nothing beside it.
    EXPECT_EQ(QDir(folder_.Path(QString())).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot |
                                                     QDir::Hidden),
              QStringList{"Velmora.ini"});
}

// ---- WriteString ---------------------------------------------------------

// A value comes from anywhere, a damaged archive included: however many line
// breaks it holds, it is written on its key's line, each break as a blank,
// and reads back as that one line. Any other control character is a blank too.
TEST_F(IniFileTest, EveryValueIsWrittenOnOneLine) {
    using namespace std::string_view_literals;
    const struct {
        std::u16string_view value;
        const char16_t *readBack;
    } cases[] = {
        {u"ACME\r\n[Numerazione Contratti NSC]\r\nInizio=900", u"ACME [Numerazione Contratti NSC] Inizio=900"},
        {u"a\nb", u"a b"},
        {u"a\rb", u"a b"},
        {u"a\n\rb", u"a  b"},
        {u"a\r\n\r\nb", u"a  b"},
        {u"\r\nInizio=900", u"Inizio=900"},
        {u"fine\n", u"fine"},
        {u"a\0b"sv, u"a b"},
        {u"a\vb\fc", u"a b c"},
        {u"a\tb", u"a b"},
        {u"a\x1B[1mb\x7F", u"a [1mb"},
        {u"a\u0085b\u009Dc", u"a b c"},
    };
    for (const auto &c : cases) {
        const QString value = QString::fromUtf16(c.value.data(), qsizetype(c.value.size()));
        SCOPED_TRACE(::testing::PrintToString(value));
        folder_.Write("Velmora.ini", "[Numerazione Contratti NSC]\r\nInizio=7\r\n");
        Ini().WriteString("Contratti NSC", "Ditta", value);
        EXPECT_EQ(Ini().ReadString("Contratti NSC", "Ditta", "-"), QString::fromUtf16(c.readBack));
        EXPECT_EQ(Ini().ReadString("Numerazione Contratti NSC", "Inizio", "-"), QStringLiteral("7"));
        EXPECT_EQ(Ini().ReadString("Contratti NSC", "Inizio", "-"), QStringLiteral("-"));
        const QByteArray bytes = folder_.Read("Velmora.ini");
        EXPECT_EQ(bytes.count("\r\n"), 4);
        EXPECT_EQ(bytes.count('\r'), 4);
        EXPECT_EQ(bytes.count('\n'), 4);
        for (const char b : bytes)
            EXPECT_FALSE(IsControlByte(static_cast<unsigned char>(b)) && b != '\r' && b != '\n')
                << int(static_cast<unsigned char>(b));
    }
}

// Names come from the program, yet the same holds for them: a line break in
// one is a blank, and a name its line would not give back (a key holding
// '=' or looking like a section, a section holding ']') writes nothing.
TEST_F(IniFileTest, NamesAreWrittenOnOneLineOrRefused) {
    Ini().WriteString("Ditta\r\nAltra", "Nome\nX", "Rossi");
    EXPECT_EQ(folder_.Read("Velmora.ini"), QByteArray("[Ditta Altra]\r\nNome X=Rossi\r\n"));
    EXPECT_EQ(Ini().ReadString("Ditta Altra", "Nome X", "-"), QStringLiteral("Rossi"));
    const QByteArray before = "[Ditta]\r\nNome=Rossi\r\n";
    const struct {
        const char *section;
        const char *key;
    } refused[] = {{"Ditta", "Nome=Bianchi"}, {"Ditta", "[Altra]"}, {"Ditta", " [Altra] x"}, {"Dit]ta", "Nome"},
                   {"Ditta]\r\n[Altra", "Nome"}};
    for (const auto &r : refused) {
        SCOPED_TRACE(std::string(r.section) + "/" + r.key);
        folder_.Write("Velmora.ini", before);
        EXPECT_THROW(Ini().WriteString(QString::fromLatin1(r.section), QString::fromLatin1(r.key), "X"), IniError);
        EXPECT_EQ(folder_.Read("Velmora.ini"), before);
    }
}


TEST_F(IniFileTest, WritingChangesOnlyWhatItMust) {
    // Comments, blank lines, odd lines and untouched keys keep their exact
    // bytes, Windows-1252 ones included.
    const QByteArray base =
        "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n"
        "[Ditta]\r\n"
        "Nome = Rossi   \r\n"
        "riga senza uguale\r\n"
        "Sede=Forl\xEC\r\n"
        "\r\n"
        "; fine ditta\r\n"
        "[Vuota]\r\n"
        "\r\n"
        "[Stampa]\r\n"
        "Copie=2\r\n";
    const struct {
        const char *label;
        const char *section;
        const char *key;
        const char16_t *value;
        QByteArray result;
    } cases[] = {
        {"existing key replaced in place", "Ditta", "Sede", u"Cesena",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Cesena\r\n\r\n; fine ditta\r\n[Vuota]\r\n\r\n[Stampa]\r\nCopie=2\r\n"},
        {"key of the last section replaced", "Stampa", "Copie", u"3",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Forl\xEC\r\n\r\n; fine ditta\r\n[Vuota]\r\n\r\n[Stampa]\r\nCopie=3\r\n"},
        {"missing key after the section's last key", "Ditta", "Tel", u"0543 1",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Forl\xEC\r\nTel=0543 1\r\n\r\n; fine ditta\r\n[Vuota]\r\n\r\n"
         "[Stampa]\r\nCopie=2\r\n"},
        {"missing key in a section with no keys", "Vuota", "A", u"1",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Forl\xEC\r\n\r\n; fine ditta\r\n[Vuota]\r\nA=1\r\n\r\n"
         "[Stampa]\r\nCopie=2\r\n"},
        {"missing key in the last section", "Stampa", "Carta", u"A4",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Forl\xEC\r\n\r\n; fine ditta\r\n[Vuota]\r\n\r\n"
         "[Stampa]\r\nCopie=2\r\nCarta=A4\r\n"},
        {"missing section at the end", "Nuova", "K", u"v",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Forl\xEC\r\n\r\n; fine ditta\r\n[Vuota]\r\n\r\n"
         "[Stampa]\r\nCopie=2\r\n[Nuova]\r\nK=v\r\n"},
        {"value in Windows-1252", "Ditta", "Sede", u"Forl\u00EC \u20AC \u4E2D",
         "; Velmora \x80 caff\xE8 \x81\x8D\x8F\x90\x9D\r\n[Ditta]\r\nNome = Rossi   \r\n"
         "riga senza uguale\r\nSede=Forl\xEC \x80 ?\r\n\r\n; fine ditta\r\n[Vuota]\r\n\r\n"
         "[Stampa]\r\nCopie=2\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        folder_.Write("Velmora.ini", base);
        Ini().WriteString(QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                          QString::fromUtf16(c.value));
        EXPECT_EQ(folder_.Read("Velmora.ini"), c.result);
    }
}

TEST_F(IniFileTest, WritingMatchesNamesWithoutRegardToCase) {
    folder_.Write("Velmora.ini", "[Ditta]\r\nNome=Rossi\r\nSede=Forli\r\n[Altro]\r\nNome=X\r\n");
    Ini().WriteString("DITTA", "nome", "Bianchi");
    const QByteArray after = folder_.Read("Velmora.ini");
    // One entry still, in the same place; the other section keeps its own.
    EXPECT_TRUE(after.startsWith("[Ditta]\r\n")) << after.toStdString();
    EXPECT_TRUE(after.endsWith("\r\nSede=Forli\r\n[Altro]\r\nNome=X\r\n")) << after.toStdString();
    EXPECT_EQ(after.count("[Ditta]"), 1);
    EXPECT_EQ(after.toLower().count("nome="), 2);
    EXPECT_EQ(Ini().ReadString("Ditta", "Nome", "-"), QStringLiteral("Bianchi"));
    EXPECT_EQ(Ini().ReadString("Altro", "Nome", "-"), QStringLiteral("X"));
}

TEST_F(IniFileTest, WritingCreatesAMissingFile) {
    Ini().WriteString("Ditta", "Nome", "Rossi");
    EXPECT_EQ(folder_.Read("Velmora.ini"), QByteArray("[Ditta]\r\nNome=Rossi\r\n"));
    Ini().WriteString("Ditta", "Sede", "Forl\u00EC");
    Ini().WriteString("Stampa", "Copie", "2");
    Ini().WriteString("Ditta", "Nome", "Bianchi");
    EXPECT_EQ(folder_.Read("Velmora.ini"),
              QByteArray("[Ditta]\r\nNome=Bianchi\r\nSede=Forl\xEC\r\n[Stampa]\r\nCopie=2\r\n"));
    EXPECT_EQ(Ini().ReadString("Ditta", "Sede", "-"), QStringLiteral("Forl\u00EC"));
}

// Lines the program does not change keep their line ends, whatever they are;
// a changed line keeps its own, and an added one ends as the file's first.
TEST_F(IniFileTest, WrittenFileKeepsItsLineEnds) {
    const struct {
        const char *label;
        QByteArray before;
        const char *section;
        const char *key;
        QByteArray after;
    } cases[] = {
        {"LF, a key added after an unended last line", "; nota\n[Ditta]\nNome=Rossi\n\n[Stampa]\nCopie=2", "Stampa",
         "Carta", "; nota\n[Ditta]\nNome=Rossi\n\n[Stampa]\nCopie=2\nCarta=A4\n"},
        {"CR, a key changed", "[Ditta]\rNome=Rossi\r[Stampa]\rCarta=A3\r", "Stampa", "Carta",
         "[Ditta]\rNome=Rossi\r[Stampa]\rCarta=A4\r"},
        {"mixed, a key changed", "[Stampa]\r\nCarta=A3\nCopie=2\r[Ditta]\n", "Stampa", "Carta",
         "[Stampa]\r\nCarta=A4\nCopie=2\r[Ditta]\n"},
        {"mixed, a section added", "[Ditta]\nNome=Rossi\r\n", "Stampa", "Carta",
         "[Ditta]\nNome=Rossi\r\n[Stampa]\nCarta=A4\n"},
        {"unended last line changed", "[Ditta]\r\n[Stampa]\r\nCarta=A3", "Stampa", "Carta",
         "[Ditta]\r\n[Stampa]\r\nCarta=A4"},
        {"no line end at all", "[Stampa]", "Stampa", "Carta", "[Stampa]\r\nCarta=A4\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        folder_.Write("Velmora.ini", c.before);
        Ini().WriteString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), "A4");
        EXPECT_EQ(folder_.Read("Velmora.ini"), c.after);
    }
}

TEST_F(IniFileTest, WriteIntoAMissingFolderFails) {
    IniFile ini(folder_.Path("manca/Velmora.ini"));
    EXPECT_THROW(ini.WriteString("Ditta", "Nome", "Rossi"), IniError);
    EXPECT_FALSE(folder_.Exists("manca"));
    EXPECT_TRUE(Entries().isEmpty()) << Entries().join(' ').toStdString();
}

TEST_F(IniFileTest, WriteOverAFolderFailsAndLeavesItAlone) {
    folder_.Block("Velmora.ini");
    EXPECT_THROW(Ini().WriteString("Ditta", "Nome", "Rossi"), IniError);
    EXPECT_TRUE(QFileInfo(folder_.Path("Velmora.ini")).isDir());
    EXPECT_EQ(Entries(), QStringList{"Velmora.ini"});
}

// The new file is built beside the old one, whose name is then taken over. A
// name so long that nothing fits beside it makes that impossible while the
// old file stays perfectly readable: the write must fail and leave it whole.
TEST_F(IniFileTest, FailedWriteLeavesTheOldFileWhole) {
    const QString name = QString(251, u'v') + QStringLiteral(".ini");  // 255, the most a file name can have
    const QByteArray old = "; vecchio\r\n[Ditta]\r\nNome=Rossi\r\n";
    folder_.Write(name, old);
    ASSERT_EQ(folder_.Read(name), old);
    IniFile ini(folder_.Path(name));
    ASSERT_EQ(ini.ReadString("Ditta", "Nome", "-"), QStringLiteral("Rossi"));

    EXPECT_THROW(ini.WriteString("Ditta", "Nome", "Bianchi"), IniError);
    EXPECT_THROW(ini.WriteString("Altra", "K", QString(100000, u'x')), IniError);
    EXPECT_EQ(folder_.Read(name), old);
    EXPECT_EQ(Entries(), QStringList{name});  // no half-written leftovers either
}

#ifdef Q_OS_UNIX
// Another name for the old file keeps the old bytes: the file was replaced,
// not rewritten in place, so a crash half way could not have spoilt it.
TEST_F(IniFileTest, WriteReplacesTheFileInsteadOfRewritingIt) {
    const QByteArray old = "[Ditta]\r\nNome=Rossi\r\n";
    folder_.Write("Velmora.ini", old);
    ASSERT_EQ(::link(QFile::encodeName(folder_.Path("Velmora.ini")).constData(),
                     QFile::encodeName(folder_.Path("copia.ini")).constData()),
              0);
    Ini().WriteString("Ditta", "Nome", "Bianchi");
    EXPECT_EQ(folder_.Read("Velmora.ini"), QByteArray("[Ditta]\r\nNome=Bianchi\r\n"));
    EXPECT_EQ(folder_.Read("copia.ini"), old);
}

// A disk that fills up half way through the new file: the process's file size
// limit stands in for it, since running as root defeats read-only files.
TEST_F(IniFileTest, WriteThatRunsOutOfRoomLeavesTheOldFileWhole) {
    const QByteArray old = "[Ditta]\r\nNome=Rossi\r\n";
    folder_.Write("Velmora.ini", old);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        Ini().WriteString("Ditta", "Note", QString(20000, u'n'));
    } catch (const IniError &) {
        failed = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_TRUE(failed);
    EXPECT_EQ(folder_.Read("Velmora.ini"), old);
    EXPECT_EQ(Entries(), QStringList{"Velmora.ini"});
}
#endif

}  // namespace
}  // namespace vel
