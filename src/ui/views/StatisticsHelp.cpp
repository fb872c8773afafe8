#include "ui/views/StatisticsHelp.h"

#include <QCoreApplication>
#include <array>
#include <cstdlib>

namespace rotamind::help {

namespace {

using namespace Qt::StringLiterals;

// In the order of Topic; looked up at every call, so the texts follow the language installed.
constexpr std::array<const char*, 34> kTexts{
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Classe di distanza: di quanti blocchi di sei caselle il numero uscito dista dal "
        "precedente, nel verso del lancio."),
    QT_TRANSLATE_NOOP("StatisticsHelp", "Fr.: quante volte la classe è uscita nella serie."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "%: la frequenza in percentuale dei lanci della serie; per puro caso ogni classe "
        "tende a 16,6667."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Rit.: lanci passati dall'ultima uscita della classe (ritardo attuale); 0 se è "
        "appena uscita."),
    QT_TRANSLATE_NOOP("StatisticsHelp",
                      "Rit. max: il ritardo più lungo che la classe ha avuto finora nella serie."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "I.C., indice di convenienza: Fr. × Rit. ÷ lanci. Diventa rosso da 1 in su, quando "
        "il ritardo supera l'attesa media fra due uscite."),
    QT_TRANSLATE_NOOP("StatisticsHelp",
                      "L: lunghezza del passo, di quanti posti la classe si è spostata sulla scala "
                      "-3 … 3 dal lancio precedente."),
    QT_TRANSLATE_NOOP("StatisticsHelp",
                      "Fr.: quante volte è capitato un passo di questa lunghezza."),
    QT_TRANSLATE_NOOP("StatisticsHelp", "Rit.: passi trascorsi dall'ultimo di questa lunghezza."),
    QT_TRANSLATE_NOOP("StatisticsHelp",
                      "I.C.: Fr. × Rit. ÷ lanci, come per le classi; rosso da 1 in su."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "X²: chi quadro di Pearson delle sei frequenze contro un sesto ciascuna. Con X² e il "
        "suo p vale solo un numero di lanci fissato prima di guardare: rileggerli a ogni "
        "lancio trova firme che non ci sono. L'esito viene dall'evidenza."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "p del chi quadro: vale solo per un numero di lanci deciso in anticipo e letto una "
        "volta. Non è la probabilità che la firma esista, e nessun esito viene da qui."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "La classe più lontana dal sesto atteso, con lo scarto (osservati − N ÷ 6) ÷ "
        "√(5N ÷ 36). Oltre ±2,64 è insolito anche fra sei classi (una volta su venti per "
        "puro caso). Da 30 lanci."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Esito del test di uniformità, dalla sua evidenza: \"Firma significativa\" da ×600 e "
        "\"Indizio debole\" da ×120, la sua parte del verdetto della pagina. Da 30 lanci."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Colpi vinti su colpi giocati puntando, prima di ogni lancio, tutte le classi con "
        "I.C. rosso. Un numero ripetuto conta come colpo giocato e perso."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Colpi vinti attesi per puro caso: per ogni puntata, le classi rosse diviso 6."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "p: probabilità esatta (Poisson-binomiale) di vincere almeno tanto per puro caso, "
        "per un numero di puntate fissato in anticipo; oltre 10.000 puntate non si calcola."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Saldo in fiches puntando una fiche su ognuna delle sei caselle di ogni classe rossa: "
        "una vincita paga 36, un numero ripetuto perde tutto."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Esito del test sul metodo, dalla sua evidenza: \"Firma significativa\" da ×600 e "
        "\"Indizio debole\" da ×120. Da 30 lanci."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "p del test di indipendenza sulla tabella 6 × 6 classe dopo classe, per un numero di "
        "lanci fissato in anticipo; \"-\" finché ogni casella non ne attende almeno 1 e "
        "quattro su cinque almeno 5."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Esito del test classe dopo classe, dalla sua evidenza: \"Firma significativa\" da "
        "×600 e \"Indizio debole\" da ×120. Da 30 lanci."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Il verdetto della pagina, dalla media delle evidenze dei sei test: \"Firma "
        "significativa\" da ×100, \"Indizio debole\" da ×20. Con una ruota giusta arriva a "
        "×100 al più una serata su cento, per quanto spesso si guardi."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Evidenza contro il caso: chi avesse scommesso contro la ruota giusta con questi "
        "test avrebbe moltiplicato la posta per tanto. La media di tutti i test."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Evidenza contro il caso delle sei frequenze: la posta di chi scommette, lancio per "
        "lancio, sulle classi uscite più spesso."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Atteso: il saldo medio delle stesse puntate con una ruota giusta. Ogni fiche su una "
        "casella rende 36 su 37: −6 × classi ÷ 37 a puntata."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Evidenza contro il caso del metodo: la posta di chi punta una parte fissa del suo "
        "capitale sulle classi rosse, pagato come al tavolo. Cresce solo se il metodo batte "
        "il banco."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Evidenza contro il caso di classe dopo classe: la posta di chi scommette sulla "
        "classe che di solito segue quella appena uscita."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Quota di ogni classe: fra quali percentuali sta ancora, con fiducia 95 % valida a "
        "ogni lancio. Con una ruota giusta contiene 16,67 %; tutto il resto è escluso."),
    QT_TRANSLATE_NOOP("StatisticsHelp",
                      "Quanti lanci servono, in media, perché una serie da sola mostri \"Firma "
                      "significativa\" se una classe esce al 25 % o al 35 % dei lanci."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "L'evidenza di ogni serie lancio per lancio, in scala logaritmica, con le soglie ×20 "
        "e ×100."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "La quota di ogni classe in ogni serie (trattino bianco) con la fascia che la "
        "fiducia 95 % ammette ancora, contro la linea di un sesto."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Gli stessi test su tutte le sessioni archiviate con questo sito e questo croupier, "
        "nell'ordine in cui sono state giocate: nessuna puntata e nessun passo scavalca due "
        "sessioni, l'evidenza prosegue dall'una all'altra."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Sessioni archiviate con questo sito e questo croupier che hanno lanci in questa "
        "serie."),
    QT_TRANSLATE_NOOP(
        "StatisticsHelp",
        "Lanci di queste sessioni in questa serie: i test dell'archivio li contano tutti."),
};

} // namespace

