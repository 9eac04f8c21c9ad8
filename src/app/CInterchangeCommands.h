// The document's four interchange commands, with their update handlers:
// 22802 "CSVファイルの読み込み", 22803 "CSVファイルの書き込み", 22793
// "Annalixデータの取り込み..." and 22794 "Annalixデータへ変換...". Each asks
// through its dialogs, then lets the core's transfer read or write; messages
// about single files and lines come from the core through the document's
// host. The wx document owns one and routes the commands here:
//
//   interchange_ = std::make_unique<CInterchangeCommands>(*this);
//   interchange_->BindTo(*this);
//
// Work of kProgressLines CSV lines or more (for a file to read:
// kProgressBytes) or kProgressFiles base-point year files or more gets a
// progress window with a cancel button; a cancelled import adds nothing, a
// cancelled CSV export writes nothing, a cancelled conversion keeps the
// files already written. Each import that adds people is one step that
// "元に戻す" takes back whole.
#pragma once

#include <cstddef>
#include <cstdint>

class CFileChooser;
class CWxDocument;
class wxEvtHandler;
class wxUpdateUIEvent;
class wxWindow;

class CInterchangeCommands {
public:
    // Below these the work is over in a blink. Each file is written safely
    // (a temporary file renamed over the old one), about half a millisecond
    // apiece, so files get a window much sooner than lines.
    static constexpr std::size_t kProgressLines = 2000;
    static constexpr std::uintmax_t kProgressBytes = 128 * 1024;
    static constexpr std::size_t kProgressFiles = 500;

    explicit CInterchangeCommands(CWxDocument& doc);
    CInterchangeCommands(const CInterchangeCommands&) = delete;
    CInterchangeCommands& operator=(const CInterchangeCommands&) = delete;

    // Routes the four commands and their update handlers of handler (the document) here.
    void BindTo(wxEvtHandler& handler);

    void OnImportCsv();
    void OnExportCsv();
    void OnImportBasePointYears();
    void OnExportBasePointYears();
    // The exports need someone to export.
    void OnUpdateNeedsPeople(wxUpdateUIEvent& event);

private:
    // The people the import just appended, the last added of the stored
    // order, become one step of the document's undo list, done already.
    wxWindow* Parent() const;
    CFileChooser& Chooser() const;

    CWxDocument& doc_;
};
