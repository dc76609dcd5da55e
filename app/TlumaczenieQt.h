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

} // namespace orbaklaw
