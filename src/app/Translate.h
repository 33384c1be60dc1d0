#pragma once
// Labels written in the source as UTF-8 ("°", "²", "³") pass through the
// translation call without the narrow conversion of the C locale.

#include <wx/intl.h>
#include <wx/string.h>

inline wxString tr(const char* utf8)
{
    return wxGetTranslation(wxString::FromUTF8(utf8));
}
