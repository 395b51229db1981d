#pragma once

class TMainForm1;

// The main form's stored layout: creates every control back to front with its position, size, colours,
// fonts, captions, hints, groups and cursor, and binds each control's events to the form's handlers.
void CreateMainForm1Layout(TMainForm1& form);
// The text view over the board, made on its first showing: the program starts sooner without it.
void CreateMainForm1TextView(TMainForm1& form);
