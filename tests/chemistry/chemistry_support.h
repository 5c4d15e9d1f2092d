#pragma once
// What the chemistry tests share: a table of elements set in memory, and (from the test
// support) a working folder of their own for the tests that read and write elements.dat.

#include <initializer_list>
#include <string>

#include "chemistry/elements.h"
#include "tests/support/scratch_folder.h"

struct TableEntry {
    const char* symbol;
    double mass;
    uint16_t z;
    const char* name = "";
};

inline Element MakeElement(const char* symbol, const char* name, uint16_t z, double mass) {
    Element element;
    element.symbol = symbol;
    element.name = name;
    element.z = z;
    element.mass = mass;
    return element;
}

// Replaces the program's table of elements with these, in this order.
inline void SetElementTable(std::initializer_list<TableEntry> entries) {
    Elements = ElementTable{};
    for (const TableEntry& entry : entries) {
        Elements.Slot(++Elements.count) = MakeElement(entry.symbol, entry.name, entry.z, entry.mass);
    }
}

// The masses of the worked examples.
inline void SetExampleTable() {
    SetElementTable({{"H", 1.008, 1}, {"O", 16, 8}, {"Cl", 35.45, 17}, {"Na", 22.99, 11}, {"S", 32.06, 16},
                     {"C", 12.011, 6}, {"Ca", 40.078, 20}, {"K", 39.098, 19}, {"Fe", 55.845, 26},
                     {"N", 14.007, 7}});
}

// The scratch folder of the test support; a failed load belongs to the folder of the test
// that made it.
class InScratchFolder : public ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        ElementsLoadFailed = false;
    }
    void TearDown() override {
        ElementsLoadFailed = false;
        ScratchFolderTest::TearDown();
    }
};
