#pragma once

class QCoreApplication;
class QObject;

namespace rotamind {

// Installs Qt's own Italian texts (qtbase_it from Qt's translations folder),
// so the buttons and questions of the standard dialogs and message boxes read
// in Italian like the rest of the program. False when the file is missing:
// the program then goes on with Qt's English texts.
bool installItalianTranslations(QCoreApplication& app);

// Installs the program's English texts (rotamind_en.qm, installed beside the
// program's other data, or the one the build made). The program's own texts
// are written in Italian, so Italian needs no file. False when the file is
// not found: the program then speaks Italian.
bool installEnglishTranslations(QCoreApplication& app);

// The translation context of `object`'s texts: its class name without the
// namespace ("TPRO"), the context its tables and windows mark them with.
const char* translationContext(const QObject* object);

} // namespace rotamind
