// The keyboard's way through every dialog: each label's mnemonic (the letter
// after "&" in "名前(&N)") moves the focus to the label's own control and
// presses nothing, and no mnemonic of a label or a box is also a button's.
#include "dialogs/CDialogAbout.h"
#include "dialogs/CDialogBadCsvMsg.h"
#include "dialogs/CDialogBasePointYearExport.h"
#include "dialogs/CDialogBasePointYearImport.h"
#include "dialogs/CDialogBaseYear.h"
#include "dialogs/CDialogBaseYearColor.h"
#include "dialogs/CDialogCalcFromAge.h"
#include "dialogs/CDialogCategory.h"
#include "dialogs/CDialogCategoryTable.h"
#include "dialogs/CDialogDataModify.h"
#include "dialogs/CDialogDisplaySet.h"
#include "dialogs/CDialogExportFileSet.h"
#include "dialogs/CDialogImportCheck.h"
#include "dialogs/CDialogPerson.h"
#include "dialogs/CDialogRangeYear.h"
#include "dialogs/CDialogSetColors.h"
#include "dialogs/CDialogSetFont.h"
#include "model/CDirectPeopleEditor.h"
#include "model/CEditSession.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CRecordingProfile.h"
#include "wxsupport/WxConvert.h"

#include "CFakeColorChooser.h"
#include "CFakeFileChooser.h"
#include "CFakeFontChooser.h"
#include "DialogDriving.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// The mnemonic letter of a text, lower case; 0 for none ("&&" is a plain "&").
wxChar Mnemonic(const wxString& text) {
    for (std::size_t i = 0; i + 1 < text.length(); ++i) {
        if (text[i] == '&') {
            const wxChar next = text[i + 1];
            if (next != '&') {
                return static_cast<wxChar>(wxTolower(next));
            }
            ++i;
        }
    }
    return 0;
}

void Collect(wxWindow& parent, std::vector<wxWindow*>& out) {
    for (wxWindow* child : parent.GetChildren()) {
        out.push_back(child);
        Collect(*child, out);
    }
}

std::vector<wxWindow*> Descendants(wxWindow& dialog) {
    std::vector<wxWindow*> all;
    Collect(dialog, all);
    return all;
}

std::string FocusName() {
    const wxWindow* focus = wxWindow::FindFocus();
    return focus == nullptr ? "nothing" : FromWx(focus->GetLabel()) + " (id " + std::to_string(focus->GetId()) + ")";
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<wxDialog>()> make;
    // Each label's text, and the control its mnemonic must lead to.
    std::map<std::string, int> labels;
};

class DialogMnemonics : public ::testing::Test {
protected:
    DialogMnemonics() { doc.CategoryTable().Add(0x00FF00, "武将", false); }

    std::vector<DialogCase> Cases() {
        const std::map<std::string, int> person = {
            {Str::kPersonName, Id::PersonName},       {Str::kPersonReading, Id::PersonReading},
            {Str::kPersonBirth, Id::PersonBirth},     {Str::kPersonDeath, Id::PersonDeath},
            {Str::kPersonAge, Id::PersonAgeUncertain},
        };
        return {
            {"range", [&] { return std::make_unique<CDialogRangeYear>(nullptr, doc); },
             {{Str::kRangeStart, Id::RangeStart}, {Str::kRangeEnd, Id::RangeEnd}}},
            {"person (add)", [&] { return std::make_unique<CDialogPerson>(nullptr, doc, editor, session, nullptr); },
             person},
            {"person (modify)",
             [&] { return std::make_unique<CDialogPerson>(nullptr, doc, editor, session, &Someone()); }, person},
            {"display", [&] { return std::make_unique<CDialogDisplaySet>(nullptr, doc); },
             {{Str::kDisplayBarLength, Id::DisplayBarLength},
              {Str::kDisplayLeftWidth, Id::DisplayLeftWidth},
              {Str::kDisplayCommentSeparator, Id::DisplayCommentSeparator}}},
            // Dialogs without label mnemonics today: a label given one later is caught here.
            {"calc", [] { return std::make_unique<CDialogCalcFromAge>(nullptr, "1900", "", false); }, {}},
            {"base year",
             [&] { return std::make_unique<CDialogBaseYear>(nullptr, doc, CBaseYearValues::Of(doc.Settings()), colors); },
             {}},
            {"base year color", [&] { return std::make_unique<CDialogBaseYearColor>(nullptr, doc, colors); }, {}},
            {"categories", [&] { return std::make_unique<CDialogCategoryTable>(nullptr, doc.CategoryTable(), 0, colors); },
             {}},
            {"category", [&] { return std::make_unique<CDialogCategory>(nullptr, 0x00FF00, "武将", colors); }, {}},
            {"people", [&] { return std::make_unique<CDialogDataModify>(nullptr, doc, editor, session); }, {}},
            {"colors", [&] { return std::make_unique<CDialogSetColors>(nullptr, doc, colors); }, {}},
            {"fonts", [&] { return std::make_unique<CDialogSetFont>(nullptr, doc, fonts, 96.0); }, {}},
            {"convert", [&] { return std::make_unique<CDialogBasePointYearExport>(nullptr, doc); }, {}},
            {"file names",
             [&] { return std::make_unique<CDialogExportFileSet>(nullptr, std::vector<CBasePointYearTarget>{}, files); }, {}},
            {"import base year", [&] { return std::make_unique<CDialogBasePointYearImport>(nullptr, files); }, {}},
            {"import check", [] { return std::make_unique<CDialogImportCheck>(nullptr, "/tmp/a.csv"); }, {}},
            {"bad csv", [] { return std::make_unique<CDialogBadCsvMsg>(nullptr, "1,2"); }, {}},
            {"about", [] { return std::make_unique<CDialogAbout>(nullptr); }, {}},
        };
    }

