#include "ui/parts/StatisticsHelp.h"

#include <array>
#include <cstdlib>

namespace rotamind::help {

namespace {

using namespace Qt::StringLiterals;

// In the order of Topic.
const std::array<QString, 24>& texts() {
    static const std::array<QString, 24> table{
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
        u"X²: chi quadro di Pearson delle sei frequenze contro un sesto ciascuna. Vicino a 5 "
        u"è normale; molto più grande indica classi sbilanciate."_s,
        u"p: probabilità di uno sbilanciamento almeno così grande con una ruota giusta e un "
        u"croupier senza abitudini. Non è la probabilità che la firma esista."_s,
        u"La classe più lontana dal sesto atteso, con il residuo (osservato − atteso) ÷ "
        u"√atteso; oltre ±2 è insolito."_s,
        u"Esito del test di uniformità; servono almeno 30 lanci."_s,
        u"Colpi vinti su colpi giocati puntando, prima di ogni lancio, tutte le classi con "
        u"I.C. rosso."_s,
        u"Colpi vinti attesi per puro caso: per ogni puntata, le classi rosse diviso 6."_s,
        u"p: probabilità di vincere almeno tanto per puro caso (approssimazione normale). "
        u"Piccola solo se il metodo batte il caso."_s,
        u"Saldo in fiches puntando una fiche su ognuna delle sei caselle di ogni classe rossa: "
        u"una vincita paga 36."_s,
        u"Esito del test sul metodo."_s,
        u"p del test di indipendenza sulla tabella 6 × 6 classe dopo classe: piccola se una "
        u"classe richiama la successiva."_s,
        u"Esito del test di indipendenza; servono abbastanza lanci perché ogni casella della "
        u"tabella ne attenda almeno 1 e quattro su cinque almeno 5."_s,
        u"Gli stessi test su tutte le sessioni archiviate con questo sito e questo croupier, "
        u"una dopo l'altra: nessuna puntata e nessun passo scavalca due sessioni."_s,
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
