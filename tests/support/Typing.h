#pragma once
// Typing as a keyboard does, through the toolkit's own text insertion.

#include <string>

class wxGrid;
class wxWindow;

// Types `text` over what a text or spin control holds, a character at a time;
// a spin control then takes the text as leaving it does.
void type(wxWindow* control, const std::string& text);

// Shows the grid's window, opens the editor of a cell and types `text` into
// it, without Enter.
void typeInCell(wxGrid* grid, int row, int col, const std::string& text);
