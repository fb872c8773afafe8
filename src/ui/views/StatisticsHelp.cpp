#include "ui/views/StatisticsHelp.h"

#include <array>
#include <cstdlib>

namespace rotamind::help {

namespace {

using namespace Qt::StringLiterals;

// In the order of Topic.
const std::array<QString, 34>& texts() {
    static const std::array<QString, 34> table{
        u"Classe di distanza: di quanti blocchi di sei caselle il numero uscito dista dal "
        u"precedente, nel verso del lancio."_s,
        u"Fr.: quante volte la classe è uscita nella serie."_s,
        u"%: la frequenza in percentuale dei lanci della serie; per puro caso ogni classe "
        u"tende a 16,6667."_s,
        u"Rit.: lanci passati dall'ultima uscita della classe (ritardo attuale); 0 se è "
        u"appena uscita."_s,
        u"Rit. max: il ritardo più lungo che la classe ha avuto finora nella serie."_s,
        u"I.C., indice di convenienza: Fr. × Rit. ÷ lanci. Diventa rosso da 1 in su, quando "
        u"il ritardo supera l'attesa media fra due uscite."_s,
        u"L: lunghezza del passo, di quanti posti la classe si è spostata sulla scala "
        u"-3 … 3 dal lancio precedente."_s,
        u"Fr.: quante volte è capitato un passo di questa lunghezza."_s,
        u"Rit.: passi trascorsi dall'ultimo di questa lunghezza."_s,
        u"I.C.: Fr. × Rit. ÷ lanci, come per le classi; rosso da 1 in su."_s,
        u"X²: chi quadro di Pearson delle sei frequenze contro un sesto ciascuna. Con X² e il "
        u"suo p vale solo un numero di lanci fissato prima di guardare: rileggerli a ogni "
        u"lancio trova firme che non ci sono. L'esito viene dall'evidenza."_s,
        u"p del chi quadro: vale solo per un numero di lanci deciso in anticipo e letto una "
        u"volta. Non è la probabilità che la firma esista, e nessun esito viene da qui."_s,
        u"La classe più lontana dal sesto atteso, con lo scarto (osservati − N ÷ 6) ÷ "
        u"√(5N ÷ 36). Oltre ±2,64 è insolito anche fra sei classi (una volta su venti per "
        u"puro caso). Da 30 lanci."_s,
        u"Esito del test di uniformità, dalla sua evidenza: \"Firma significativa\" da ×600 e "
        u"\"Indizio debole\" da ×120, la sua parte del verdetto della pagina. Da 30 lanci."_s,
        u"Colpi vinti su colpi giocati puntando, prima di ogni lancio, tutte le classi con "
        u"I.C. rosso. Un numero ripetuto conta come colpo giocato e perso."_s,
        u"Colpi vinti attesi per puro caso: per ogni puntata, le classi rosse diviso 6."_s,
        u"p: probabilità esatta (Poisson-binomiale) di vincere almeno tanto per puro caso, "
        u"per un numero di puntate fissato in anticipo; oltre 10.000 puntate non si calcola."_s,
        u"Saldo in fiches puntando una fiche su ognuna delle sei caselle di ogni classe rossa: "
        u"una vincita paga 36, un numero ripetuto perde tutto."_s,
        u"Esito del test sul metodo, dalla sua evidenza: \"Firma significativa\" da ×600 e "
        u"\"Indizio debole\" da ×120. Da 30 lanci."_s,
        u"p del test di indipendenza sulla tabella 6 × 6 classe dopo classe, per un numero di "
        u"lanci fissato in anticipo; \"-\" finché ogni casella non ne attende almeno 1 e "
        u"quattro su cinque almeno 5."_s,
        u"Esito del test classe dopo classe, dalla sua evidenza: \"Firma significativa\" da "
        u"×600 e \"Indizio debole\" da ×120. Da 30 lanci."_s,
        u"Il verdetto della pagina, dalla media delle evidenze dei sei test: \"Firma "
        u"significativa\" da ×100, \"Indizio debole\" da ×20. Con una ruota giusta arriva a "
        u"×100 al più una serata su cento, per quanto spesso si guardi."_s,
        u"Evidenza contro il caso: chi avesse scommesso contro la ruota giusta con questi "
        u"test avrebbe moltiplicato la posta per tanto. La media di tutti i test."_s,
        u"Evidenza contro il caso delle sei frequenze: la posta di chi scommette, lancio per "
        u"lancio, sulle classi uscite più spesso."_s,
        u"Atteso: il saldo medio delle stesse puntate con una ruota giusta. Ogni fiche su una "
        u"casella rende 36 su 37: −6 × classi ÷ 37 a puntata."_s,
        u"Evidenza contro il caso del metodo: la posta di chi punta una parte fissa del suo "
        u"capitale sulle classi rosse, pagato come al tavolo. Cresce solo se il metodo batte "
        u"il banco."_s,
        u"Evidenza contro il caso di classe dopo classe: la posta di chi scommette sulla "
        u"classe che di solito segue quella appena uscita."_s,
        u"Quota di ogni classe: fra quali percentuali sta ancora, con fiducia 95 % valida a "
        u"ogni lancio. Con una ruota giusta contiene 16,67 %; tutto il resto è escluso."_s,
        u"Quanti lanci servono, in media, perché una serie da sola mostri \"Firma "
        u"significativa\" se una classe esce al 25 % o al 35 % dei lanci."_s,
        u"L'evidenza di ogni serie lancio per lancio, in scala logaritmica, con le soglie ×20 "
        u"e ×100."_s,
        u"La quota di ogni classe in ogni serie (trattino bianco) con la fascia che la "
        u"fiducia 95 % ammette ancora, contro la linea di un sesto."_s,
        u"Gli stessi test su tutte le sessioni archiviate con questo sito e questo croupier, "
        u"nell'ordine in cui sono state giocate: nessuna puntata e nessun passo scavalca due "
        u"sessioni, l'evidenza prosegue dall'una all'altra."_s,
        u"Sessioni archiviate con questo sito e questo croupier che hanno lanci in questa "
        u"serie."_s,
        u"Lanci di queste sessioni in questa serie: i test dell'archivio li contano tutti."_s,
    };
    return table;
}

} // namespace

QString tooltip(Topic topic) {
    return texts()[static_cast<std::size_t>(topic)];
}

QString classTooltip(int distanceClass) {
    // Counted in the launch's direction, 1..3 are the first three blocks after
    // the previous number and -3..-1 the three before it, -3 the nearest.
    static const std::array<QString, 3> ordinals{u"primo"_s, u"secondo"_s, u"terzo"_s};
    const bool after = distanceClass > 0;
    const int block = after ? distanceClass : 4 + distanceClass;
    return u"Classe %1: il numero uscito sta nel %2 blocco di sei caselle %3 precedente, "
           u"contando nel verso del lancio."_s.arg(QString::number(distanceClass),
                                                   ordinals[static_cast<std::size_t>(block - 1)],
                                                   after ? u"dopo il"_s : u"prima del"_s);
}

QString lengthTooltip(int length) {
    if (length == 0)
        return u"Passo 0: la classe si è ripetuta."_s;
    return u"Passo %1%2: la classe è %3 di %4 posti sulla scala -3 … 3."_s.arg(
        length > 0 ? u"+"_s : u"-"_s, QString::number(std::abs(length)),
        length > 0 ? u"salita"_s : u"scesa"_s, QString::number(std::abs(length)));
}

} // namespace rotamind::help
