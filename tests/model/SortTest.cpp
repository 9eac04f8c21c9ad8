#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "support/core/CRecordingHost.h"
#include "support/core/TestPeople.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;

class SortTest : public ::testing::Test {
protected:
    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};

    Names SortedBy(int order, bool group = false) {
        doc.Settings().sortOrder = order;
        doc.Settings().groupByCategory = group;
        doc.Sort();
        return DisplayedNames(doc);
    }
};

TEST_F(SortTest, NameOrdersUseTheReadingWhenThereIsOne) {
    AddPerson(doc, MakePerson("伊藤", "1900", nullptr, "いとう"));
    AddPerson(doc, MakePerson("阿部", "1900", nullptr, "あべ"));
    AddPerson(doc, MakePerson("うえだ", "1900"));  // no reading: the name itself
    EXPECT_EQ(SortedBy(1), (Names{"阿部", "伊藤", "うえだ"}));
    EXPECT_EQ(SortedBy(2), (Names{"うえだ", "伊藤", "阿部"}));
}

// Keys that agree in their first characters: the rest of the key decides, and
// a key that is the start of another comes before it, within the first four
// characters and beyond them.
TEST_F(SortTest, NameOrdersReadOnPastASharedStartAndPutAPrefixFirst) {
    for (const char* reading : {"あいうか", "あいうえおか", "あいう", "あいうえおあ", "あいうえお", "あいうえ"}) {
        AddPerson(doc, MakePerson(reading, "1900", nullptr, reading));
    }
    const Names ascending{"あいう", "あいうえ", "あいうえお", "あいうえおあ", "あいうえおか", "あいうか"};
    EXPECT_EQ(SortedBy(1), ascending);
    EXPECT_EQ(SortedBy(2), Names(ascending.rbegin(), ascending.rend()));
}

TEST_F(SortTest, BirthOrdersPutHiddenBirthsLast) {
    AddPerson(doc, MakePerson("b1900", "1900"));
    AddPerson(doc, MakePerson("b1800", "1800"));
    AddPerson(doc, MakePerson("unknown", nullptr, "1950"));
    CPerson* hidden = AddPerson(doc, MakePerson("hidden", "1700"));
    hidden->hideBirth = true;
    EXPECT_EQ(SortedBy(3), (Names{"b1800", "b1900", "unknown", "hidden"}));
    // An unknown birth has the largest key, yet a hidden one still comes after it.
    EXPECT_EQ(SortedBy(4), (Names{"unknown", "b1900", "b1800", "hidden"}));
}

TEST_F(SortTest, DeathLatestPutsTheLivingFirstAndHiddenDeathsLast) {
    AddPerson(doc, MakePerson("d1900", "1850", "1900"));
    AddPerson(doc, MakePerson("living", "1950"));
    AddPerson(doc, MakePerson("d1950", "1900", "1950"));
    CPerson* hidden = AddPerson(doc, MakePerson("hidden", "1800", "1999"));
    hidden->hideDeath = true;
    EXPECT_EQ(SortedBy(6), (Names{"living", "d1950", "d1900", "hidden"}));
    EXPECT_EQ(SortedBy(5), (Names{"d1900", "d1950", "living", "hidden"}));
}

TEST_F(SortTest, DateKeysOrderByMonthAndDayWithinAYear) {
    AddPerson(doc, MakePerson("feb", "1900/2"));
    AddPerson(doc, MakePerson("jan1", "1900/1/1"));
    AddPerson(doc, MakePerson("year", "1900"));
    EXPECT_EQ(SortedBy(3), (Names{"year", "jan1", "feb"}));
}

TEST_F(SortTest, GroupingSortsWithinCategoriesOrderedByName) {
    AddPerson(doc, MakePerson("b-late", "1900"), "B");
    AddPerson(doc, MakePerson("a-late", "1900"), "A");
    AddPerson(doc, MakePerson("b-early", "1800"), "B");
    AddPerson(doc, MakePerson("a-early", "1800"), "A");
    AddPerson(doc, MakePerson("none", "1850"));  // the unset category has the empty name: first
    EXPECT_EQ(SortedBy(3, true), (Names{"none", "a-early", "a-late", "b-early", "b-late"}));
    EXPECT_EQ(SortedBy(4, true), (Names{"none", "a-late", "a-early", "b-late", "b-early"}));
    EXPECT_EQ(SortedBy(3, false)[2], "none");  // without grouping the births alone decide
}

TEST_F(SortTest, NoSortShowsTheStoredOrderEvenWhenGrouping) {
    AddPerson(doc, MakePerson("c", "1900"), "Z");
    AddPerson(doc, MakePerson("a", "1800"), "A");
    AddPerson(doc, MakePerson("b", "1850"));
    const Names stored{"c", "a", "b"};
    EXPECT_EQ(SortedBy(0, true), stored);
    SortedBy(1);
    EXPECT_EQ(SortedBy(0), stored);  // switching back restores exactly the stored order
    EXPECT_EQ(SortedBy(7), stored);  // an order from a newer file is shown unsorted
}

TEST_F(SortTest, SortNeverChangesTheStoredOrder) {
    AddPerson(doc, MakePerson("b", "1900", nullptr, "b"));
    AddPerson(doc, MakePerson("a", "1800", nullptr, "a"));
    SortedBy(1);
    EXPECT_EQ(doc.People()[0]->name, "b");
    EXPECT_EQ(doc.People()[1]->name, "a");
}
