#include "model/CDirectPeopleEditor.h"

#include "model/CMemoryProfile.h"
#include "model/CPeopleSorter.h"
#include "model/CVitachronDoc.h"
#include "support/core/CRecordingHost.h"

#include <gtest/gtest.h>

namespace {

class DirectPeopleEditorTest : public ::testing::Test {
protected:
    DirectPeopleEditorTest() {
        doc.Settings().sortOrder = CPeopleSorter::kBirthEarliest;
        for (const auto& [name, birth] : {std::pair{"A", 1900}, std::pair{"B", 1800}, std::pair{"C", 1850}}) {
            auto p = std::make_unique<CPerson>();
            p->name = name;
            p->SetBirth(CScaleYear(birth));
            editor.Append(std::move(p));
        }
        host = CRecordingHost{};
    }

    std::string Stored() const {
        std::string s;
        for (const auto& p : doc.People()) {
            s += p->name;
        }
        return s;
    }
    std::string Displayed() const {
        std::string s;
        for (const CPerson* p : doc.DisplayOrder()) {
            s += p->name;
        }
        return s;
    }
    // Every operation ends as the document's Refresh does.
    void ExpectRefreshed() {
        EXPECT_EQ(host.updates, 1);
        EXPECT_TRUE(host.modified);
        EXPECT_EQ(doc.CurrentIndex(), -1);
        host = CRecordingHost{};
        doc.SetCurrentIndex(1);
    }

    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
    CDirectPeopleEditor editor{doc};
};

}  // namespace

TEST_F(DirectPeopleEditorTest, EachChangeLeavesTheDocumentSortedRedrawnAndModified) {
    EXPECT_EQ(Stored(), "ABC");
    EXPECT_EQ(Displayed(), "BCA");
    doc.SetCurrentIndex(1);

    CPerson* first = doc.People()[0].get();
    CPerson changed = *first;
    changed.name = "Z";
    changed.SetBirth(CScaleYear(1700));
    editor.Replace(0, changed);
    EXPECT_EQ(doc.People()[0].get(), first) << "the record stays the same object";
    EXPECT_EQ(Stored(), "ZBC");
    EXPECT_EQ(Displayed(), "ZBC");
    ExpectRefreshed();

    editor.Move(0, 2);
    EXPECT_EQ(Stored(), "BCZ");
    ExpectRefreshed();

    editor.Remove(1);
    EXPECT_EQ(Stored(), "BZ");
    EXPECT_EQ(Displayed(), "ZB");
    ExpectRefreshed();

    editor.Remove(7);
    editor.Replace(7, changed);
    EXPECT_EQ(Stored(), "BZ") << "positions beyond the list change nothing";
}
