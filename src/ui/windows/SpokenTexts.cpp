#include "ui/windows/SpokenTexts.h"

#include "ui/toolkit/Translations.h"

#include <QWidget>
#include <QtGlobal>

#include <cstring>
#include <span>

namespace rotamind::spoken {
namespace {

const Control kTINTRO[] = {
    {"Lingua", QT_TRANSLATE_NOOP("TINTRO", "Lingua"),
     QT_TRANSLATE_NOOP("TINTRO", "Lingua dei testi, dal prossimo avvio")},
    {"Button1", QT_TRANSLATE_NOOP("TINTRO", "Pro"),
     QT_TRANSLATE_NOOP("TINTRO", "Apre la versione Professional (P o Invio)")},
    {"Button2", QT_TRANSLATE_NOOP("TINTRO", "Easy"),
     QT_TRANSLATE_NOOP("TINTRO", "Apre il metodo Rotamind originale (E)")},
    {"SEGNI", QT_TRANSLATE_NOOP("TINTRO", "Segni oltre ai colori"),
     QT_TRANSLATE_NOOP("TINTRO",
                       "Cornici, tratteggi e simboli accanto ai colori che hanno un significato")},
    {"RESTORE", QT_TRANSLATE_NOOP("TINTRO", "Ripristina sessione"),
     QT_TRANSLATE_NOOP("TINTRO", "Riapre la sessione lasciata senza salvarla")},
    {"RESTORE2", QT_TRANSLATE_NOOP("TINTRO", "Ripristina l'altra sessione"),
     QT_TRANSLATE_NOOP("TINTRO", "Riapre la sessione dell'altro modo lasciata senza salvarla")},
};

const Control kTPRO[] = {
    {"Combo1", QT_TRANSLATE_NOOP("TPRO", "Numero uscito"),
     QT_TRANSLATE_NOOP("TPRO",
                       "Il numero dell'ultimo lancio: scrivilo e premi Invio per registrarlo")},
    {"Radio1", QT_TRANSLATE_NOOP("TPRO", "Senso orario (O)"),
     QT_TRANSLATE_NOOP("TPRO", "Il prossimo lancio è registrato in senso orario")},
    {"Radio2", QT_TRANSLATE_NOOP("TPRO", "Senso antiorario (A)"),
     QT_TRANSLATE_NOOP("TPRO", "Il prossimo lancio è registrato in senso antiorario")},
    {"Button11", QT_TRANSLATE_NOOP("TPRO", "Registra"),
     QT_TRANSLATE_NOOP("TPRO", "Registra il numero uscito con la direzione scelta")},
    {"n1", QT_TRANSLATE_NOOP("TPRO", "Ultimo numero sortito"),
     QT_TRANSLATE_NOOP("TPRO", "Il più recente dei due ultimi numeri sortiti")},
    {"n2", QT_TRANSLATE_NOOP("TPRO", "Penultimo numero sortito"),
     QT_TRANSLATE_NOOP("TPRO", "Il numero sortito prima dell'ultimo")},
    {"P", QT_TRANSLATE_NOOP("TPRO", "Ultimo numero per la puntata"),
     QT_TRANSLATE_NOOP("TPRO", "Il numero da cui si contano i sei numeri da puntare")},
    {"D", QT_TRANSLATE_NOOP("TPRO", "Distanza"),
     QT_TRANSLATE_NOOP("TPRO",
                       "La classe di distanza dei numeri da puntare: 3, 2, 1, -1, -2 o -3")},
    {"Button2", QT_TRANSLATE_NOOP("TPRO", "Mostra numeri da puntare"),
     QT_TRANSLATE_NOOP("TPRO", "Calcola i sei numeri da puntare e i sei opposti (Alt+N)")},
    {"GUIDA", QT_TRANSLATE_NOOP("TPRO", "Guida"), QT_TRANSLATE_NOOP("TPRO", "Apre la guida (F1)")},
    {"Edit1", QT_TRANSLATE_NOOP("TPRO", "Sito di gioco"),
     QT_TRANSLATE_NOOP("TPRO", "Il sito o la sala del tavolo, per i nomi dei file")},
    {"Edit2", QT_TRANSLATE_NOOP("TPRO", "Nome del croupier"),
     QT_TRANSLATE_NOOP("TPRO", "Il croupier che lancia, per i nomi dei file")},
    {"UNDO", QT_TRANSLATE_NOOP("TPRO", "Annulla"),
     QT_TRANSLATE_NOOP("TPRO", "Annulla l'ultima modifica della sessione (Ctrl+Z)")},
    {"REDO", QT_TRANSLATE_NOOP("TPRO", "Ripeti"),
     QT_TRANSLATE_NOOP("TPRO", "Ripete la modifica annullata (Ctrl+Y)")},
    {"ARCHIVIO", QT_TRANSLATE_NOOP("TPRO", "Archivio sessioni"),
     QT_TRANSLATE_NOOP("TPRO", "Apre l'archivio delle sessioni")},
    {"SpeedButton3", QT_TRANSLATE_NOOP("TPRO", "Statistiche"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra o nasconde le statistiche (Alt+S)")},
    {"SpeedButton5", QT_TRANSLATE_NOOP("TPRO", "Azzera sessione"),
     QT_TRANSLATE_NOOP("TPRO", "Cancella la sessione dopo una conferma")},
    {"PageControl1", QT_TRANSLATE_NOOP("TPRO", "Pagine delle statistiche"),
     QT_TRANSLATE_NOOP("TPRO", "Statistiche classiche, analisi e contatti")},
    {"SpeedButton4", QT_TRANSLATE_NOOP("TPRO", "Roulette"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra o nasconde la ruota con i numeri da puntare (Alt+R)")},
    {"List1", QT_TRANSLATE_NOOP("TPRO", "Spin ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Le classi dei lanci in senso orario, dal più vecchio")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("TPRO", "Elimina ultimo ORARIO"),
     QT_TRANSLATE_NOOP("TPRO", "Elimina l'ultima classe degli spin orari (Alt+E)")},
    {"SpeedButton12", QT_TRANSLATE_NOOP("TPRO", "Pagina precedente ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina precedente del grafico orario (PagSu)")},
    {"SpeedButton13", QT_TRANSLATE_NOOP("TPRO", "Pagina successiva ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina successiva del grafico orario (PagGiù)")},
    {"List2", QT_TRANSLATE_NOOP("TPRO", "Spin ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Le classi dei lanci in senso antiorario, dal più vecchio")},
    {"SpeedButton2", QT_TRANSLATE_NOOP("TPRO", "Elimina ultimo ANTIORARIO"),
     QT_TRANSLATE_NOOP("TPRO", "Elimina l'ultima classe degli spin antiorari (Alt+Maiusc+E)")},
    {"SpeedButton14", QT_TRANSLATE_NOOP("TPRO", "Pagina precedente ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina precedente del grafico antiorario (Ctrl+PagSu)")},
    {"SpeedButton15", QT_TRANSLATE_NOOP("TPRO", "Pagina successiva ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina successiva del grafico antiorario (Ctrl+PagGiù)")},
    {"SpeedButton8", QT_TRANSLATE_NOOP("TPRO", "Blocco su ORARIO"),
     QT_TRANSLATE_NOOP("TPRO",
                       "Registra solo lanci orari finché non si preme di nuovo (Alt+Maiusc+O)")},
    {"SpeedButton7", QT_TRANSLATE_NOOP("TPRO", "Blocco su ANTIORARIO"),
     QT_TRANSLATE_NOOP(
         "TPRO", "Registra solo lanci antiorari finché non si preme di nuovo (Alt+Maiusc+A)")},
    {"Button4", QT_TRANSLATE_NOOP("TPRO", "Vai a Easy"),
     QT_TRANSLATE_NOOP("TPRO", "Passa alla versione Easy")},
    {"Button8", QT_TRANSLATE_NOOP("TPRO", "Carica sessione ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Carica da un file la sessione degli spin orari")},
    {"Button5", QT_TRANSLATE_NOOP("TPRO", "Salva sessione ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva in un file la sessione degli spin orari")},
    {"Button3", QT_TRANSLATE_NOOP("TPRO", "Salva grafico ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva come immagine la pagina del grafico orario")},
    {"Button1", QT_TRANSLATE_NOOP("TPRO", "Carica sessione ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Carica da un file la sessione degli spin antiorari")},
    {"Button9", QT_TRANSLATE_NOOP("TPRO", "Salva sessione ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva in un file la sessione degli spin antiorari")},
    {"Button10", QT_TRANSLATE_NOOP("TPRO", "Salva grafico ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva come immagine la pagina del grafico antiorario")},
    {"SpeedButton10", QT_TRANSLATE_NOOP("TPRO", "Salvataggi automatici"),
     QT_TRANSLATE_NOOP("TPRO", "Apre la gestione dei salvataggi automatici")},
};

const Control kTEASY[] = {
    {"Combo1", QT_TRANSLATE_NOOP("TEASY", "Numero uscito"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Il numero dell'ultimo lancio: scrivilo e premi Invio per registrarlo")},
    {"Radio1", QT_TRANSLATE_NOOP("TEASY", "Senso orario (O)"),
     QT_TRANSLATE_NOOP("TEASY", "Il prossimo lancio è registrato in senso orario")},
    {"Radio2", QT_TRANSLATE_NOOP("TEASY", "Senso antiorario (A)"),
     QT_TRANSLATE_NOOP("TEASY", "Il prossimo lancio è registrato in senso antiorario")},
    {"Button11", QT_TRANSLATE_NOOP("TEASY", "Registra"),
     QT_TRANSLATE_NOOP("TEASY", "Registra il numero uscito con la direzione scelta")},
    {"n1", QT_TRANSLATE_NOOP("TEASY", "Ultimo numero sortito"),
     QT_TRANSLATE_NOOP("TEASY", "Il più recente dei due ultimi numeri sortiti")},
    {"n2", QT_TRANSLATE_NOOP("TEASY", "Penultimo numero sortito"),
     QT_TRANSLATE_NOOP("TEASY", "Il numero sortito prima dell'ultimo")},
    {"P", QT_TRANSLATE_NOOP("TEASY", "Ultimo numero per la puntata"),
     QT_TRANSLATE_NOOP("TEASY", "Il numero da cui si contano i sei numeri da puntare")},
    {"D", QT_TRANSLATE_NOOP("TEASY", "Distanza"),
     QT_TRANSLATE_NOOP("TEASY",
                       "La classe di distanza dei numeri da puntare: 3, 2, 1, -1, -2 o -3")},
    {"Button2", QT_TRANSLATE_NOOP("TEASY", "Mostra numeri da puntare"),
     QT_TRANSLATE_NOOP("TEASY", "Calcola i sei numeri da puntare e i sei opposti (Alt+N)")},
    {"GUIDA", QT_TRANSLATE_NOOP("TEASY", "Guida"),
     QT_TRANSLATE_NOOP("TEASY", "Apre la guida (F1)")},
    {"Edit1", QT_TRANSLATE_NOOP("TEASY", "Sito di gioco"),
     QT_TRANSLATE_NOOP("TEASY", "Il sito o la sala del tavolo, per i nomi dei file")},
    {"Edit2", QT_TRANSLATE_NOOP("TEASY", "Nome del croupier"),
     QT_TRANSLATE_NOOP("TEASY", "Il croupier che lancia, per i nomi dei file")},
    {"UNDO", QT_TRANSLATE_NOOP("TEASY", "Annulla"),
     QT_TRANSLATE_NOOP("TEASY", "Annulla l'ultima modifica della sessione (Ctrl+Z)")},
    {"REDO", QT_TRANSLATE_NOOP("TEASY", "Ripeti"),
     QT_TRANSLATE_NOOP("TEASY", "Ripete la modifica annullata (Ctrl+Y)")},
    {"ARCHIVIO", QT_TRANSLATE_NOOP("TEASY", "Archivio sessioni"),
     QT_TRANSLATE_NOOP("TEASY", "Apre l'archivio delle sessioni")},
    {"SpeedButton3", QT_TRANSLATE_NOOP("TEASY", "Statistiche"),
     QT_TRANSLATE_NOOP("TEASY", "Mostra o nasconde le statistiche (Alt+S)")},
    {"SpeedButton5", QT_TRANSLATE_NOOP("TEASY", "Azzera sessione"),
     QT_TRANSLATE_NOOP("TEASY", "Cancella la sessione dopo una conferma")},
    {"PageControl1", QT_TRANSLATE_NOOP("TEASY", "Pagine delle statistiche"),
     QT_TRANSLATE_NOOP("TEASY", "Statistiche classiche, analisi e contatti")},
    {"SpeedButton5", QT_TRANSLATE_NOOP("TEASY", "Azzera sessione attuale"),
     QT_TRANSLATE_NOOP("TEASY", "Cancella la sessione attuale; Ctrl+Z la ripristina")},
    {"SpeedButton7", QT_TRANSLATE_NOOP("TEASY", "Roulette"),
     QT_TRANSLATE_NOOP("TEASY", "Mostra o nasconde la ruota con i numeri da puntare (Alt+R)")},
    {"List1", QT_TRANSLATE_NOOP("TEASY", "Sessione attuale"),
     QT_TRANSLATE_NOOP("TEASY", "Le classi dei lanci della sessione attuale, dal più vecchio")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("TEASY", "Elimina ultimo inserimento"),
     QT_TRANSLATE_NOOP("TEASY", "Elimina l'ultima classe della sessione attuale (Alt+E)")},
    {"SpeedButton14", QT_TRANSLATE_NOOP("TEASY", "Pagina precedente attuale"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Mostra la pagina precedente del grafico della sessione attuale (PagSu)")},
    {"SpeedButton15", QT_TRANSLATE_NOOP("TEASY", "Pagina successiva attuale"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Mostra la pagina successiva del grafico della sessione attuale (PagGiù)")},
    {"List2", QT_TRANSLATE_NOOP("TEASY", "Sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Le classi della sessione salvata, dalla più vecchia")},
    {"SpeedButton8", QT_TRANSLATE_NOOP("TEASY", "Azzera sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Toglie la sessione salvata")},
    {"SpeedButton2", QT_TRANSLATE_NOOP("TEASY", "Pagina precedente salvata"),
     QT_TRANSLATE_NOOP(
         "TEASY", "Mostra la pagina precedente del grafico della sessione salvata (Ctrl+PagSu)")},
    {"SpeedButton4", QT_TRANSLATE_NOOP("TEASY", "Pagina successiva salvata"),
     QT_TRANSLATE_NOOP(
         "TEASY", "Mostra la pagina successiva del grafico della sessione salvata (Ctrl+PagGiù)")},
    {"SpeedButton6", QT_TRANSLATE_NOOP("TEASY", "Supporto online"),
     QT_TRANSLATE_NOOP("TEASY", "Apre la pagina dei contatti")},
    {"Button1", QT_TRANSLATE_NOOP("TEASY", "Vai a PRO"),
     QT_TRANSLATE_NOOP("TEASY", "Passa alla versione PRO")},
    {"Button4", QT_TRANSLATE_NOOP("TEASY", "Carica sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Carica da un file la sessione salvata, da confrontare")},
    {"Button5", QT_TRANSLATE_NOOP("TEASY", "Salva sessione attuale"),
     QT_TRANSLATE_NOOP("TEASY", "Salva in un file la sessione attuale")},
    {"Button3", QT_TRANSLATE_NOOP("TEASY", "Salva grafico attuale"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Salva come immagine la pagina del grafico della sessione attuale")},
    {"Button8", QT_TRANSLATE_NOOP("TEASY", "Carica sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Carica da un file la sessione salvata, da confrontare")},
};

const Control kTARCHIVIO[] = {
    {"Edit1", QT_TRANSLATE_NOOP("TARCHIVIO", "Filtro sito"),
     QT_TRANSLATE_NOOP("TARCHIVIO",
                       "Mostra solo le sessioni dei siti che contengono questo testo")},
    {"Edit2", QT_TRANSLATE_NOOP("TARCHIVIO", "Filtro croupier"),
     QT_TRANSLATE_NOOP("TARCHIVIO",
                       "Mostra solo le sessioni dei croupier che contengono questo testo")},
    {"Aggiorna", QT_TRANSLATE_NOOP("TARCHIVIO", "Aggiorna"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Rilegge l'archivio")},
    {"Grid1", QT_TRANSLATE_NOOP("TARCHIVIO", "Sessioni archiviate"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Data, modo, sito, croupier e lanci di ogni sessione")},
    {"EsportaSessione", QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta sessione"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta la sessione scelta come file di sessione")},
    {"Combo1", QT_TRANSLATE_NOOP("TARCHIVIO", "Serie"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "La serie della sessione da caricare in EASY")},
    {"CaricaInEasy", QT_TRANSLATE_NOOP("TARCHIVIO", "Carica in EASY"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Carica la serie scelta nella sessione salvata di EASY")},
    {"Chiudi", QT_TRANSLATE_NOOP("TARCHIVIO", "Chiudi"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Chiude l'archivio")},
    {"EsportaCsvScelte", QT_TRANSLATE_NOOP("TARCHIVIO", "CSV delle scelte"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta in un file CSV le sessioni scelte")},
    {"EsportaCsvTutte", QT_TRANSLATE_NOOP("TARCHIVIO", "CSV di tutte"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta in un file CSV tutte le sessioni elencate")},
    {"ImportaCsv", QT_TRANSLATE_NOOP("TARCHIVIO", "Importa"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Importa sessioni da un file CSV o da numeri incollati")},
};

const Control kSessionImportDialog[] = {
    {"ScegliFile", QT_TRANSLATE_NOOP("SessionImportDialog", "Apri file CSV"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Sceglie un file CSV esportato dall'archivio")},
    {"TestoIncollato", QT_TRANSLATE_NOOP("SessionImportDialog", "Numeri incollati"),
     QT_TRANSLATE_NOOP("SessionImportDialog",
                       "I numeri usciti, uno per lancio, con O o A accanto se c'è la direzione")},
    {"ModoIncollato", QT_TRANSLATE_NOOP("SessionImportDialog", "Modo"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "La finestra in cui si apre la sessione")},
    {"DirezioneIncollata", QT_TRANSLATE_NOOP("SessionImportDialog", "Direzione"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Dove si legge la direzione di ogni lancio")},
    {"PiuRecentePrimo",
     QT_TRANSLATE_NOOP("SessionImportDialog", "Il primo numero è il più recente"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Come li mostra il tabellone di un tavolo dal vivo")},
    {"SitoIncollato", QT_TRANSLATE_NOOP("SessionImportDialog", "Sito"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Il sito della sessione importata")},
    {"CroupierIncollato", QT_TRANSLATE_NOOP("SessionImportDialog", "Croupier"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Il croupier della sessione importata")},
    {"Anteprima", QT_TRANSLATE_NOOP("SessionImportDialog", "Anteprima"),
     QT_TRANSLATE_NOOP("SessionImportDialog",
                       "I primi lanci, con la classe che la ruota dà a ciascuno")},
    {"RigheRifiutate", QT_TRANSLATE_NOOP("SessionImportDialog", "Righe rifiutate"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Le righe che non possono entrare, con il motivo")},
    {"Importa", QT_TRANSLATE_NOOP("SessionImportDialog", "Importa"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Aggiunge le sessioni all'archivio e apre l'ultima")},
    {"Annulla", QT_TRANSLATE_NOOP("SessionImportDialog", "Annulla"),
     QT_TRANSLATE_NOOP("SessionImportDialog", "Chiude senza importare")},
};

const Control kTSALVA[] = {
    {"Button1", QT_TRANSLATE_NOOP("TSALVA", "Cartella"),
     QT_TRANSLATE_NOOP("TSALVA", "Sceglie la cartella dei salvataggi automatici")},
    {"Edit1", QT_TRANSLATE_NOOP("TSALVA", "Cartella dei salvataggi"),
     QT_TRANSLATE_NOOP("TSALVA", "La cartella in cui si salva; vuota finché non è scelta")},
    {"Combo1", QT_TRANSLATE_NOOP("TSALVA", "Intervallo in minuti"),
     QT_TRANSLATE_NOOP("TSALVA", "Ogni quanti minuti si salva")},
    {"Radio1", QT_TRANSLATE_NOOP("TSALVA", "Attivo"),
     QT_TRANSLATE_NOOP("TSALVA", "I salvataggi automatici sono in corso")},
    {"Radio2", QT_TRANSLATE_NOOP("TSALVA", "Disattivo"),
     QT_TRANSLATE_NOOP("TSALVA", "I salvataggi automatici sono fermi")},
    {"SO", QT_TRANSLATE_NOOP("TSALVA", "Spin in senso ORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva la sessione degli spin orari")},
    {"SA", QT_TRANSLATE_NOOP("TSALVA", "Spin in senso ANTIORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva la sessione degli spin antiorari")},
    {"GO", QT_TRANSLATE_NOOP("TSALVA", "Grafico ORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva il grafico orario")},
    {"GA", QT_TRANSLATE_NOOP("TSALVA", "Grafico ANTIORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva il grafico antiorario")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("TSALVA", "Accendi o spegni"),
     QT_TRANSLATE_NOOP("TSALVA", "Avvia o ferma i salvataggi automatici")},
    {"BitBtn1", QT_TRANSLATE_NOOP("TSALVA", "Esci"),
     QT_TRANSLATE_NOOP("TSALVA", "Chiude la finestra")},
};

const Control kTAZZERAPRO[] = {
    {"Button1", QT_TRANSLATE_NOOP("TAZZERAPRO", "Sì, azzera"),
     QT_TRANSLATE_NOOP("TAZZERAPRO", "Cancella tutti i dati della sessione")},
    {"Button2", QT_TRANSLATE_NOOP("TAZZERAPRO", "No"),
     QT_TRANSLATE_NOOP("TAZZERAPRO", "Lascia la sessione com'è")},
};

const Control kTGUIDA[] = {
    {"Argomenti", QT_TRANSLATE_NOOP("TGUIDA", "Argomenti della guida"),
     QT_TRANSLATE_NOOP("TGUIDA", "Scegli un argomento per leggerne la pagina")},
    {"Testo", QT_TRANSLATE_NOOP("TGUIDA", "Pagina della guida"),
     QT_TRANSLATE_NOOP("TGUIDA", "Il testo dell'argomento scelto")},
};

struct WindowControls {
    const char* window;
    std::span<const Control> controls;
};

const WindowControls kWindows[] = {
    {"TINTRO", kTINTRO},
    {"TPRO", kTPRO},
    {"TEASY", kTEASY},
    {"TARCHIVIO", kTARCHIVIO},
    {"SessionImportDialog", kSessionImportDialog},
    {"TSALVA", kTSALVA},
    {"TAZZERAPRO", kTAZZERAPRO},
    {"TGUIDA", kTGUIDA},
};

std::span<const Control> controlsOf(const char* window) {
    for (const WindowControls& entry : kWindows)
        if (std::strcmp(entry.window, window) == 0)
            return entry.controls;
    return {};
}

} // namespace

void nameWindow(QWidget* window) {
    const char* windowClass = translationContext(window);
    const std::span<const Control> controls = controlsOf(windowClass);
    // A renamed class would leave its window unnamed without a word.
    if (controls.empty())
        qWarning("no accessible names for the controls of %s", windowClass);
    nameControls(window, windowClass, controls);
}

} // namespace rotamind::spoken
