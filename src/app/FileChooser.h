#pragma once
// Choosing a file for the commands that load and save. The program asks
// through a file dialog; tests replace the chooser, because a file dialog
// answered by the test hook returns no path.

#include <functional>

#include <wx/filedlg.h>
#include <wx/string.h>

class wxWindow;

// Asks for a file: parent window, message, wildcard and wxFileDialog style.
// Returns the chosen path, or an empty string when the user cancelled.
using FileChooser = std::function<wxString(wxWindow* parent, const wxString& message,
                                           const wxString& wildcard, long style)>;

wxString chooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style);

// Installs another chooser (an empty function restores the file dialog) and
// returns the one installed before.
FileChooser setFileChooser(FileChooser chooser);
