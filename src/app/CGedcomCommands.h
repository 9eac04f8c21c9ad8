// The document's two GEDCOM commands, with their update handlers:
// "GEDCOMファイルの読み込み..." and "GEDCOMファイルの書き込み...". The import
// asks for the file, then the grouping and 数え年 in its dialog, reads with
// a progress window for files of kProgressBytes or more (a cancel adds
// nothing), adds the people as one step of "元に戻す", and shows what it
// did not use. The export writes GEDCOM 5.5.1 in UTF-8. The wx document
// owns one, beside its other interchange commands:
//
//   gedcom_ = std::make_unique<CGedcomCommands>(*this);
//   gedcom_->BindTo(*this);
#pragma once

#include <cstddef>
#include <cstdint>

class CWxDocument;
class wxEvtHandler;
class wxUpdateUIEvent;
class wxWindow;

class CGedcomCommands {
public:
    static constexpr std::uintmax_t kProgressBytes = 256 * 1024;
    static constexpr std::size_t kProgressPeople = 5000;

    explicit CGedcomCommands(CWxDocument& doc);
    CGedcomCommands(const CGedcomCommands&) = delete;
    CGedcomCommands& operator=(const CGedcomCommands&) = delete;

    void BindTo(wxEvtHandler& handler);

    void OnImportGedcom();
    void OnExportGedcom();
    void OnUpdateNeedsPeople(wxUpdateUIEvent& event);

private:
    wxWindow* Parent() const;

    CWxDocument& doc_;
};
