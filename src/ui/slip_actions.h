#pragma once
// The slip and tip-file actions of the main window: "Schein drucken" (the print settings, then
// the slip of the grid's rows in the print preview), saving and loading the grid's rows as a tip
// file, and the unattended print of a tip file from the command line.
class QString;

namespace razoz {

class TForm1;

int printSlip(TForm1& form);
// After a per-date tip file the dialog starts in its folder, as it does for that file's name.
void saveTipRows(TForm1& form);
// The current draw is selected again and the grid checked, whether or not a file was loaded.
void loadTipRows(TForm1& form);
// The file into the grid and the slip printed; a file that cannot be read is named in an error
// and nothing is printed.
void printTipFile(TForm1& form, const QString& path);

} // namespace razoz
