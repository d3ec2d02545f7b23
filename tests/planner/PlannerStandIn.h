#pragma once
// A planner window put in the place of the program-wide one, for the tests of
// the booking dialogs, which reach its day cells by name; and the texts of the
// copy and clear icons that both dialogs show beside their text edit.
#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <map>
#include <ostream>

#include "common/MonthTable.h"
#include "planner/Planning.h"

namespace vel::test {

inline const QString kNothingToCopy =
    QStringLiteral("Attenzione: il campo di testo non contiene nessun dato da copiare in memoria.");
inline const QString kCopied = QStringLiteral("Il contenuto del campo di testo \u00e8 stato copiato in memoria.");

// One day of the planner as the readers see it.
struct CellState {
    QString text;
    bool freeShown;
    bool bookedShown;
    bool operator==(const CellState &) const = default;
};
inline std::ostream &operator<<(std::ostream &os, const CellState &c) {
    return os << '"' << c.text.toStdString() << "\" lib " << (c.freeShown ? "shown" : "hidden") << " occ "
              << (c.bookedShown ? "shown" : "hidden");
}
inline const CellState kFree{QString(), true, false};
inline CellState Booked(const QString &text) { return {text, false, true}; }

// A planner window put in the place of the program-wide one for one test,
// with every day cell the dialogs reach by name (those its own grid lacks are
// added), every day free.
class Planner {
public:
    Planner() : saved_(frmPlanning), window_(new TfrmPlanning) {
        QWidget *memos = nullptr;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kMonths[m - 1].days; ++d) {
                for (const char *prefix : {"lib", "occ"}) {
                    if (window_->findChild<QWidget *>(DayComponentName(prefix, m, d))) continue;
                    auto *marker = new QLabel(window_);
                    marker->setObjectName(DayComponentName(prefix, m, d));
                }
                if (window_->findChild<QLabel *>(DayComponentName("mem", m, d))) continue;
                if (!memos) {
                    memos = new QWidget(window_);
                    memos->hide();
                }
                (new QLabel(memos))->setObjectName(DayComponentName("mem", m, d));
            }
        }
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= kMonths[m - 1].days; ++d) Set(m, d, kFree);
        frmPlanning = window_;
    }
    ~Planner() {
        frmPlanning = saved_;
        delete window_;
    }
    Planner(const Planner &) = delete;
    Planner &operator=(const Planner &) = delete;
    TfrmPlanning *Window() const { return window_; }

    CellState Cell(int m, int d) const {
        return {Memo(m, d)->text(), !Marker("lib", m, d)->isHidden(), !Marker("occ", m, d)->isHidden()};
    }
    void Set(int m, int d, const CellState &state) {
        Memo(m, d)->setText(state.text);
        Marker("lib", m, d)->setHidden(!state.freeShown);
        Marker("occ", m, d)->setHidden(!state.bookedShown);
    }
    // Every cell, by its day key.
    std::map<QString, CellState> Snapshot() const {
        std::map<QString, CellState> cells;
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= kMonths[m - 1].days; ++d) cells[DayKey(m, d)] = Cell(m, d);
        return cells;
    }

private:
    QLabel *Memo(int m, int d) const {
        auto *memo = window_->findChild<QLabel *>(DayComponentName("mem", m, d));
        EXPECT_NE(memo, nullptr) << DayComponentName("mem", m, d).toStdString();
        return memo;
    }
    QWidget *Marker(const char *prefix, int m, int d) const {
        auto *marker = window_->findChild<QWidget *>(DayComponentName(prefix, m, d));
        EXPECT_NE(marker, nullptr) << DayComponentName(prefix, m, d).toStdString();
        return marker;
    }
    TfrmPlanning *saved_;
    TfrmPlanning *window_;
};

}  // namespace vel::test
