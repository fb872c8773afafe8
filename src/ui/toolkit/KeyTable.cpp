#include "ui/toolkit/KeyTable.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace rotamind::keys {

namespace {

// Rows with no control are done by the windows themselves (undo, the guide,
// Tab) and are listed for the guide.
const KeyRow kTable[] = {
    {"0 … 36, Return", nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("KeyTable", "scrive il numero uscito e lo registra (REGISTRA)")},
    {"Alt+O", nullptr, "Radio1", "Radio1",
     QT_TRANSLATE_NOOP("KeyTable", "sceglie la direzione oraria (O)")},
    {"Alt+A", nullptr, "Radio2", "Radio2",
     QT_TRANSLATE_NOOP("KeyTable", "sceglie la direzione antioraria (A)")},
    {"Alt+Shift+O", nullptr, "SpeedButton8", nullptr,
     QT_TRANSLATE_NOOP(
         "KeyTable",
         "PRO: blocca o sblocca la registrazione sui soli tiri orari; bloccato, il lucchetto resta "
         "premuto")},
    {"Alt+Shift+A", nullptr, "SpeedButton7", nullptr,
     QT_TRANSLATE_NOOP("KeyTable",
                       "PRO: blocca o sblocca la registrazione sui soli tiri antiorari")},
    {"Alt+E", nullptr, "SpeedButton1", "SpeedButton1",
     QT_TRANSLATE_NOOP("KeyTable", "elimina l'ultimo inserimento della prima lista (ORARI in PRO, "
                                   "la sessione attuale in EASY)")},
    {"Alt+Shift+E", nullptr, "SpeedButton2", nullptr,
     QT_TRANSLATE_NOOP(
         "KeyTable",
         "PRO: elimina l'ultimo inserimento della lista ANTIORARI (in EASY nessun tasto azzera la "
         "sessione salvata)")},
    {"Alt+N", nullptr, "Button2", "Button2",
     QT_TRANSLATE_NOOP("KeyTable", "Mostra numeri da puntare")},
    {"Alt+R", nullptr, "SpeedButton4", "SpeedButton7",
     QT_TRANSLATE_NOOP("KeyTable", "mostra o nasconde la ruota con i numeri da puntare")},
    {"Alt+S", nullptr, "SpeedButton3", "SpeedButton3",
     QT_TRANSLATE_NOOP("KeyTable", "mostra o nasconde le statistiche")},
    {"PgUp", nullptr, "SpeedButton12", "SpeedButton14",
     QT_TRANSLATE_NOOP("KeyTable", "pagina precedente del primo grafico")},
    {"PgDown", nullptr, "SpeedButton13", "SpeedButton15",
     QT_TRANSLATE_NOOP("KeyTable", "pagina successiva del primo grafico")},
    {"Ctrl+PgUp", nullptr, "SpeedButton14", "SpeedButton2",
     QT_TRANSLATE_NOOP("KeyTable", "pagina precedente del secondo grafico")},
    {"Ctrl+PgDown", nullptr, "SpeedButton15", "SpeedButton4",
     QT_TRANSLATE_NOOP("KeyTable", "pagina successiva del secondo grafico")},
    {"Ctrl+Z", nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP(
         "KeyTable",
         "annulla l'ultima modifica di una serie (registrazione, eliminazione, azzeramento, "
         "caricamento): il modo sicuro di correggere un lancio scritto male")},
    {"Ctrl+Y, Ctrl+Shift+Z", nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("KeyTable", "ripete la modifica annullata")},
    {"F1", nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("KeyTable", "apre questa guida da PRO o da EASY")},
    {"Tab, Shift+Tab", nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP(
         "KeyTable",
         "passano al controllo seguente o precedente, riga per riga da sinistra a destra")},
    {"Esc", nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("KeyTable", "chiude la guida")},
    {"P", "Button1", nullptr, nullptr,
     QT_TRANSLATE_NOOP("KeyTable", "nella finestra iniziale: apre Pro")},
    {"Return", "Button1", nullptr, nullptr,
     QT_TRANSLATE_NOOP("KeyTable", "nella finestra iniziale: apre Pro")},
    {"E", "Button2", nullptr, nullptr,
     QT_TRANSLATE_NOOP("KeyTable", "nella finestra iniziale: apre Easy")},
};

// Qt's own names that the Italian keyboard calls otherwise.
const struct {
    const char16_t* qt;
    const char* italian;
} kNames[] = {
    {u"Shift", QT_TRANSLATE_NOOP("KeyTable", "Maiusc")},
    {u"Return", QT_TRANSLATE_NOOP("KeyTable", "Invio")},
    {u"Enter", QT_TRANSLATE_NOOP("KeyTable", "Invio")},
    {u"PgUp", QT_TRANSLATE_NOOP("KeyTable", "PagSu")},
    {u"PgDown", QT_TRANSLATE_NOOP("KeyTable", "PagGiù")},
    {u"Left", "←"},
    {u"Right", "→"},
    {u"Del", QT_TRANSLATE_NOOP("KeyTable", "Canc")},
    {u"Backspace", "Backspace"},
};

QString italianPart(const QString& part) {
    for (const auto& name : kNames)
        if (part == QStringView(name.qt))
            return QCoreApplication::translate("KeyTable", name.italian);
    return part;
}

} // namespace

std::span<const KeyRow> table() {
    return kTable;
}

const char* controlIn(const KeyRow& row, const QString& window) {
    if (window == u"INTRO")
        return row.intro;
    if (window == u"PRO")
        return row.pro;
    if (window == u"EASY")
        return row.easy;
    return nullptr;
}

QString italianText(const QKeySequence& key) {
    // Portable text is Qt's English whatever the locale: "Alt+Shift+PgUp".
    QStringList parts = key.toString(QKeySequence::PortableText).split(u'+');
    for (QString& part : parts)
        part = italianPart(part);
    return parts.join(u'+');
}

QString guideRows() {
    QString html;
    for (const KeyRow& row : kTable) {
        QStringList keys;
        for (const QString& one : QString::fromUtf8(row.keys).split(u", "_s)) {
            // "0 … 36" is no key sequence; it stays as written.
            const QKeySequence sequence(one, QKeySequence::PortableText);
            const bool isKey = sequence.toString(QKeySequence::PortableText) == one;
            keys << u"<b>"_s + (isKey ? italianText(sequence) : one) + u"</b>"_s;
        }
        html += u"<tr><td>"_s + keys.join(u", "_s) + u"</td><td>"_s +
                QCoreApplication::translate("KeyTable", row.what).toHtmlEscaped() +
                u"</td></tr>\n"_s;
    }
    return html;
}

} // namespace rotamind::keys
