#pragma once
// The customer registry's windows are tested as the program runs them: every
// window created, in a fresh program folder, with the message boxes, modal
// windows, clock and printer under the test's control. Customers are built
// from the record table and stored in "Clienti.pro" as the card appends them.
#include <QFileInfo>
#include <vector>

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "support/ListBoxView.h"
#include "support/ProgramFixture.h"

namespace vel::test {

inline const QString kCustomerArchive = QStringLiteral("Clienti.pro");

// A customer whose every text field holds the field's name followed by `tag`
// (cut to the field's capacity), so two customers built with different tags
// differ in every field; "Sesso" is "M", the provinces "RM" and "MI", the
// call-back flag "S\u00ec", and the three attachments are filled. Fields given
// in `overrides` replace the made-up values.
inline Record FullCustomer(const QString &tag, FieldTexts overrides = {}) {
    Record r(CustomerRecord);
    for (const FieldDef &field : CustomerRecord.Fields()) {
        const QString name = QString::fromLatin1(field.name.data(), qsizetype(field.name.size()));
        r.SetText(field.name, (name + tag).left(field.capacity));
    }
    r.SetText("Sesso", QStringLiteral("M"));
    r.SetText("ProvRes", QStringLiteral("RM"));
    r.SetText("ProvNasc", QStringLiteral("MI"));
    r.SetText("Ricontatta", QStringLiteral("S\u00ec"));
    for (const auto &[field, text] : overrides) r.SetText(field, text);
    return r;
}

// Appends the customers to "Clienti.pro" (creating it when missing).
inline void WriteCustomers(const std::vector<Record> &customers) {
    WriteArchive(kCustomerArchive, CustomerRecord, customers);
}

// The number of whole records in "Clienti.pro"; 0 when it is missing.
inline int StoredCustomerCount() {
    if (!QFileInfo::exists(ProgramPath(kCustomerArchive))) return 0;
    ArchiveFile archive;
    archive.OpenArchive(kCustomerArchive, CustomerRecord);
    return archive.RecordCount();
}

// Record `number` (from 1) of "Clienti.pro" as stored.
inline Record StoredCustomer(int number) {
    ArchiveFile archive;
    archive.OpenArchive(kCustomerArchive, CustomerRecord);
    Record r(CustomerRecord);
    archive.ReadRecord(number, r);
    return r;
}

class CustomerTest : public ProgramTest {
protected:
    static void WriteCustomers(const std::vector<Record> &customers) { vel::test::WriteCustomers(customers); }
};

}  // namespace vel::test
