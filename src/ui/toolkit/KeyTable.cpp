#include "ui/toolkit/KeyTable.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace rotamind::keys {

namespace {

// Rows with no control are done by the windows themselves (undo, the guide,
// Tab) and are listed for the guide.
const KeyRow kTable[] = {
    {"0 … 36, Return", nullptr, nullptr, nullptr,
     u"scrive il numero uscito e lo registra (REGISTRA)"},
    {"Alt+O", nullptr, "Radio1", "Radio1", u"sceglie la direzione oraria (O)"},
    {"Alt+A", nullptr, "Radio2", "Radio2", u"sceglie la direzione antioraria (A)"},
    {"Alt+Shift+O", nullptr, "SpeedButton8", nullptr,
     u"PRO: blocca o sblocca la registrazione sui soli tiri orari; bloccato, il lucchetto resta "
     u"premuto"},
    {"Alt+Shift+A", nullptr, "SpeedButton7", nullptr,
     u"PRO: blocca o sblocca la registrazione sui soli tiri antiorari"},
    {"Alt+E", nullptr, "SpeedButton1", "SpeedButton1",
     u"elimina l'ultimo inserimento della prima lista (ORARI in PRO, la sessione attuale in EASY)"},
    {"Alt+Shift+E", nullptr, "SpeedButton2", nullptr,
     u"PRO: elimina l'ultimo inserimento della lista ANTIORARI (in EASY nessun tasto azzera la "
     u"sessione salvata)"},
    {"Alt+N", nullptr, "Button2", "Button2", u"Mostra numeri da puntare"},
    {"Alt+R", nullptr, "SpeedButton4", "SpeedButton7",
     u"mostra o nasconde la ruota con i numeri da puntare"},
    {"Alt+S", nullptr, "SpeedButton3", "SpeedButton3", u"mostra o nasconde le statistiche"},
    {"PgUp", nullptr, "SpeedButton12", "SpeedButton14", u"pagina precedente del primo grafico"},
    {"PgDown", nullptr, "SpeedButton13", "SpeedButton15", u"pagina successiva del primo grafico"},
    {"Ctrl+PgUp", nullptr, "SpeedButton14", "SpeedButton2",
     u"pagina precedente del secondo grafico"},
    {"Ctrl+PgDown", nullptr, "SpeedButton15", "SpeedButton4",
     u"pagina successiva del secondo grafico"},
    {"Ctrl+Z", nullptr, nullptr, nullptr,
     u"annulla l'ultima modifica di una serie (registrazione, eliminazione, azzeramento, "
     u"caricamento): il modo sicuro di correggere un lancio scritto male"},
    {"Ctrl+Y, Ctrl+Shift+Z", nullptr, nullptr, nullptr, u"ripete la modifica annullata"},
    {"F1", nullptr, nullptr, nullptr, u"apre questa guida da PRO o da EASY"},
    {"Tab, Shift+Tab", nullptr, nullptr, nullptr,
     u"passano al controllo seguente o precedente, riga per riga da sinistra a destra"},
    {"Esc", nullptr, nullptr, nullptr, u"chiude la guida"},
    {"P", "Button1", nullptr, nullptr, u"nella finestra iniziale: apre Pro"},
    {"Return", "Button1", nullptr, nullptr, u"nella finestra iniziale: apre Pro"},
    {"E", "Button2", nullptr, nullptr, u"nella finestra iniziale: apre Easy"},
};

// Qt's own names that the Italian keyboard calls otherwise.
const struct {
    const char16_t* qt;
    const char16_t* italian;
} kNames[] = {
    {u"Shift", u"Maiusc"}, {u"Return", u"Invio"},  {u"Enter", u"Invio"},
    {u"PgUp", u"PagSu"},   {u"PgDown", u"PagGiù"}, {u"Left", u"←"},
    {u"Right", u"→"},      {u"Del", u"Canc"},      {u"Backspace", u"Backspace"},
};

QString italianPart(const QString& part) {
    for (const auto& name : kNames)
        if (part == QStringView(name.qt))
            return QString::fromUtf16(name.italian);
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
                QString::fromUtf16(row.what).toHtmlEscaped() + u"</td></tr>\n"_s;
    }
    return html;
}

} // namespace rotamind::keys
