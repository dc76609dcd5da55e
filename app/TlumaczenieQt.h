#pragma once
// Qt's own dialogs (files, printing, fonts, colours) and standard buttons
// speak Polish with the rest of the program, whatever the user's locale.

class QTranslator;

namespace orbaklaw {

// Loads Qt's Polish translation (qtbase_pl) into `tlumacz`: from the
// "translations" folder beside the program when it ships one, else from
// Qt's own translations folder. False when neither has it; Qt then speaks
// English.
bool WczytajTlumaczenieQt(QTranslator& tlumacz);

// Qt's file dialogs give sizes and dates in the system's locale, which Qt on
// Linux takes from the environment: named Polish before the application
// object exists, they are Polish whatever the user's locale (the user's
// character set is kept).
void UstawPolskiRegionQt();
// Once the application object has set the C library from that environment:
// its numbers, dates and messages go back to those of C, which the
// program's files and texts use.
void PrzywrocRegionC();

} // namespace orbaklaw