    CPerson& Someone() {
        if (doc.People().empty()) {
            auto p = std::make_unique<CPerson>();
            p->name = "徳川家康";
            p->SetBirth(CScaleYear(1543));
            p->SetDeath(CScaleYear(1616));
            p->category = doc.DefaultCategory();
            doc.AppendPerson(std::move(p));
            doc.Sort();
        }
        return *doc.GetDisplayed(0);
    }

    CRecordingHost host;
    CEditSession session;
    CRecordingProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CDirectPeopleEditor editor{doc};
    CFakeColorChooser colors;
    CFakeFontChooser fonts;
    CFakeFileChooser files;
};

}  // namespace

TEST_F(DialogMnemonics, EveryLabelsMnemonicFocusesItsControlAndPressesNothing) {
    SKIP_UNDER_WINE(kWineLosesInput);
    for (const DialogCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<wxDialog> dialog = c.make();
        const std::vector<wxWindow*> controls = Descendants(*dialog);

        std::map<std::string, wxStaticText*> labels;
        std::map<wxChar, int> uses;
        std::map<wxChar, bool> buttonLetters;
        for (wxWindow* w : controls) {
            const wxChar letter = Mnemonic(w->GetLabel());
            if (letter == 0) {
                continue;
            }
            if (auto* label = dynamic_cast<wxStaticText*>(w)) {
                labels[FromWx(label->GetLabel())] = label;
                ++uses[letter];
            } else if (dynamic_cast<wxButton*>(w) != nullptr) {
                buttonLetters[letter] = true;
            }
        }
        for (wxWindow* w : controls) {
            const wxChar letter = Mnemonic(w->GetLabel());
            if (letter != 0 && dynamic_cast<wxButton*>(w) == nullptr) {
                EXPECT_FALSE(buttonLetters.count(letter)) << FromWx(w->GetLabel()) << " shares its key with a button";
            }
        }
        for (const auto& [text, label] : labels) {
            EXPECT_EQ(uses[Mnemonic(label->GetLabel())], 1) << text << ": another label has its key";
            EXPECT_TRUE(c.labels.count(text)) << "a label not in the table: " << text;
        }
        if (c.labels.empty()) {
            continue;
        }

        // Anything pressed is caught here, before the dialog hears of it.
        std::vector<int> pressed;
        dialog->Bind(wxEVT_BUTTON, [&](wxCommandEvent& e) { pressed.push_back(e.GetId()); });
        dialog->Bind(wxEVT_CHECKBOX, [&](wxCommandEvent& e) { pressed.push_back(e.GetId()); });
        dialog->Show();
        ASSERT_TRUE(WaitFor([&] { return dialog->IsShownOnScreen(); }));
        wxWindow* start = dialog->FindWindow(wxID_OK);
        ASSERT_NE(start, nullptr);
        for (const auto& [text, id] : c.labels) {
            SCOPED_TRACE(text);
            ASSERT_TRUE(labels.count(text)) << "no such label";
            wxWindow* target = dialog->FindWindow(id);
            ASSERT_NE(target, nullptr);
            const bool checked = dynamic_cast<wxCheckBox*>(target) != nullptr && Checked(*dialog, id);
            PrepareTyping(*start);
            ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == start; }));
            wxUIActionSimulator().Char(Mnemonic(labels[text]->GetLabel()), wxMOD_ALT);
            EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == target; })) << "the focus is on " << FocusName();
            EXPECT_TRUE(pressed.empty()) << "pressed " << pressed.front();
            pressed.clear();
            if (dynamic_cast<wxCheckBox*>(target) != nullptr) {
                EXPECT_EQ(Checked(*dialog, id), checked) << "ticked by a label";
            }
            EXPECT_TRUE(dialog->IsShown());
        }
        dialog->Hide();
    }
}
