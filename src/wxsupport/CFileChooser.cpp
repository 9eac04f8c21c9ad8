#include "wxsupport/CFileChooser.h"

#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

CFileChooser::Request CFileChooser::ExportRequest(wxWindow* parent, const std::filesystem::path& proposed,
                                                  const wxString& wildcard, const wxString& extension) {
    Request request;
    request.parent = parent;
    request.title = ToWx(Str::kSaveAsTitle);
    request.defaultDir = PathToWx(proposed.parent_path());
    request.defaultFile = PathToWx(proposed.filename());
    request.wildcard = wildcard;
    request.defaultExtension = extension;
    request.promptOverwrite = true;
    return request;
}