QString tooltip(Topic topic) {
    return QCoreApplication::translate("StatisticsHelp", kTexts[static_cast<std::size_t>(topic)]);
}

QString classTooltip(int distanceClass) {
    // Counted in the launch's direction, 1..3 are the first three blocks after
    // the previous number and -3..-1 the three before it, -3 the nearest.
    const std::array<QString, 3> ordinals{QCoreApplication::translate("StatisticsHelp", "primo"),
                                          QCoreApplication::translate("StatisticsHelp", "secondo"),
                                          QCoreApplication::translate("StatisticsHelp", "terzo")};
    const bool after = distanceClass > 0;
    const int block = after ? distanceClass : 4 + distanceClass;
    return QCoreApplication::translate(
               "StatisticsHelp",
               "Classe %1: il numero uscito sta nel %2 blocco di sei caselle %3 precedente, "
               "contando nel verso del lancio.")
        .arg(QString::number(distanceClass), ordinals[static_cast<std::size_t>(block - 1)],
             after ? QCoreApplication::translate("StatisticsHelp", "dopo il")
                   : QCoreApplication::translate("StatisticsHelp", "prima del"));
}

QString lengthTooltip(int length) {
    if (length == 0)
        return QCoreApplication::translate("StatisticsHelp", "Passo 0: la classe si è ripetuta.");
    return QCoreApplication::translate("StatisticsHelp",
                                       "Passo %1%2: la classe è %3 di %4 posti sulla scala -3 … 3.")
        .arg(length > 0 ? u"+"_s : u"-"_s, QString::number(std::abs(length)),
             length > 0 ? QCoreApplication::translate("StatisticsHelp", "salita")
                        : QCoreApplication::translate("StatisticsHelp", "scesa"),
             QString::number(std::abs(length)));
}

} // namespace rotamind::help
