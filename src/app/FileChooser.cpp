#include "FileChooser.h"

#include <utility>

#include <wx/filedlg.h>

namespace {

wxString chooseWithDialog(wxWindow* parent, const wxString& message, const wxString& wildcard, long style)
{
    wxFileDialog dialog(parent, message, wxEmptyString, wxEmptyString, wildcard, style);
    if (dialog.ShowModal() == wxID_CANCEL)
        return wxString();
    return dialog.GetPath();
}

FileChooser& installedChooser()
{
    static FileChooser chooser;
    return chooser;
}

} // namespace

wxString chooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style)
{
    const FileChooser& chooser = installedChooser();
    return chooser ? chooser(parent, message, wildcard, style) : chooseWithDialog(parent, message, wildcard, style);
}

FileChooser setFileChooser(FileChooser chooser)
{
    return std::exchange(installedChooser(), std::move(chooser));
}
