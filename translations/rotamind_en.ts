<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>AnalysisPage</name>
    <message>
        <source>Uniformità delle classi</source>
        <translation>Uniformity of the classes</translation>
    </message>
    <message>
        <source>X²</source>
        <translation>X²</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>Più lontana</source>
        <translation>Furthest</translation>
    </message>
    <message>
        <source>Evidenza</source>
        <translation>Evidence</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Metodo: puntare gli I.C. rossi</source>
        <translation>Method: bet the red C.I.s</translation>
    </message>
    <message>
        <source>Vinti</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Attesi</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Atteso</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Classe dopo classe (6 × 6)</source>
        <translation>Class after class (6 × 6)</translation>
    </message>
    <message>
        <source>Quota di ogni classe (fiducia 95 %)</source>
        <translation>Share of each class (95 % confidence)</translation>
    </message>
    <message>
        <source>Classe 3</source>
        <translation>Class 3</translation>
    </message>
    <message>
        <source>Classe 2</source>
        <translation>Class 2</translation>
    </message>
    <message>
        <source>Classe 1</source>
        <translation>Class 1</translation>
    </message>
    <message>
        <source>Classe -1</source>
        <translation>Class -1</translation>
    </message>
    <message>
        <source>Classe -2</source>
        <translation>Class -2</translation>
    </message>
    <message>
        <source>Classe -3</source>
        <translation>Class -3</translation>
    </message>
    <message>
        <source>mai, ≤ %1 %</source>
        <translation>never, ≤ %1 %</translation>
    </message>
    <message>
        <source>tra %1 % e %2 %</source>
        <translation>%1 % to %2 %</translation>
    </message>
    <message>
        <source>%1 su %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Nessuna puntata: mai un I.C. rosso</source>
        <translation>No bets: never a red C.I.</translation>
    </message>
    <message>
        <source>Verdetto della pagina</source>
        <translation>Verdict of the page</translation>
    </message>
    <message>
        <source>Verdetto</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Firma da una serie sola: circa %1 lanci se una classe esce al 25 %, %2 al 35 %.</source>
        <translation>Signature from one series: about %1 spins if a class has 25 %, %2 at 35 %.</translation>
    </message>
    <message>
        <source>Evidenza lancio per lancio</source>
        <translation>Evidence spin by spin</translation>
    </message>
    <message>
        <source>Guardare dopo ogni lancio è lecito. Nessun test prova che la ruota è giusta.</source>
        <translation>Looking after every spin is allowed. No test proves that the wheel is fair.</translation>
    </message>
    <message>
        <source>Archivio: stesso sito e croupier</source>
        <translation>Archive: same site and croupier</translation>
    </message>
    <message>
        <source>Sessioni</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Lanci</source>
        <translation>Spins</translation>
    </message>
    <message>
        <source>Nessun archivio: ancora nessuna sessione registrata</source>
        <translation>No archive: no session recorded yet</translation>
    </message>
    <message>
        <source>Archivio illeggibile: </source>
        <translation>Archive unreadable: </translation>
    </message>
    <message>
        <source>Nessuna sessione archiviata con questo sito e croupier</source>
        <translation>No archived session with this site and croupier</translation>
    </message>
    <message>
        <source>Quota di ogni classe</source>
        <translation>Share of each class</translation>
    </message>
    <message>
        <source>Sito e croupier sono quelli d&apos;esempio: scrivi quelli veri per vedere le sessioni archiviate</source>
        <translation>Site and croupier are the examples: enter the real ones to see the archived sessions</translation>
    </message>
    <message>
        <source>%1 serie caricate da file o importate non contano: i loro lanci contano dove furono battuti</source>
        <translation>%1 series loaded from a file or imported do not count: their spins count where they were typed</translation>
    </message>
    <message>
        <source>%1, serie %2</source>
        <translation>%1, %2 series</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>Archivio non disponibile: impossibile creare la cartella %1</source>
        <translation>Archive not available: cannot create the folder %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile: %1</source>
        <translation>Archive not available: %1</translation>
    </message>
    <message>
        <source>Archivio: %1, le sessioni interrotte non possono essere offerte</source>
        <translation>Archive: %1, the interrupted sessions cannot be offered</translation>
    </message>
    <message>
        <source>danni trovati durante l&apos;uso precedente</source>
        <translation>damage found during the previous use</translation>
    </message>
    <message>
        <source>Archivio non disponibile: archivio danneggiato (%1), impossibile spostarlo</source>
        <translation>Archive not available: damaged archive (%1), cannot move it aside</translation>
    </message>
    <message>
        <source>Archivio danneggiato: %1; spostato in %2, ne è stato creato uno nuovo%3</source>
        <translation>Damaged archive: %1; moved to %2, a new one was created%3</translation>
    </message>
    <message>
        <source>disco pieno</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>motivo sconosciuto</source>
        <translation>unknown reason</translation>
    </message>
    <message>
        <source>, con %1 sessioni su %2 recuperate</source>
        <translation>, with %1 of %2 sessions recovered</translation>
    </message>
    <message>
        <source>il file dell&apos;archivio è stato cancellato o sostituito e non può essere rifatto (%1)</source>
        <translation>the archive file was deleted or replaced and cannot be made again (%1)</translation>
    </message>
    <message>
        <source>Archivio: sessioni interrotte illeggibili (%1)</source>
        <translation>Archive: interrupted sessions unreadable (%1)</translation>
    </message>
    <message>
        <source>Archivio: sessione %1 rifiutata: %2</source>
        <translation>Archive: session %1 refused: %2</translation>
    </message>
    <message>
        <source>Archivio: sessione %1 illeggibile: %2</source>
        <translation>Archive: session %1 unreadable: %2</translation>
    </message>
    <message>
        <source>non è più nell&apos;archivio</source>
        <translation>is no longer in the archive</translation>
    </message>
    <message>
        <source>Archivio: sessione %1 rifiutata: testo non valido</source>
        <translation>Archive: session %1 refused: invalid text</translation>
    </message>
    <message>
        <source>sessione danneggiata: recuperati %1 lanci su %2 (sessione %3)</source>
        <translation>damaged session: %1 of %2 spins recovered (session %3)</translation>
    </message>
    <message>
        <source>Archivio occupato da un altro programma: le modifiche attendono in memoria che si liberi</source>
        <translation>Archive busy with another program: the changes wait in memory until it is free</translation>
    </message>
    <message>
        <source>Archivio di nuovo libero: le modifiche in attesa sono state scritte</source>
        <translation>Archive free again: the waiting changes have been written</translation>
    </message>
    <message>
        <source>il file dell&apos;archivio è stato cancellato o sostituito e le sessioni non sono state copiate nel nuovo (%1)</source>
        <translation>the archive file was deleted or replaced and the sessions were not copied into the new one (%1)</translation>
    </message>
    <message>
        <source>Archivio: il file è stato cancellato o sostituito; le sessioni sono state scritte in un nuovo file %1</source>
        <translation>Archive: the file was deleted or replaced; the sessions were written to a new file %1</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: la serie ha %1 lanci invece di %2</source>
        <translation>inconsistent archive data: the series has %1 spins instead of %2</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: lancio %1 fuori dalla serie</source>
        <translation>inconsistent archive data: spin %1 outside the series</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: righe mancanti nella serie</source>
        <translation>inconsistent archive data: rows missing from the series</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: lanci %1-%2 fuori dalla serie</source>
        <translation>inconsistent archive data: spins %1-%2 outside the series</translation>
    </message>
</context>
<context>
    <name>ArchiveCatalog</name>
    <message>
        <source>archivio danneggiato: %1</source>
        <translation>damaged archive: %1</translation>
    </message>
    <message>
        <source>sessione %1 rifiutata: %2</source>
        <translation>session %1 refused: %2</translation>
    </message>
    <message>
        <source>elenco interrotto: %1</source>
        <translation>list cut short: %1</translation>
    </message>
    <message>
        <source>sessione %1, serie %2: %3</source>
        <translation>session %1, series %2: %3</translation>
    </message>
    <message>
        <source>sessione %1 rifiutata: numero o serie non validi</source>
        <translation>session %1 refused: invalid number or series</translation>
    </message>
    <message>
        <source>serie %1 inesistente</source>
        <translation>series %1 does not exist</translation>
    </message>
    <message>
        <source>l&apos;archivio non esiste più</source>
        <translation>the archive no longer exists</translation>
    </message>
    <message>
        <source>la sessione non è più nell&apos;archivio</source>
        <translation>the session is no longer in the archive</translation>
    </message>
    <message>
        <source>sessione danneggiata: %1; recuperati %2 lanci su %3</source>
        <translation>damaged session: %1; %2 of %3 spins recovered</translation>
    </message>
</context>
<context>
    <name>ArchiveChecks</name>
    <message>
        <source>numero non valido</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>modalità non valida</source>
        <translation>invalid mode</translation>
    </message>
    <message>
        <source>data d&apos;inizio non valida</source>
        <translation>invalid start date</translation>
    </message>
    <message>
        <source>data dell&apos;ultima modifica non valida</source>
        <translation>invalid date of the last change</translation>
    </message>
    <message>
        <source>data di chiusura non valida</source>
        <translation>invalid closing date</translation>
    </message>
    <message>
        <source>direzione non valida</source>
        <translation>invalid direction</translation>
    </message>
    <message>
        <source>numero di lanci non valido</source>
        <translation>invalid number of spins</translation>
    </message>
    <message>
        <source>numero di registrazioni non valido</source>
        <translation>invalid number of entries</translation>
    </message>
    <message>
        <source>stato di salvataggio non valido</source>
        <translation>invalid save state</translation>
    </message>
    <message>
        <source>al posto del file %1 c&apos;è una cartella</source>
        <translation>there is a folder where the file %1 should be</translation>
    </message>
    <message>
        <source>al posto del file %1 c&apos;è una pipe</source>
        <translation>there is a pipe where the file %1 should be</translation>
    </message>
    <message>
        <source>al posto del file %1 c&apos;è un dispositivo</source>
        <translation>there is a device where the file %1 should be</translation>
    </message>
    <message>
        <source>%1 non è un file regolare</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source> (%1 del %2)</source>
        <translation> (%1 of %2)</translation>
    </message>
    <message>
        <source>%1 lanci su %2</source>
        <translation>%1 of %2 spins</translation>
    </message>
    <message>
        <source>errore di lettura dal disco</source>
        <translation>disk read error</translation>
    </message>
    <message>
        <source>il file è più corto del previsto</source>
        <translation>the file is shorter than expected</translation>
    </message>
    <message>
        <source>errore di scrittura sul disco</source>
        <translation>disk write error</translation>
    </message>
    <message>
        <source>il disco non ha confermato la scrittura</source>
        <translation>the disk did not confirm the write</translation>
    </message>
    <message>
        <source>impossibile accorciare il file</source>
        <translation>cannot shorten the file</translation>
    </message>
    <message>
        <source>impossibile leggere le proprietà del file</source>
        <translation>cannot read the file&apos;s properties</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>impossibile bloccare il file</source>
        <translation>cannot lock the file</translation>
    </message>
    <message>
        <source>impossibile cancellare il giornale dell&apos;archivio</source>
        <translation>cannot delete the archive&apos;s journal</translation>
    </message>
    <message>
        <source>impossibile aprire la memoria condivisa dell&apos;archivio</source>
        <translation>cannot open the archive&apos;s shared memory</translation>
    </message>
    <message>
        <source>impossibile ingrandire la memoria condivisa dell&apos;archivio</source>
        <translation>cannot enlarge the archive&apos;s shared memory</translation>
    </message>
    <message>
        <source>impossibile verificare l&apos;accesso al file</source>
        <translation>cannot check access to the file</translation>
    </message>
    <message>
        <source>al posto del file c&apos;è una cartella</source>
        <translation>there is a folder where the file should be</translation>
    </message>
    <message>
        <source>percorso del file non valido</source>
        <translation>invalid file path</translation>
    </message>
    <message>
        <source>il file è stato spostato o cancellato</source>
        <translation>the file was moved or deleted</translation>
    </message>
    <message>
        <source>impossibile bloccare il file in sola lettura</source>
        <translation>cannot lock the read-only file</translation>
    </message>
    <message>
        <source>il giornale dell&apos;archivio va ripristinato da chi può scrivere</source>
        <translation>the archive&apos;s journal must be restored by a user who can write</translation>
    </message>
    <message>
        <source>l&apos;archivio è cambiato durante la lettura</source>
        <translation>the archive changed while being read</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: valore mancante</source>
        <translation>inconsistent archive data: missing value</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: voce già presente</source>
        <translation>inconsistent archive data: entry already present</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: valore non ammesso</source>
        <translation>inconsistent archive data: value not allowed</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: riferimento a una sessione inesistente</source>
        <translation>inconsistent archive data: reference to a session that does not exist</translation>
    </message>
    <message>
        <source>file danneggiato: indice non valido</source>
        <translation>damaged file: invalid index</translation>
    </message>
    <message>
        <source>disco pieno</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>impossibile aprire il file</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>file danneggiato</source>
        <translation>damaged file</translation>
    </message>
    <message>
        <source>il file non è un archivio</source>
        <translation>the file is not an archive</translation>
    </message>
    <message>
        <source>archivio occupato da un altro programma</source>
        <translation>archive busy with another program</translation>
    </message>
    <message>
        <source>file di sola lettura</source>
        <translation>read-only file</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti</source>
        <translation>inconsistent archive data</translation>
    </message>
    <message>
        <source>dato troppo grande</source>
        <translation>value too large</translation>
    </message>
    <message>
        <source>blocco del file non riuscito</source>
        <translation>locking the file failed</translation>
    </message>
    <message>
        <source>struttura dell&apos;archivio cambiata durante la lettura</source>
        <translation>archive structure changed while being read</translation>
    </message>
    <message>
        <source>dati dell&apos;archivio incoerenti: tipo non valido</source>
        <translation>inconsistent archive data: invalid type</translation>
    </message>
    <message>
        <source>operazione interrotta</source>
        <translation>operation interrupted</translation>
    </message>
    <message>
        <source>file troppo grande per il sistema</source>
        <translation>file too large for the system</translation>
    </message>
    <message>
        <source>errore interno dell&apos;archivio</source>
        <translation>internal archive error</translation>
    </message>
    <message>
        <source>errore dell&apos;archivio</source>
        <translation>archive error</translation>
    </message>
    <message>
        <source>errore dell&apos;archivio (codice %1)</source>
        <translation>archive error (code %1)</translation>
    </message>
    <message>
        <source>impossibile aprire l&apos;archivio</source>
        <translation>cannot open the archive</translation>
    </message>
    <message>
        <source>errore del driver dell&apos;archivio</source>
        <translation>archive driver error</translation>
    </message>
    <message>
        <source>n. %1</source>
        <translation>no. %1</translation>
    </message>
    <message>
        <source>posizione non valida al lancio %1</source>
        <translation>invalid position at spin %1</translation>
    </message>
    <message>
        <source>classe non valida al lancio %1</source>
        <translation>invalid class at spin %1</translation>
    </message>
</context>
<context>
    <name>ArchiveImport</name>
    <message>
        <source>Riga %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Niente da importare.</source>
        <translation>Nothing to import.</translation>
    </message>
    <message>
        <source>l&apos;archivio non è disponibile</source>
        <translation>the archive is not available</translation>
    </message>
    <message>
        <source>l&apos;archivio sta scrivendo, riprova</source>
        <translation>the archive is writing, try again</translation>
    </message>
    <message>
        <source>scrittura nell&apos;archivio non riuscita</source>
        <translation>writing to the archive failed</translation>
    </message>
</context>
<context>
    <name>ArchiveSchema</name>
    <message>
        <source>la tabella %1</source>
        <translation>the table %1</translation>
    </message>
    <message>
        <source>l&apos;indice %1</source>
        <translation>the index %1</translation>
    </message>
    <message>
        <source>il trigger %1</source>
        <translation>the trigger %1</translation>
    </message>
    <message>
        <source>la vista %1</source>
        <translation>the view %1</translation>
    </message>
    <message>
        <source>l&apos;oggetto %1</source>
        <translation>the object %1</translation>
    </message>
    <message>
        <source>driver SQLite senza accesso alla connessione</source>
        <translation>SQLite driver without access to the connection</translation>
    </message>
    <message>
        <source>impossibile proteggere la connessione all&apos;archivio</source>
        <translation>cannot protect the connection to the archive</translation>
    </message>
    <message>
        <source>archivio di una versione più recente del programma</source>
        <translation>archive of a newer version of the program</translation>
    </message>
    <message>
        <source>versione dell&apos;archivio non valida (%1)</source>
        <translation>invalid archive version (%1)</translation>
    </message>
    <message>
        <source>%1 è stata modificata</source>
        <translation>%1 was modified</translation>
    </message>
    <message>
        <source>%1 è stato modificato</source>
        <translation>%1 was modified</translation>
    </message>
    <message>
        <source>%1 non appartiene all&apos;archivio</source>
        <translation>%1 does not belong to the archive</translation>
    </message>
    <message>
        <source>manca %1</source>
        <translation>%1 is missing</translation>
    </message>
</context>
<context>
    <name>ArchiveSessionModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Sito</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Croupier</source>
        <translation>Croupier</translation>
    </message>
    <message>
        <source>Serie 1</source>
        <translation>Series 1</translation>
    </message>
    <message>
        <source>Serie 2</source>
        <translation>Series 2</translation>
    </message>
    <message>
        <source>Inizio della sessione</source>
        <translation>Start of the session</translation>
    </message>
    <message>
        <source>Finestra della sessione</source>
        <translation>Window of the session</translation>
    </message>
    <message>
        <source>Lanci della serie ORARIO (PRO) o ATTUALE (EASY)</source>
        <translation>Spins of the CLOCKWISE (PRO) or CURRENT (EASY) series</translation>
    </message>
    <message>
        <source>Lanci della serie ANTIORARIO (PRO) o SALVATA (EASY)</source>
        <translation>Spins of the ANTICLOCKWISE (PRO) or SAVED (EASY) series</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Rotamind: il metodo del croupier</source>
        <translation>Rotamind: the croupier&apos;s method</translation>
    </message>
    <message>
        <source>:/misc/banner.jpg</source>
        <comment>the banner picture with its motto in this language</comment>
        <translation>:/misc/banner-en.jpg</translation>
    </message>
</context>
<context>
    <name>BettingAidPanel</name>
    <message>
        <source>Alt+N: scegli prima O o A</source>
        <translation>Alt+N: choose O or A first</translation>
    </message>
    <message>
        <source>Alt+N: «%1» in Ultimo non è un numero della ruota</source>
        <translation>Alt+N: “%1” in Last is not a number of the wheel</translation>
    </message>
    <message>
        <source>Alt+N: «%1» in Distanza non è una classe (3, 2, 1, -1, -2, -3)</source>
        <translation>Alt+N: “%1” in Distance is not a class (3, 2, 1, -1, -2, -3)</translation>
    </message>
    <message>
        <source>Ultimo:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Distanza:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Mostra/Nascondi Roulette</source>
        <translation>Show/Hide Roulette</translation>
    </message>
    <message>
        <source>Mostra numeri da puntare</source>
        <translation>Show numbers to bet</translation>
    </message>
    <message>
        <source>per %1 · %2 · %3</source>
        <translation>for %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Non aggiornati: Alt+N (erano per %1 · %2 · %3)</source>
        <translation>Not updated: Alt+N (they were for %1 · %2 · %3)</translation>
    </message>
</context>
<context>
    <name>ClassicStatsGrid</name>
    <message>
        <source>Frequenza e %</source>
        <translation>Frequency and %</translation>
    </message>
    <message>
        <source>RIT</source>
        <translation>GAP</translation>
    </message>
    <message>
        <source>RMAX</source>
        <translation>GMAX</translation>
    </message>
    <message>
        <source>I.C.</source>
        <translation>C.I.</translation>
    </message>
    <message>
        <source>Frequenza</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Ritardo</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Ritardo massimo</source>
        <translation>Maximum absence</translation>
    </message>
    <message>
        <source>Indice di convenienza</source>
        <translation>Convenience index</translation>
    </message>
    <message>
        <source>%1, classe %2</source>
        <translation>%1, class %2</translation>
    </message>
</context>
<context>
    <name>ContactPage</name>
    <message>
        <source>Hai bisogno di aiuto?</source>
        <translation>Do you need help?</translation>
    </message>
    <message>
        <source>Scrivici per una domanda sul metodo Rotamind, per segnalare un problema o per proporre un&apos;idea: ti risponderemo al più presto.</source>
        <translation>Write to us with a question about the Rotamind method, to report a problem or to suggest an idea: we will answer as soon as we can.</translation>
    </message>
    <message>
        <source>Link al modulo di contatto</source>
        <translation>Link to the contact form</translation>
    </message>
    <message>
        <source>Messaggio</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>la sessione %1 non è più nell&apos;archivio</source>
        <translation>session %1 is no longer in the archive</translation>
    </message>
    <message>
        <source>la sessione %1 ha un modo sconosciuto</source>
        <translation>session %1 has an unknown mode</translation>
    </message>
    <message>
        <source>una serie della sessione %1 è incompleta nell&apos;archivio (%2 di %3)</source>
        <translation>a series of session %1 is incomplete in the archive (%2 of %3)</translation>
    </message>
    <message>
        <source>una serie della sessione %1 è danneggiata nell&apos;archivio</source>
        <translation>a series of session %1 is damaged in the archive</translation>
    </message>
    <message>
        <source>l&apos;archivio non esiste</source>
        <translation>the archive does not exist</translation>
    </message>
    <message>
        <source>archivio danneggiato: %1</source>
        <translation>damaged archive: %1</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Riga %1: l&apos;intestazione non ha la colonna «%2» (servono %3)</source>
        <translation>Line %1: the header has no column “%2” (needed: %3)</translation>
    </message>
    <message>
        <source>inizio «%1» non è una data e ora come 2026-12-09T21:14:05</source>
        <translation>start “%1” is not a date and time like 2026-12-09T21:14:05</translation>
    </message>
    <message>
        <source>modo, sito, croupier o inizio diversi dalle righe prima della sessione «%1»</source>
        <translation>mode, site, croupier or start differ from the earlier lines of session “%1”</translation>
    </message>
    <message>
        <source>%1 campi invece dei %2 dell&apos;intestazione</source>
        <translation>%1 fields instead of the header&apos;s %2</translation>
    </message>
    <message>
        <source>manca la sessione</source>
        <translation>the session is missing</translation>
    </message>
    <message>
        <source>modo «%1» sconosciuto: PRO o EASY</source>
        <translation>unknown mode “%1”: PRO or EASY</translation>
    </message>
    <message>
        <source>serie «%1» sconosciuta: %2 o %3</source>
        <translation>unknown series “%1”: %2 or %3</translation>
    </message>
    <message>
        <source>«%1» non è un numero da 0 a 36</source>
        <translation>“%1” is not a number from 0 to 36</translation>
    </message>
    <message>
        <source>direzione «%1» sconosciuta: O o A</source>
        <translation>unknown direction “%1”: O or A</translation>
    </message>
    <message>
        <source>classe «%1» sconosciuta: 3, 2, 1, -1, -2 o -3</source>
        <translation>unknown class “%1”: 3, 2, 1, -1, -2 or -3</translation>
    </message>
    <message>
        <source>né numero né classe</source>
        <translation>neither number nor class</translation>
    </message>
    <message>
        <source>direzione senza numero</source>
        <translation>direction without a number</translation>
    </message>
    <message>
        <source>numero senza direzione</source>
        <translation>number without a direction</translation>
    </message>
    <message>
        <source>un lancio %1 nella serie %2</source>
        <translation>a spin %1 in the series %2</translation>
    </message>
    <message>
        <source>in EASY i lanci vanno nella serie %1</source>
        <translation>in EASY the spins go into the series %1</translation>
    </message>
    <message>
        <source>posizione %1 dove viene la %2: le righe di una serie vanno in ordine</source>
        <translation>position %1 where %2 comes: the lines of a series go in order</translation>
    </message>
    <message>
        <source>Riga %1: il testo non è in UTF-8</source>
        <translation>Line %1: the text is not UTF-8</translation>
    </message>
    <message>
        <source>Il file è vuoto.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Nessuna riga dopo l&apos;intestazione.</source>
        <translation>No line after the header.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>virgolette aperte e mai chiuse</source>
        <translation>quotes opened and never closed</translation>
    </message>
    <message>
        <source>virgolette dentro un campo che non comincia con virgolette</source>
        <translation>quotes inside a field that does not begin with quotes</translation>
    </message>
    <message>
        <source>testo dopo le virgolette che chiudono un campo</source>
        <translation>text after the quotes that close a field</translation>
    </message>
</context>
<context>
    <name>EntryArea</name>
    <message>
        <source>spin senso orario</source>
        <translation>clockwise spin</translation>
    </message>
    <message>
        <source>spin senso antiorario</source>
        <translation>anticlockwise spin</translation>
    </message>
    <message>
        <source>REGISTRA</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>Ultimi 2 numeri sortiti</source>
        <translation>Last 2 numbers drawn</translation>
    </message>
</context>
<context>
    <name>EntryNotice</name>
    <message>
        <source>Scegli O o A (ora è selezionato O)</source>
        <translation>Choose O or A (O is selected now)</translation>
    </message>
    <message>
        <source>«%1» non è un numero della ruota: il lancio è contato senza classe</source>
        <translation>“%1” is not a number of the wheel: the spin is counted without a class</translation>
    </message>
    <message>
        <source>Sessione azzerata: Ctrl+Z la ripristina</source>
        <translation>Session cleared: Ctrl+Z brings it back</translation>
    </message>
</context>
<context>
    <name>KeyHint</name>
    <message>
        <source> (attivo)</source>
        <translation> (on)</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>scrive il numero uscito e lo registra (REGISTRA)</source>
        <translation>types the winning number and records it (RECORD)</translation>
    </message>
    <message>
        <source>sceglie la direzione oraria (O)</source>
        <translation>chooses the clockwise direction (O)</translation>
    </message>
    <message>
        <source>sceglie la direzione antioraria (A)</source>
        <translation>chooses the anticlockwise direction (A)</translation>
    </message>
    <message>
        <source>PRO: blocca o sblocca la registrazione sui soli tiri orari; bloccato, il lucchetto resta premuto</source>
        <translation>PRO: locks or unlocks recording to clockwise spins only; while locked, the padlock stays pressed</translation>
    </message>
    <message>
        <source>PRO: blocca o sblocca la registrazione sui soli tiri antiorari</source>
        <translation>PRO: locks or unlocks recording to anticlockwise spins only</translation>
    </message>
    <message>
        <source>elimina l&apos;ultimo inserimento della prima lista (ORARI in PRO, la sessione attuale in EASY)</source>
        <translation>deletes the last entry of the first list (CLOCKWISE in PRO, the current session in EASY)</translation>
    </message>
    <message>
        <source>PRO: elimina l&apos;ultimo inserimento della lista ANTIORARI (in EASY nessun tasto azzera la sessione salvata)</source>
        <translation>PRO: deletes the last entry of the ANTICLOCKWISE list (in EASY no key clears the saved session)</translation>
    </message>
    <message>
        <source>Mostra numeri da puntare</source>
        <translation>Show numbers to bet</translation>
    </message>
    <message>
        <source>mostra o nasconde la ruota con i numeri da puntare</source>
        <translation>shows or hides the wheel with the numbers to bet</translation>
    </message>
    <message>
        <source>mostra o nasconde le statistiche</source>
        <translation>shows or hides the statistics</translation>
    </message>
    <message>
        <source>pagina precedente del primo grafico</source>
        <translation>previous page of the first chart</translation>
    </message>
    <message>
        <source>pagina successiva del primo grafico</source>
        <translation>next page of the first chart</translation>
    </message>
    <message>
        <source>pagina precedente del secondo grafico</source>
        <translation>previous page of the second chart</translation>
    </message>
    <message>
        <source>pagina successiva del secondo grafico</source>
        <translation>next page of the second chart</translation>
    </message>
    <message>
        <source>annulla l&apos;ultima modifica di una serie (registrazione, eliminazione, azzeramento, caricamento): il modo sicuro di correggere un lancio scritto male</source>
        <translation>undoes the last change of a series (entry, deletion, clearing, loading): the safe way to correct a spin typed wrongly</translation>
    </message>
    <message>
        <source>ripete la modifica annullata</source>
        <translation>redoes the undone change</translation>
    </message>
    <message>
        <source>apre questa guida da PRO o da EASY</source>
        <translation>opens this guide from PRO or EASY</translation>
    </message>
    <message>
        <source>passano al controllo seguente o precedente, riga per riga da sinistra a destra</source>
        <translation>move to the next or previous control, row by row from left to right</translation>
    </message>
    <message>
        <source>chiude la guida</source>
        <translation>closes the guide</translation>
    </message>
    <message>
        <source>nella finestra iniziale: apre Pro</source>
        <translation>in the start window: opens Pro</translation>
    </message>
    <message>
        <source>nella finestra iniziale: apre Easy</source>
        <translation>in the start window: opens Easy</translation>
    </message>
    <message>
        <source>Maiusc</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>PagSu</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PagGiù</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Canc</source>
        <translation>Del</translation>
    </message>
</context>
<context>
    <name>LengthStatsGrid</name>
    <message>
        <source>Rit.</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>I.C.</source>
        <translation>C.I.</translation>
    </message>
    <message>
        <source>Frequenza</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Ritardo</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Indice di convenienza</source>
        <translation>Convenience index</translation>
    </message>
    <message>
        <source>%1, lunghezza %2</source>
        <translation>%1, length %2</translation>
    </message>
</context>
<context>
    <name>PageVerdict</name>
    <message>
        <source>Troppo pochi lanci (servono almeno 30)</source>
        <translation>Too few spins (at least 30 are needed)</translation>
    </message>
    <message>
        <source>Nessuna firma finora</source>
        <translation>No signature so far</translation>
    </message>
    <message>
        <source>Indizio debole</source>
        <translation>Weak hint</translation>
    </message>
    <message>
        <source>Firma significativa</source>
        <translation>Significant signature</translation>
    </message>
</context>
<context>
    <name>PastedLaunches</name>
    <message>
        <source>«%1» non è un numero da 0 a 36</source>
        <translation>“%1” is not a number from 0 to 36</translation>
    </message>
    <message>
        <source>servono un numero e la sua direzione (O o A), come «17 O»</source>
        <translation>a number and its direction (O or A) are needed, as in “17 O”</translation>
    </message>
    <message>
        <source>«%1» non è una direzione: O o A</source>
        <translation>“%1” is not a direction: O or A</translation>
    </message>
    <message>
        <source>Nessun numero da importare.</source>
        <translation>No number to import.</translation>
    </message>
</context>
<context>
    <name>SeriesBlock</name>
    <message>
        <source>Pagina del grafico precedente</source>
        <translation>Previous page of the chart</translation>
    </message>
    <message>
        <source>Pagina del grafico successiva</source>
        <translation>Next page of the chart</translation>
    </message>
    <message>
        <source>Lancio %1: classe %2</source>
        <translation>Spin %1: class %2</translation>
    </message>
</context>
<context>
    <name>SessionCommands</name>
    <message>
        <source>File di testo (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Impossibile caricare la sessione %1: la riga %2 non è una distanza valida.</source>
        <translation>Cannot load the session %1: line %2 is not a valid distance.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1 (%2).</source>
        <translation>Cannot open the file %1 (%2).</translation>
    </message>
    <message>
        <source>File di testo</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>Immagine bitmap</source>
        <translation>Bitmap image</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>file più grande di %1 byte</source>
        <translation>file larger than %1 bytes</translation>
    </message>
    <message>
        <source>Collegamento a un file inesistente</source>
        <translation>Link to a file that does not exist</translation>
    </message>
    <message>
        <source>Cartella inesistente</source>
        <translation>Folder does not exist</translation>
    </message>
    <message>
        <source>Disco pieno</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Nessun nome di file</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>Nome di file con un carattere nullo</source>
        <translation>File name with a null character</translation>
    </message>
    <message>
        <source>Non è un file normale</source>
        <translation>Not a regular file</translation>
    </message>
</context>
<context>
    <name>SessionHistory</name>
    <message>
        <source>registrazione di %1</source>
        <translation>entry of %1</translation>
    </message>
    <message>
        <source>eliminazione dell&apos;ultimo inserimento</source>
        <translation>deletion of the last entry</translation>
    </message>
    <message>
        <source>eliminazione della riga %1</source>
        <translation>deletion of row %1</translation>
    </message>
    <message>
        <source>inserimento alla riga %1</source>
        <translation>insertion at row %1</translation>
    </message>
    <message>
        <source>azzeramento della sessione</source>
        <translation>clearing of the session</translation>
    </message>
</context>
<context>
    <name>SessionImportDialog</name>
    <message>
        <source>sessione</source>
        <translation>session</translation>
    </message>
    <message>
        <source>sessioni</source>
        <translation>sessions</translation>
    </message>
    <message>
        <source>lancio</source>
        <translation>spin</translation>
    </message>
    <message>
        <source>lanci</source>
        <translation>spins</translation>
    </message>
    <message>
        <source>classe</source>
        <translation>class</translation>
    </message>
    <message>
        <source>classi</source>
        <translation>classes</translation>
    </message>
    <message>
        <source>Rotamind - Importa sessioni</source>
        <translation>Rotamind - Import sessions</translation>
    </message>
    <message>
        <source>Apri file CSV...</source>
        <translation>Open CSV file...</translation>
    </message>
    <message>
        <source>Importa le sessioni di un file CSV esportato dall&apos;archivio</source>
        <translation>Imports the sessions of a CSV file exported from the archive</translation>
    </message>
    <message>
        <source>Nessun file scelto</source>
        <translation>No file chosen</translation>
    </message>
    <message>
        <source>I numeri usciti, uno per lancio, con O o A accanto se c&apos;è la direzione</source>
        <translation>The winning numbers, one per spin, with O or A beside each if the direction is known</translation>
    </message>
    <message>
        <source>La finestra della sessione</source>
        <translation>The window of the session</translation>
    </message>
    <message>
        <source>Dove si legge la direzione di ogni lancio</source>
        <translation>Where the direction of each spin is read</translation>
    </message>
    <message>
        <source>accanto a ogni numero (O o A)</source>
        <translation>beside each number (O or A)</translation>
    </message>
    <message>
        <source>alternata, il primo ORARIO</source>
        <translation>alternating, the first CLOCKWISE</translation>
    </message>
    <message>
        <source>alternata, il primo ANTIORARIO</source>
        <translation>alternating, the first ANTICLOCKWISE</translation>
    </message>
    <message>
        <source>Il primo numero è il più recente</source>
        <translation>The first number is the most recent</translation>
    </message>
    <message>
        <source>Come li mostra il tabellone di un tavolo dal vivo</source>
        <translation>As the board of a live table shows them</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Direzione</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Sito</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Croupier</source>
        <translation>Croupier</translation>
    </message>
    <message>
        <source>I primi lanci, con la classe che la ruota dà a ciascuno</source>
        <translation>The first spins, with the class the wheel gives each</translation>
    </message>
    <message>
        <source>Riga</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Sessione</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Le righe che non possono entrare, con il motivo</source>
        <translation>The lines that cannot come in, with the reason</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Aggiunge le sessioni all&apos;archivio e apre l&apos;ultima</source>
        <translation>Adds the sessions to the archive and opens the last one</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>File CSV (*.csv);;Tutti i file (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file: %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <source>Il file è troppo grande (più di %1 MB).</source>
        <translation>The file is too large (more than %1 MB).</translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>... e altre %1 righe</source>
        <translation>... and %1 more lines</translation>
    </message>
    <message>
        <source>%1 righe rifiutate: nulla sarà importato finché non sono corrette. Prima: %2</source>
        <translation>%1 lines refused: nothing will be imported until they are corrected. First: %2</translation>
    </message>
    <message>
        <source>Scegli un file CSV o incolla i numeri.</source>
        <translation>Choose a CSV file or paste the numbers.</translation>
    </message>
    <message>
        <source>archivio non disponibile</source>
        <translation>archive not available</translation>
    </message>
    <message>
        <source>Importazione non riuscita, l&apos;archivio è come prima: %1</source>
        <translation>Import failed, the archive is as it was: %1</translation>
    </message>
    <message>
        <source>Oppure incolla qui i numeri usciti, uno per lancio (per esempio «17 O» su ogni riga, o soltanto «17 5 32» con la direzione alternata)</source>
        <translation>Or paste the winning numbers here, one per spin (for example “17 O” on each line, or just “17 5 32” with the direction alternating)</translation>
    </message>
    <message>
        <source>Apri file CSV</source>
        <translation>Open CSV file</translation>
    </message>
    <message>
        <source>Sceglie un file CSV esportato dall&apos;archivio</source>
        <translation>Chooses a CSV file exported from the archive</translation>
    </message>
    <message>
        <source>Numeri incollati</source>
        <translation>Pasted numbers</translation>
    </message>
    <message>
        <source>La finestra in cui si apre la sessione</source>
        <translation>The window the session opens in</translation>
    </message>
    <message>
        <source>Il sito della sessione importata</source>
        <translation>The site of the imported session</translation>
    </message>
    <message>
        <source>Il croupier della sessione importata</source>
        <translation>The croupier of the imported session</translation>
    </message>
    <message>
        <source>Anteprima</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Righe rifiutate</source>
        <translation>Refused lines</translation>
    </message>
    <message>
        <source>Chiude senza importare</source>
        <translation>Closes without importing</translation>
    </message>
</context>
<context>
    <name>SiteFields</name>
    <message>
        <source>Sito Gaming</source>
        <translation>Gaming site</translation>
    </message>
    <message>
        <source>Nome Croupier</source>
        <translation>Croupier name</translation>
    </message>
</context>
<context>
    <name>StatisticsHelp</name>
    <message>
        <source>Classe di distanza: di quanti blocchi di sei caselle il numero uscito dista dal precedente, nel verso del lancio.</source>
        <translation>Distance class: how many blocks of six pockets the winning number lies from the previous one, in the direction of the spin.</translation>
    </message>
    <message>
        <source>Fr.: quante volte la classe è uscita nella serie.</source>
        <translation>Fr.: how many times the class has come up in the series.</translation>
    </message>
    <message>
        <source>%: la frequenza in percentuale dei lanci della serie; per puro caso ogni classe tende a 16,6667.</source>
        <translation>%: the frequency as a percentage of the spins of the series; by pure chance every class tends to 16.6667.</translation>
    </message>
    <message>
        <source>Rit.: lanci passati dall&apos;ultima uscita della classe (ritardo attuale); 0 se è appena uscita.</source>
        <translation>Gap: spins since the class last came up (current gap); 0 if it has just come up.</translation>
    </message>
    <message>
        <source>Rit. max: il ritardo più lungo che la classe ha avuto finora nella serie.</source>
        <translation>Max gap: the longest gap the class has had so far in the series.</translation>
    </message>
    <message>
        <source>I.C., indice di convenienza: Fr. × Rit. ÷ lanci. Diventa rosso da 1 in su, quando il ritardo supera l&apos;attesa media fra due uscite.</source>
        <translation>C.I., convenience index: Fr. × Gap ÷ spins. It turns red from 1 up, when the gap exceeds the average wait between two hits.</translation>
    </message>
    <message>
        <source>L: lunghezza del passo, di quanti posti la classe si è spostata sulla scala -3 … 3 dal lancio precedente.</source>
        <translation>L: length of the step, how many places the class has moved on the scale -3 … 3 since the previous spin.</translation>
    </message>
    <message>
        <source>Fr.: quante volte è capitato un passo di questa lunghezza.</source>
        <translation>Fr.: how many times a step of this length has occurred.</translation>
    </message>
    <message>
        <source>Rit.: passi trascorsi dall&apos;ultimo di questa lunghezza.</source>
        <translation>Gap: steps since the last one of this length.</translation>
    </message>
    <message>
        <source>I.C.: Fr. × Rit. ÷ lanci, come per le classi; rosso da 1 in su.</source>
        <translation>C.I.: Fr. × Gap ÷ spins, as for the classes; red from 1 up.</translation>
    </message>
    <message>
        <source>X²: chi quadro di Pearson delle sei frequenze contro un sesto ciascuna. Con X² e il suo p vale solo un numero di lanci fissato prima di guardare: rileggerli a ogni lancio trova firme che non ci sono. L&apos;esito viene dall&apos;evidenza.</source>
        <translation>X²: Pearson&apos;s chi-square of the six frequencies against one sixth each. X² and its p hold only for a number of spins fixed before looking: reading them again at every spin finds signatures that are not there. The outcome comes from the evidence.</translation>
    </message>
    <message>
        <source>p del chi quadro: vale solo per un numero di lanci deciso in anticipo e letto una volta. Non è la probabilità che la firma esista, e nessun esito viene da qui.</source>
        <translation>p of the chi-square: valid only for a number of spins decided in advance and read once. It is not the probability that the signature exists, and no outcome comes from it.</translation>
    </message>
    <message>
        <source>La classe più lontana dal sesto atteso, con lo scarto (osservati − N ÷ 6) ÷ √(5N ÷ 36). Oltre ±2,64 è insolito anche fra sei classi (una volta su venti per puro caso). Da 30 lanci.</source>
        <translation>The class furthest from the expected sixth, with the residual (observed − N ÷ 6) ÷ √(5N ÷ 36). Beyond ±2.64 it is unusual even among six classes (once in twenty by pure chance). From 30 spins.</translation>
    </message>
    <message>
        <source>Esito del test di uniformità, dalla sua evidenza: &quot;Firma significativa&quot; da ×600 e &quot;Indizio debole&quot; da ×120, la sua parte del verdetto della pagina. Da 30 lanci.</source>
        <translation>Outcome of the uniformity test, from its evidence: &quot;Significant signature&quot; from ×600 and &quot;Weak hint&quot; from ×120, its share of the verdict of the page. From 30 spins.</translation>
    </message>
    <message>
        <source>Colpi vinti su colpi giocati puntando, prima di ogni lancio, tutte le classi con I.C. rosso. Un numero ripetuto conta come colpo giocato e perso.</source>
        <translation>Bets won out of bets played, betting before every spin on all the classes with a red C.I. A repeated number counts as a bet played and lost.</translation>
    </message>
    <message>
        <source>Colpi vinti attesi per puro caso: per ogni puntata, le classi rosse diviso 6.</source>
        <translation>Bets won expected by pure chance: for every bet, the red classes divided by 6.</translation>
    </message>
    <message>
        <source>p: probabilità esatta (Poisson-binomiale) di vincere almeno tanto per puro caso, per un numero di puntate fissato in anticipo; oltre 10.000 puntate non si calcola.</source>
        <translation>p: exact probability (Poisson binomial) of winning at least this much by pure chance, for a number of bets fixed in advance; beyond 10,000 bets it is not computed.</translation>
    </message>
    <message>
        <source>Saldo in fiches puntando una fiche su ognuna delle sei caselle di ogni classe rossa: una vincita paga 36, un numero ripetuto perde tutto.</source>
        <translation>Balance in chips, betting one chip on each of the six pockets of every red class: a win pays 36, a repeated number loses everything.</translation>
    </message>
    <message>
        <source>Esito del test sul metodo, dalla sua evidenza: &quot;Firma significativa&quot; da ×600 e &quot;Indizio debole&quot; da ×120. Da 30 lanci.</source>
        <translation>Outcome of the test of the method, from its evidence: &quot;Significant signature&quot; from ×600 and &quot;Weak hint&quot; from ×120. From 30 spins.</translation>
    </message>
    <message>
        <source>p del test di indipendenza sulla tabella 6 × 6 classe dopo classe, per un numero di lanci fissato in anticipo; &quot;-&quot; finché ogni casella non ne attende almeno 1 e quattro su cinque almeno 5.</source>
        <translation>p of the independence test on the 6 × 6 table of class after class, for a number of spins fixed in advance; &quot;-&quot; until every cell expects at least 1 and four in five at least 5.</translation>
    </message>
    <message>
        <source>Esito del test classe dopo classe, dalla sua evidenza: &quot;Firma significativa&quot; da ×600 e &quot;Indizio debole&quot; da ×120. Da 30 lanci.</source>
        <translation>Outcome of the class-after-class test, from its evidence: &quot;Significant signature&quot; from ×600 and &quot;Weak hint&quot; from ×120. From 30 spins.</translation>
    </message>
    <message>
        <source>Il verdetto della pagina, dalla media delle evidenze dei sei test: &quot;Firma significativa&quot; da ×100, &quot;Indizio debole&quot; da ×20. Con una ruota giusta arriva a ×100 al più una serata su cento, per quanto spesso si guardi.</source>
        <translation>The verdict of the page, from the mean of the evidence of the six tests: &quot;Significant signature&quot; from ×100, &quot;Weak hint&quot; from ×20. With a fair wheel it reaches ×100 on at most one evening in a hundred, however often one looks.</translation>
    </message>
    <message>
        <source>Evidenza contro il caso: chi avesse scommesso contro la ruota giusta con questi test avrebbe moltiplicato la posta per tanto. La media di tutti i test.</source>
        <translation>Evidence against chance: whoever had bet against the fair wheel with these tests would have multiplied the stake by this much. The mean of all the tests.</translation>
    </message>
    <message>
        <source>Evidenza contro il caso delle sei frequenze: la posta di chi scommette, lancio per lancio, sulle classi uscite più spesso.</source>
        <translation>Evidence against chance of the six frequencies: the stake of one who bets, spin by spin, on the classes that came up most often.</translation>
    </message>
    <message>
        <source>Atteso: il saldo medio delle stesse puntate con una ruota giusta. Ogni fiche su una casella rende 36 su 37: −6 × classi ÷ 37 a puntata.</source>
        <translation>Expected: the average balance of the same bets with a fair wheel. Every chip on a pocket returns 36 in 37: −6 × classes ÷ 37 per bet.</translation>
    </message>
    <message>
        <source>Evidenza contro il caso del metodo: la posta di chi punta una parte fissa del suo capitale sulle classi rosse, pagato come al tavolo. Cresce solo se il metodo batte il banco.</source>
        <translation>Evidence against chance of the method: the stake of one who bets a fixed part of their bankroll on the red classes, paid as at the table. It grows only if the method beats the house.</translation>
    </message>
    <message>
        <source>Evidenza contro il caso di classe dopo classe: la posta di chi scommette sulla classe che di solito segue quella appena uscita.</source>
        <translation>Evidence against chance of class after class: the stake of one who bets on the class that usually follows the one just drawn.</translation>
    </message>
    <message>
        <source>L&apos;evidenza di ogni serie lancio per lancio, in scala logaritmica, con le soglie ×20 e ×100.</source>
        <translation>The evidence of each series spin by spin, on a logarithmic scale, with the thresholds ×20 and ×100.</translation>
    </message>
    <message>
        <source>La quota di ogni classe in ogni serie (trattino bianco) con la fascia che la fiducia 95 % ammette ancora, contro la linea di un sesto.</source>
        <translation>The share of each class in each series (white dash) with the band that 95 % confidence still allows, against the line of one sixth.</translation>
    </message>
    <message>
        <source>Gli stessi test su tutte le sessioni archiviate con questo sito e questo croupier, nell&apos;ordine in cui sono state giocate: nessuna puntata e nessun passo scavalca due sessioni, l&apos;evidenza prosegue dall&apos;una all&apos;altra.</source>
        <translation>The same tests on all the sessions archived with this site and this croupier, in the order they were played: no bet and no step spans two sessions, the evidence carries on from one to the next.</translation>
    </message>
    <message>
        <source>Sessioni archiviate con questo sito e questo croupier che hanno lanci in questa serie.</source>
        <translation>Sessions archived with this site and this croupier that have spins in this series.</translation>
    </message>
    <message>
        <source>Lanci di queste sessioni in questa serie: i test dell&apos;archivio li contano tutti.</source>
        <translation>Spins of these sessions in this series: the archive&apos;s tests count them all.</translation>
    </message>
    <message>
        <source>primo</source>
        <translation>first</translation>
    </message>
    <message>
        <source>secondo</source>
        <translation>second</translation>
    </message>
    <message>
        <source>terzo</source>
        <translation>third</translation>
    </message>
    <message>
        <source>Classe %1: il numero uscito sta nel %2 blocco di sei caselle %3 precedente, contando nel verso del lancio.</source>
        <translation>Class %1: the winning number lies in the %2 block of six pockets %3 previous one, counting in the direction of the spin.</translation>
    </message>
    <message>
        <source>dopo il</source>
        <translation>after the</translation>
    </message>
    <message>
        <source>prima del</source>
        <translation>before the</translation>
    </message>
    <message>
        <source>Passo 0: la classe si è ripetuta.</source>
        <translation>Step 0: the class repeated.</translation>
    </message>
    <message>
        <source>Passo %1%2: la classe è %3 di %4 posti sulla scala -3 … 3.</source>
        <translation>Step %1%2: the class has %3 by %4 places on the scale -3 … 3.</translation>
    </message>
    <message>
        <source>salita</source>
        <translation>risen</translation>
    </message>
    <message>
        <source>scesa</source>
        <translation>fallen</translation>
    </message>
    <message>
        <source>Quota di ogni classe: fra quali percentuali sta ancora, con fiducia 95 % valida a ogni lancio. Con una ruota giusta contiene 16,67 %; tutto il resto è escluso.</source>
        <translation>Share of each class: between which percentages it still lies, with 95 % confidence valid at every spin. With a fair wheel it contains 16.67 %; everything else is ruled out.</translation>
    </message>
    <message>
        <source>Quanti lanci servono, in media, perché una serie da sola mostri &quot;Firma significativa&quot; se una classe esce al 25 % o al 35 % dei lanci.</source>
        <translation>How many spins are needed, on average, for one series alone to show &quot;Significant signature&quot; if a class comes up in 25 % or 35 % of the spins.</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>Permesso negato</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operazione non permessa</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Disco o cartella di sola lettura</source>
        <translation>Read-only disk or folder</translation>
    </message>
    <message>
        <source>Disco pieno</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Spazio riservato all&apos;utente esaurito</source>
        <translation>The user&apos;s disk quota is used up</translation>
    </message>
    <message>
        <source>File o cartella inesistente</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>Una parte del percorso non è una cartella</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>È una cartella</source>
        <translation>It is a folder</translation>
    </message>
    <message>
        <source>Il file esiste già</source>
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>Nome di file troppo lungo</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Troppi collegamenti simbolici nel percorso</source>
        <translation>Too many symbolic links in the path</translation>
    </message>
    <message>
        <source>Troppi file aperti</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Troppi file aperti nel sistema</source>
        <translation>Too many open files in the system</translation>
    </message>
    <message>
        <source>File troppo grande</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Errore di lettura o scrittura del disco</source>
        <translation>Disk read or write error</translation>
    </message>
    <message>
        <source>File o disco occupato</source>
        <translation>File or disk busy</translation>
    </message>
    <message>
        <source>File in uso</source>
        <translation>File in use</translation>
    </message>
    <message>
        <source>Nome di file non valido</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>Dispositivo inesistente</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Errore di sistema %1</source>
        <translation>System error %1</translation>
    </message>
    <message>
        <source>Errore di lettura</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>Errore di scrittura</source>
        <translation>Write error</translation>
    </message>
    <message>
        <source>Risorse del sistema esaurite</source>
        <translation>System resources exhausted</translation>
    </message>
    <message>
        <source>Impossibile sostituire il file</source>
        <translation>Cannot replace the file</translation>
    </message>
    <message>
        <source>Impossibile aprire o scrivere il file</source>
        <translation>Cannot open or write the file</translation>
    </message>
</context>
<context>
    <name>TARCHIVIO</name>
    <message>
        <source>Aggiorna</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Rileggi l&apos;archivio</source>
        <translation>Read the archive again</translation>
    </message>
    <message>
        <source>Esporta sessione</source>
        <translation>Export session</translation>
    </message>
    <message>
        <source>Esporta la sessione scelta come file di sessione</source>
        <translation>Exports the chosen session as session files</translation>
    </message>
    <message>
        <source>Carica in EASY</source>
        <translation>Load into EASY</translation>
    </message>
    <message>
        <source>Carica la serie scelta nella sessione salvata di EASY</source>
        <translation>Loads the chosen series into EASY&apos;s saved session</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Chiudi l&apos;archivio</source>
        <translation>Close the archive</translation>
    </message>
    <message>
        <source>CSV delle scelte</source>
        <translation>CSV of chosen</translation>
    </message>
    <message>
        <source>Esporta in un file CSV le sessioni scelte nell&apos;elenco (Ctrl o Maiusc per sceglierne più)</source>
        <translation>Exports the sessions chosen in the list to a CSV file (Ctrl or Shift to choose several)</translation>
    </message>
    <message>
        <source>CSV di tutte</source>
        <translation>CSV of all</translation>
    </message>
    <message>
        <source>Esporta in un file CSV tutte le sessioni elencate</source>
        <translation>Exports all the listed sessions to a CSV file</translation>
    </message>
    <message>
        <source>Importa...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Importa sessioni da un file CSV o da numeri incollati</source>
        <translation>Imports sessions from a CSV file or from pasted numbers</translation>
    </message>
    <message>
        <source>Sito</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Mostra solo le sessioni dei siti che contengono questo testo</source>
        <translation>Shows only the sessions of the sites that contain this text</translation>
    </message>
    <message>
        <source>Croupier</source>
        <translation>Croupier</translation>
    </message>
    <message>
        <source>Mostra solo le sessioni dei croupier che contengono questo testo</source>
        <translation>Shows only the sessions of the croupiers that contain this text</translation>
    </message>
    <message>
        <source>Rotamind - Esporta sessione</source>
        <translation>Rotamind - Export session</translation>
    </message>
    <message>
        <source>Rotamind - Archivio sessioni</source>
        <translation>Rotamind - Session archive</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Serie della sessione da caricare in EASY</source>
        <translation>Series of the session to load into EASY</translation>
    </message>
    <message>
        <source>L&apos;archivio non esiste ancora: nessuna sessione registrata.</source>
        <translation>The archive does not exist yet: no session recorded.</translation>
    </message>
    <message>
        <source>Archivio non disponibile: %1</source>
        <translation>Archive not available: %1</translation>
    </message>
    <message>
        <source>sessione</source>
        <translation>session</translation>
    </message>
    <message>
        <source>sessioni</source>
        <translation>sessions</translation>
    </message>
    <message>
        <source>%1 di %2 %3</source>
        <translation>%1 of %2 %3</translation>
    </message>
    <message>
        <source>; %1 escluse: %2</source>
        <translation>; %1 left out: %2</translation>
    </message>
    <message>
        <source>ATTUALE</source>
        <translation>CURRENT</translation>
    </message>
    <message>
        <source>ORARIO</source>
        <translation>CLOCKWISE</translation>
    </message>
    <message>
        <source>SALVATA</source>
        <translation>SAVED</translation>
    </message>
    <message>
        <source>ANTIORARIO</source>
        <translation>ANTICLOCKWISE</translation>
    </message>
    <message>
        <source>Nessuna sessione con lanci da esportare.</source>
        <translation>No session with spins to export.</translation>
    </message>
    <message>
        <source>Rotamind - Esporta CSV</source>
        <translation>Rotamind - Export CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Sessione Rotamind.csv</source>
        <translation>Rotamind session.csv</translation>
    </message>
    <message>
        <source>Sessioni Rotamind.csv</source>
        <translation>Rotamind sessions.csv</translation>
    </message>
    <message>
        <source>Impossibile esportare le sessioni: %1</source>
        <translation>Cannot export the sessions: %1</translation>
    </message>
    <message>
        <source>Esportate %1 sessioni in %2</source>
        <translation>Exported %1 sessions to %2</translation>
    </message>
    <message>
        <source>Importate %1 sessioni: l&apos;ultima si apre in %2</source>
        <translation>Imported %1 sessions: the last one opens in %2</translation>
    </message>
    <message>
        <source>Nella cartella esistono già:
%1
Sostituirli?</source>
        <translation>The folder already holds:
%1
Replace them?</translation>
    </message>
    <message>
        <source>%1.
Caricare i lanci recuperati?</source>
        <translation>%1.
Load the recovered spins?</translation>
    </message>
    <message>
        <source>Impossibile leggere la sessione dall&apos;archivio: %1</source>
        <translation>Cannot read the session from the archive: %1</translation>
    </message>
    <message>
        <source>La sessione non ha lanci da esportare.</source>
        <translation>The session has no spins to export.</translation>
    </message>
    <message>
        <source>Esportati %1 file in %2</source>
        <translation>Exported %1 files to %2</translation>
    </message>
    <message>
        <source>Serie caricata nella sessione salvata di EASY (%1 lanci)</source>
        <translation>Series loaded into EASY&apos;s saved session (%1 spins)</translation>
    </message>
    <message>
        <source>Filtro sito</source>
        <translation>Site filter</translation>
    </message>
    <message>
        <source>Filtro croupier</source>
        <translation>Croupier filter</translation>
    </message>
    <message>
        <source>Rilegge l&apos;archivio</source>
        <translation>Reads the archive again</translation>
    </message>
    <message>
        <source>Sessioni archiviate</source>
        <translation>Archived sessions</translation>
    </message>
    <message>
        <source>Data, modo, sito, croupier e lanci di ogni sessione</source>
        <translation>Date, mode, site, croupier and launches of every session</translation>
    </message>
    <message>
        <source>La serie della sessione da caricare in EASY</source>
        <translation>The series of the session to load into EASY</translation>
    </message>
    <message>
        <source>Chiude l&apos;archivio</source>
        <translation>Closes the archive</translation>
    </message>
    <message>
        <source>Esporta in un file CSV le sessioni scelte</source>
        <translation>Exports the chosen sessions to a CSV file</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>TAZZERAPRO</name>
    <message>
        <source>ATTENZIONE!</source>
        <translation>WARNING!</translation>
    </message>
    <message>
        <source>AZZERARE TUTTI I
DATI DELLA SESSIONE?</source>
        <translation>CLEAR ALL THE
DATA OF THE SESSION?</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sì, azzera</source>
        <translation>Yes, reset</translation>
    </message>
    <message>
        <source>Cancella tutti i dati della sessione</source>
        <translation>Clears all the data of the session</translation>
    </message>
    <message>
        <source>Lascia la sessione com&apos;è</source>
        <translation>Leaves the session as it is</translation>
    </message>
</context>
<context>
    <name>TEASY</name>
    <message>
        <source>Elimina ultimo inserimento</source>
        <translation>Delete last entry</translation>
    </message>
    <message>
        <source>Rotamind Graph - sessione attuale</source>
        <translation>Rotamind Graph - current session</translation>
    </message>
    <message>
        <source>Azzera sessione salvata</source>
        <translation>Clear saved session</translation>
    </message>
    <message>
        <source>Rotamind Graph - sessione salvata</source>
        <translation>Rotamind Graph - saved session</translation>
    </message>
    <message>
        <source>Rotamind EASY</source>
        <translation>Rotamind EASY</translation>
    </message>
    <message>
        <source>della sessione attuale</source>
        <translation>of the current session</translation>
    </message>
    <message>
        <source>della sessione salvata</source>
        <translation>of the saved session</translation>
    </message>
    <message>
        <source>Rotamind Easy - Salva sessione</source>
        <translation>Rotamind Easy - Save session</translation>
    </message>
    <message>
        <source>Rotamind Easy - Salva grafico</source>
        <translation>Rotamind Easy - Save chart</translation>
    </message>
    <message>
        <source>Carica sessione</source>
        <translation>Load session</translation>
    </message>
    <message>
        <source>Carica sessione salvata</source>
        <translation>Load saved session</translation>
    </message>
    <message>
        <source>Salva sessione</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>Salva sessione corrente</source>
        <translation>Save current session</translation>
    </message>
    <message>
        <source>Salva grafico</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Salva grafico della sessione corrente</source>
        <translation>Save chart of the current session</translation>
    </message>
    <message>
        <source>Registra colpo in senso ORARIO</source>
        <translation>Record a CLOCKWISE spin</translation>
    </message>
    <message>
        <source>Registra colpo in senso ANTIORARIO</source>
        <translation>Record an ANTICLOCKWISE spin</translation>
    </message>
    <message>
        <source>Statistiche - o</source>
        <translation>Statistics - c</translation>
    </message>
    <message>
        <source>Azzera sessione</source>
        <translation>Clear session</translation>
    </message>
    <message>
        <source>Supporto Online</source>
        <translation>Online support</translation>
    </message>
    <message>
        <source>Mostra/Nascondi Statistiche</source>
        <translation>Show/Hide Statistics</translation>
    </message>
    <message>
        <source>Vai alla versione PRO</source>
        <translation>Go to the PRO version</translation>
    </message>
    <message>
        <source>Azzera sessione corrente</source>
        <translation>Clear current session</translation>
    </message>
    <message>
        <source>ATTUALE</source>
        <translation>CURRENT</translation>
    </message>
    <message>
        <source>SALVATA</source>
        <translation>SAVED</translation>
    </message>
    <message>
        <source>Stats sessione attuale</source>
        <translation>Stats of current session</translation>
    </message>
    <message>
        <source>Stats sessione salvata</source>
        <translation>Stats of saved session</translation>
    </message>
    <message>
        <source>Analisi</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Numero uscito</source>
        <translation>Number drawn</translation>
    </message>
    <message>
        <source>Il numero dell&apos;ultimo lancio: scrivilo e premi Invio per registrarlo</source>
        <translation>The number of the last launch: type it and press Enter to record it</translation>
    </message>
    <message>
        <source>Senso orario (O)</source>
        <translation>Clockwise (O)</translation>
    </message>
    <message>
        <source>Il prossimo lancio è registrato in senso orario</source>
        <translation>The next launch is recorded as clockwise</translation>
    </message>
    <message>
        <source>Senso antiorario (A)</source>
        <translation>Counter-clockwise (A)</translation>
    </message>
    <message>
        <source>Il prossimo lancio è registrato in senso antiorario</source>
        <translation>The next launch is recorded as counter-clockwise</translation>
    </message>
    <message>
        <source>Registra</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Registra il numero uscito con la direzione scelta</source>
        <translation>Records the number drawn with the chosen direction</translation>
    </message>
    <message>
        <source>Ultimo numero sortito</source>
        <translation>Last number drawn</translation>
    </message>
    <message>
        <source>Il più recente dei due ultimi numeri sortiti</source>
        <translation>The more recent of the last two numbers drawn</translation>
    </message>
    <message>
        <source>Penultimo numero sortito</source>
        <translation>Number drawn before the last</translation>
    </message>
    <message>
        <source>Il numero sortito prima dell&apos;ultimo</source>
        <translation>The number drawn before the last one</translation>
    </message>
    <message>
        <source>Ultimo numero per la puntata</source>
        <translation>Last number for the bet</translation>
    </message>
    <message>
        <source>Il numero da cui si contano i sei numeri da puntare</source>
        <translation>The number from which the six numbers to bet are counted</translation>
    </message>
    <message>
        <source>Distanza</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>La classe di distanza dei numeri da puntare: 3, 2, 1, -1, -2 o -3</source>
        <translation>The distance class of the numbers to bet: 3, 2, 1, -1, -2 or -3</translation>
    </message>
    <message>
        <source>Mostra numeri da puntare</source>
        <translation>Show numbers to bet</translation>
    </message>
    <message>
        <source>Calcola i sei numeri da puntare e i sei opposti (Alt+N)</source>
        <translation>Works out the six numbers to bet and the six opposite (Alt+N)</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Apre la guida (F1)</source>
        <translation>Opens the guide (F1)</translation>
    </message>
    <message>
        <source>Sito di gioco</source>
        <translation>Gaming site</translation>
    </message>
    <message>
        <source>Il sito o la sala del tavolo, per i nomi dei file</source>
        <translation>The site or room of the table, for the file names</translation>
    </message>
    <message>
        <source>Nome del croupier</source>
        <translation>Croupier&apos;s name</translation>
    </message>
    <message>
        <source>Il croupier che lancia, per i nomi dei file</source>
        <translation>The croupier who launches, for the file names</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima modifica della sessione (Ctrl+Z)</source>
        <translation>Undoes the last change of the session (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ripete la modifica annullata (Ctrl+Y)</source>
        <translation>Redoes the change undone (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Archivio sessioni</source>
        <translation>Session archive</translation>
    </message>
    <message>
        <source>Apre l&apos;archivio delle sessioni</source>
        <translation>Opens the archive of the sessions</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Mostra o nasconde le statistiche (Alt+S)</source>
        <translation>Shows or hides the statistics (Alt+S)</translation>
    </message>
    <message>
        <source>Cancella la sessione dopo una conferma</source>
        <translation>Clears the session after a confirmation</translation>
    </message>
    <message>
        <source>Pagine delle statistiche</source>
        <translation>Statistics pages</translation>
    </message>
    <message>
        <source>Statistiche classiche, analisi e contatti</source>
        <translation>Classic statistics, analysis and contacts</translation>
    </message>
    <message>
        <source>Azzera sessione attuale</source>
        <translation>Reset current session</translation>
    </message>
    <message>
        <source>Cancella la sessione attuale; Ctrl+Z la ripristina</source>
        <translation>Clears the current session; Ctrl+Z brings it back</translation>
    </message>
    <message>
        <source>Roulette</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Mostra o nasconde la ruota con i numeri da puntare (Alt+R)</source>
        <translation>Shows or hides the wheel with the numbers to bet (Alt+R)</translation>
    </message>
    <message>
        <source>Sessione attuale</source>
        <translation>Current session</translation>
    </message>
    <message>
        <source>Le classi dei lanci della sessione attuale, dal più vecchio</source>
        <translation>The classes of the launches of the current session, oldest first</translation>
    </message>
    <message>
        <source>Elimina l&apos;ultima classe della sessione attuale (Alt+E)</source>
        <translation>Deletes the last class of the current session (Alt+E)</translation>
    </message>
    <message>
        <source>Pagina precedente attuale</source>
        <translation>Previous current page</translation>
    </message>
    <message>
        <source>Mostra la pagina precedente del grafico della sessione attuale (PagSu)</source>
        <translation>Shows the previous page of the current session&apos;s chart (Page Up)</translation>
    </message>
    <message>
        <source>Pagina successiva attuale</source>
        <translation>Next current page</translation>
    </message>
    <message>
        <source>Mostra la pagina successiva del grafico della sessione attuale (PagGiù)</source>
        <translation>Shows the next page of the current session&apos;s chart (Page Down)</translation>
    </message>
    <message>
        <source>Sessione salvata</source>
        <translation>Saved session</translation>
    </message>
    <message>
        <source>Le classi della sessione salvata, dalla più vecchia</source>
        <translation>The classes of the saved session, oldest first</translation>
    </message>
    <message>
        <source>Toglie la sessione salvata</source>
        <translation>Removes the saved session</translation>
    </message>
    <message>
        <source>Pagina precedente salvata</source>
        <translation>Previous saved page</translation>
    </message>
    <message>
        <source>Mostra la pagina precedente del grafico della sessione salvata (Ctrl+PagSu)</source>
        <translation>Shows the previous page of the saved session&apos;s chart (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Pagina successiva salvata</source>
        <translation>Next saved page</translation>
    </message>
    <message>
        <source>Mostra la pagina successiva del grafico della sessione salvata (Ctrl+PagGiù)</source>
        <translation>Shows the next page of the saved session&apos;s chart (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Supporto online</source>
        <translation>Online support</translation>
    </message>
    <message>
        <source>Apre la pagina dei contatti</source>
        <translation>Opens the contact page</translation>
    </message>
    <message>
        <source>Vai a PRO</source>
        <translation>Go to PRO</translation>
    </message>
    <message>
        <source>Passa alla versione PRO</source>
        <translation>Switches to the PRO version</translation>
    </message>
    <message>
        <source>Carica da un file la sessione salvata, da confrontare</source>
        <translation>Loads the saved session from a file, to compare with</translation>
    </message>
    <message>
        <source>Salva sessione attuale</source>
        <translation>Save current session</translation>
    </message>
    <message>
        <source>Salva in un file la sessione attuale</source>
        <translation>Saves the current session to a file</translation>
    </message>
    <message>
        <source>Salva grafico attuale</source>
        <translation>Save current chart</translation>
    </message>
    <message>
        <source>Salva come immagine la pagina del grafico della sessione attuale</source>
        <translation>Saves the page of the current session&apos;s chart as a picture</translation>
    </message>
</context>
<context>
    <name>TGUIDA</name>
    <message>
        <source>Le classi di distanza</source>
        <translation>The distance classes</translation>
    </message>
    <message>
        <source>Correggere un lancio</source>
        <translation>Correcting a spin</translation>
    </message>
    <message>
        <source>Numeri da puntare e Distanza</source>
        <translation>Numbers to bet and Distance</translation>
    </message>
    <message>
        <source>La riga rossa</source>
        <translation>The red row</translation>
    </message>
    <message>
        <source>Il blocco della direzione</source>
        <translation>The direction lock</translation>
    </message>
    <message>
        <source>Statistiche classiche</source>
        <translation>Classic statistics</translation>
    </message>
    <message>
        <source>Lunghezze</source>
        <translation>Lengths</translation>
    </message>
    <message>
        <source>La pagina Analisi</source>
        <translation>The Analysis page</translation>
    </message>
    <message>
        <source>File e salvataggio automatico</source>
        <translation>Files and automatic saving</translation>
    </message>
    <message>
        <source>Archivio delle sessioni</source>
        <translation>Session archive</translation>
    </message>
    <message>
        <source>RIPRISTINA</source>
        <translation>RESTORE</translation>
    </message>
    <message>
        <source>La scheda dei contatti</source>
        <translation>The contacts tab</translation>
    </message>
    <message>
        <source>Tastiera</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>dopo lo 0, ORARIO</source>
        <translation>after 0, CLOCKWISE</translation>
    </message>
    <message>
        <source>Rotamind - Guida</source>
        <translation>Rotamind - Guide</translation>
    </message>
    <message>
        <source>Guida (F1)</source>
        <translation>Guide (F1)</translation>
    </message>
    <message>
        <source>qrc:/guida/</source>
        <comment>the folder of the guide&apos;s pages in this language</comment>
        <translation>qrc:/guida/en/</translation>
    </message>
    <message>
        <source>Argomenti della guida</source>
        <translation>Guide topics</translation>
    </message>
    <message>
        <source>Scegli un argomento per leggerne la pagina</source>
        <translation>Choose a topic to read its page</translation>
    </message>
    <message>
        <source>Pagina della guida</source>
        <translation>Guide page</translation>
    </message>
    <message>
        <source>Il testo dell&apos;argomento scelto</source>
        <translation>The text of the chosen topic</translation>
    </message>
</context>
<context>
    <name>TINTRO</name>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Lingua dei testi, dal prossimo avvio</source>
        <translation>Language of the texts, from the next start</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Apre la versione Professional (P o Invio)</source>
        <translation>Opens the Professional version (P or Enter)</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Apre il metodo Rotamind originale (E)</source>
        <translation>Opens the original Rotamind method (E)</translation>
    </message>
    <message>
        <source>Segni oltre ai colori</source>
        <translation>Signs beside colours</translation>
    </message>
    <message>
        <source>Cornici, tratteggi e simboli accanto ai colori che hanno un significato</source>
        <translation>Frames, hatches and symbols beside the colours that carry a meaning</translation>
    </message>
    <message>
        <source>Ripristina sessione</source>
        <translation>Restore session</translation>
    </message>
    <message>
        <source>Riapre la sessione lasciata senza salvarla</source>
        <translation>Reopens the session left unsaved</translation>
    </message>
    <message>
        <source>Ripristina l&apos;altra sessione</source>
        <translation>Restore the other session</translation>
    </message>
    <message>
        <source>Riapre la sessione dell&apos;altro modo lasciata senza salvarla</source>
        <translation>Reopens the other mode&apos;s session left unsaved</translation>
    </message>
</context>
<context>
    <name>TPRO</name>
    <message>
        <source>Elimina ultimo inserimento</source>
        <translation>Delete last entry</translation>
    </message>
    <message>
        <source>Rotamind Graph - spin in senso ORARIO</source>
        <translation>Rotamind Graph - CLOCKWISE spins</translation>
    </message>
    <message>
        <source>Rotamind Graph - spin in senso ANTIORARIO</source>
        <translation>Rotamind Graph - ANTICLOCKWISE spins</translation>
    </message>
    <message>
        <source>Rotamind PRO</source>
        <translation>Rotamind PRO</translation>
    </message>
    <message>
        <source>degli spin orari</source>
        <translation>of the clockwise spins</translation>
    </message>
    <message>
        <source>degli spin antiorari</source>
        <translation>of the anticlockwise spins</translation>
    </message>
    <message>
        <source>Carica sessione</source>
        <translation>Load session</translation>
    </message>
    <message>
        <source>Carica sessione SPIN ORARI</source>
        <translation>Load CLOCKWISE SPINS session</translation>
    </message>
    <message>
        <source>Salva sessione</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>Salva sessione SPIN ORARI</source>
        <translation>Save CLOCKWISE SPINS session</translation>
    </message>
    <message>
        <source>Salva grafico</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Salva grafico SPIN ORARI</source>
        <translation>Save CLOCKWISE SPINS chart</translation>
    </message>
    <message>
        <source>Carica sessione SPIN ANTIORARI</source>
        <translation>Load ANTICLOCKWISE SPINS session</translation>
    </message>
    <message>
        <source>Salva sessione SPIN ANTIORARI</source>
        <translation>Save ANTICLOCKWISE SPINS session</translation>
    </message>
    <message>
        <source>Salva grafico SPIN ANTIORARI</source>
        <translation>Save ANTICLOCKWISE SPINS chart</translation>
    </message>
    <message>
        <source>Registra colpo in senso ORARIO</source>
        <translation>Record a CLOCKWISE spin</translation>
    </message>
    <message>
        <source>Registra colpo in senso ANTIORARIO</source>
        <translation>Record an ANTICLOCKWISE spin</translation>
    </message>
    <message>
        <source>Statistiche - o</source>
        <translation>Statistics - c</translation>
    </message>
    <message>
        <source>Statistiche - a</source>
        <translation>Statistics - a</translation>
    </message>
    <message>
        <source>Lunghezze -o</source>
        <translation>Lengths -c</translation>
    </message>
    <message>
        <source>Lunghezze -a</source>
        <translation>Lengths -a</translation>
    </message>
    <message>
        <source>Azzera sessione</source>
        <translation>Clear session</translation>
    </message>
    <message>
        <source>Supporto Online</source>
        <translation>Online support</translation>
    </message>
    <message>
        <source>
premere di nuovo il pulsante per sbloccare</source>
        <translation>
press the button again to unlock</translation>
    </message>
    <message>
        <source>Blocca la registrazione solo sui tiri ORARI</source>
        <translation>Lock recording to CLOCKWISE spins only</translation>
    </message>
    <message>
        <source>Blocca la registrazione solo sui tiri ANTIORARI</source>
        <translation>Lock recording to ANTICLOCKWISE spins only</translation>
    </message>
    <message>
        <source>Mostra/Nascondi Statistiche</source>
        <translation>Show/Hide Statistics</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Vai alla versione Easy</source>
        <translation>Go to the Easy version</translation>
    </message>
    <message>
        <source>ORARIO</source>
        <translation>CLOCKWISE</translation>
    </message>
    <message>
        <source>ANTIORARIO</source>
        <translation>ANTICLOCKWISE</translation>
    </message>
    <message>
        <source>Gestione salvataggi automatici</source>
        <translation>Automatic saving</translation>
    </message>
    <message>
        <source>Stats su colpi ORARI</source>
        <translation>Stats of CLOCKWISE spins</translation>
    </message>
    <message>
        <source>Stats su colpi ANTIORARI</source>
        <translation>Stats of ANTICLOCKWISE spins</translation>
    </message>
    <message>
        <source>Statistiche Classiche</source>
        <translation>Classic Statistics</translation>
    </message>
    <message>
        <source>Spin ORARI</source>
        <translation>CLOCKWISE spins</translation>
    </message>
    <message>
        <source>Spin ANTIORARI</source>
        <translation>ANTICLOCKWISE spins</translation>
    </message>
    <message>
        <source>Lunghezze</source>
        <translation>Lengths</translation>
    </message>
    <message>
        <source>ORARI</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>ANTIORARI</source>
        <translation>Anticlockwise</translation>
    </message>
    <message>
        <source>Analisi</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Rotamind Pro - Salva sessione SPIN ORARI</source>
        <translation>Rotamind Pro - Save CLOCKWISE SPINS session</translation>
    </message>
    <message>
        <source>Rotamind Pro - Salva sessione SPIN ANTIORARI</source>
        <translation>Rotamind Pro - Save ANTICLOCKWISE SPINS session</translation>
    </message>
    <message>
        <source>Rotamind Pro - Salva GRAFICO SPIN ORARI</source>
        <translation>Rotamind Pro - Save CLOCKWISE SPINS CHART</translation>
    </message>
    <message>
        <source>Rotamind Pro - Salva GRAFICO SPIN ANTIORARI</source>
        <translation>Rotamind Pro - Save ANTICLOCKWISE SPINS CHART</translation>
    </message>
    <message>
        <source>Numero uscito</source>
        <translation>Number drawn</translation>
    </message>
    <message>
        <source>Il numero dell&apos;ultimo lancio: scrivilo e premi Invio per registrarlo</source>
        <translation>The number of the last launch: type it and press Enter to record it</translation>
    </message>
    <message>
        <source>Senso orario (O)</source>
        <translation>Clockwise (O)</translation>
    </message>
    <message>
        <source>Il prossimo lancio è registrato in senso orario</source>
        <translation>The next launch is recorded as clockwise</translation>
    </message>
    <message>
        <source>Senso antiorario (A)</source>
        <translation>Counter-clockwise (A)</translation>
    </message>
    <message>
        <source>Il prossimo lancio è registrato in senso antiorario</source>
        <translation>The next launch is recorded as counter-clockwise</translation>
    </message>
    <message>
        <source>Registra</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Registra il numero uscito con la direzione scelta</source>
        <translation>Records the number drawn with the chosen direction</translation>
    </message>
    <message>
        <source>Ultimo numero sortito</source>
        <translation>Last number drawn</translation>
    </message>
    <message>
        <source>Il più recente dei due ultimi numeri sortiti</source>
        <translation>The more recent of the last two numbers drawn</translation>
    </message>
    <message>
        <source>Penultimo numero sortito</source>
        <translation>Number drawn before the last</translation>
    </message>
    <message>
        <source>Il numero sortito prima dell&apos;ultimo</source>
        <translation>The number drawn before the last one</translation>
    </message>
    <message>
        <source>Ultimo numero per la puntata</source>
        <translation>Last number for the bet</translation>
    </message>
    <message>
        <source>Il numero da cui si contano i sei numeri da puntare</source>
        <translation>The number from which the six numbers to bet are counted</translation>
    </message>
    <message>
        <source>Distanza</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>La classe di distanza dei numeri da puntare: 3, 2, 1, -1, -2 o -3</source>
        <translation>The distance class of the numbers to bet: 3, 2, 1, -1, -2 or -3</translation>
    </message>
    <message>
        <source>Mostra numeri da puntare</source>
        <translation>Show numbers to bet</translation>
    </message>
    <message>
        <source>Calcola i sei numeri da puntare e i sei opposti (Alt+N)</source>
        <translation>Works out the six numbers to bet and the six opposite (Alt+N)</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Apre la guida (F1)</source>
        <translation>Opens the guide (F1)</translation>
    </message>
    <message>
        <source>Sito di gioco</source>
        <translation>Gaming site</translation>
    </message>
    <message>
        <source>Il sito o la sala del tavolo, per i nomi dei file</source>
        <translation>The site or room of the table, for the file names</translation>
    </message>
    <message>
        <source>Nome del croupier</source>
        <translation>Croupier&apos;s name</translation>
    </message>
    <message>
        <source>Il croupier che lancia, per i nomi dei file</source>
        <translation>The croupier who launches, for the file names</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima modifica della sessione (Ctrl+Z)</source>
        <translation>Undoes the last change of the session (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ripete la modifica annullata (Ctrl+Y)</source>
        <translation>Redoes the change undone (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Archivio sessioni</source>
        <translation>Session archive</translation>
    </message>
    <message>
        <source>Apre l&apos;archivio delle sessioni</source>
        <translation>Opens the archive of the sessions</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Mostra o nasconde le statistiche (Alt+S)</source>
        <translation>Shows or hides the statistics (Alt+S)</translation>
    </message>
    <message>
        <source>Cancella la sessione dopo una conferma</source>
        <translation>Clears the session after a confirmation</translation>
    </message>
    <message>
        <source>Pagine delle statistiche</source>
        <translation>Statistics pages</translation>
    </message>
    <message>
        <source>Statistiche classiche, analisi e contatti</source>
        <translation>Classic statistics, analysis and contacts</translation>
    </message>
    <message>
        <source>Roulette</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Mostra o nasconde la ruota con i numeri da puntare (Alt+R)</source>
        <translation>Shows or hides the wheel with the numbers to bet (Alt+R)</translation>
    </message>
    <message>
        <source>Le classi dei lanci in senso orario, dal più vecchio</source>
        <translation>The classes of the clockwise launches, oldest first</translation>
    </message>
    <message>
        <source>Elimina ultimo ORARIO</source>
        <translation>Delete last clockwise</translation>
    </message>
    <message>
        <source>Elimina l&apos;ultima classe degli spin orari (Alt+E)</source>
        <translation>Deletes the last class of the clockwise spins (Alt+E)</translation>
    </message>
    <message>
        <source>Pagina precedente ORARI</source>
        <translation>Previous clockwise page</translation>
    </message>
    <message>
        <source>Mostra la pagina precedente del grafico orario (PagSu)</source>
        <translation>Shows the previous page of the clockwise chart (Page Up)</translation>
    </message>
    <message>
        <source>Pagina successiva ORARI</source>
        <translation>Next clockwise page</translation>
    </message>
    <message>
        <source>Mostra la pagina successiva del grafico orario (PagGiù)</source>
        <translation>Shows the next page of the clockwise chart (Page Down)</translation>
    </message>
    <message>
        <source>Le classi dei lanci in senso antiorario, dal più vecchio</source>
        <translation>The classes of the counter-clockwise launches, oldest first</translation>
    </message>
    <message>
        <source>Elimina ultimo ANTIORARIO</source>
        <translation>Delete last counter-clockwise</translation>
    </message>
    <message>
        <source>Elimina l&apos;ultima classe degli spin antiorari (Alt+Maiusc+E)</source>
        <translation>Deletes the last class of the counter-clockwise spins (Alt+Shift+E)</translation>
    </message>
    <message>
        <source>Pagina precedente ANTIORARI</source>
        <translation>Previous counter-clockwise page</translation>
    </message>
    <message>
        <source>Mostra la pagina precedente del grafico antiorario (Ctrl+PagSu)</source>
        <translation>Shows the previous page of the counter-clockwise chart (Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>Pagina successiva ANTIORARI</source>
        <translation>Next counter-clockwise page</translation>
    </message>
    <message>
        <source>Mostra la pagina successiva del grafico antiorario (Ctrl+PagGiù)</source>
        <translation>Shows the next page of the counter-clockwise chart (Ctrl+Page Down)</translation>
    </message>
    <message>
        <source>Blocco su ORARIO</source>
        <translation>Lock on clockwise</translation>
    </message>
    <message>
        <source>Registra solo lanci orari finché non si preme di nuovo (Alt+Maiusc+O)</source>
        <translation>Records only clockwise launches until pressed again (Alt+Shift+O)</translation>
    </message>
    <message>
        <source>Blocco su ANTIORARIO</source>
        <translation>Lock on counter-clockwise</translation>
    </message>
    <message>
        <source>Registra solo lanci antiorari finché non si preme di nuovo (Alt+Maiusc+A)</source>
        <translation>Records only counter-clockwise launches until pressed again (Alt+Shift+A)</translation>
    </message>
    <message>
        <source>Vai a Easy</source>
        <translation>Go to Easy</translation>
    </message>
    <message>
        <source>Passa alla versione Easy</source>
        <translation>Switches to the Easy version</translation>
    </message>
    <message>
        <source>Carica sessione ORARI</source>
        <translation>Load clockwise session</translation>
    </message>
    <message>
        <source>Carica da un file la sessione degli spin orari</source>
        <translation>Loads the session of the clockwise spins from a file</translation>
    </message>
    <message>
        <source>Salva sessione ORARI</source>
        <translation>Save clockwise session</translation>
    </message>
    <message>
        <source>Salva in un file la sessione degli spin orari</source>
        <translation>Saves the session of the clockwise spins to a file</translation>
    </message>
    <message>
        <source>Salva grafico ORARI</source>
        <translation>Save clockwise chart</translation>
    </message>
    <message>
        <source>Salva come immagine la pagina del grafico orario</source>
        <translation>Saves the page of the clockwise chart as a picture</translation>
    </message>
    <message>
        <source>Carica sessione ANTIORARI</source>
        <translation>Load counter-clockwise session</translation>
    </message>
    <message>
        <source>Carica da un file la sessione degli spin antiorari</source>
        <translation>Loads the session of the counter-clockwise spins from a file</translation>
    </message>
    <message>
        <source>Salva sessione ANTIORARI</source>
        <translation>Save counter-clockwise session</translation>
    </message>
    <message>
        <source>Salva in un file la sessione degli spin antiorari</source>
        <translation>Saves the session of the counter-clockwise spins to a file</translation>
    </message>
    <message>
        <source>Salva grafico ANTIORARI</source>
        <translation>Save counter-clockwise chart</translation>
    </message>
    <message>
        <source>Salva come immagine la pagina del grafico antiorario</source>
        <translation>Saves the page of the counter-clockwise chart as a picture</translation>
    </message>
    <message>
        <source>Salvataggi automatici</source>
        <translation>Automatic saving</translation>
    </message>
    <message>
        <source>Apre la gestione dei salvataggi automatici</source>
        <translation>Opens the settings of automatic saving</translation>
    </message>
    <message>
        <source>Spin ORARI</source>
        <comment>lengths heading</comment>
        <translation>CLOCKWISE</translation>
    </message>
    <message>
        <source>Spin ANTIORARI</source>
        <comment>lengths heading</comment>
        <translation>ANTICLOCKWISE</translation>
    </message>
</context>
<context>
    <name>TSALVA</name>
    <message>
        <source>del sito</source>
        <translation>of the site</translation>
    </message>
    <message>
        <source>del croupier</source>
        <translation>of the croupier</translation>
    </message>
    <message>
        <source>Il nome %1 contiene &apos;%2&apos;</source>
        <translation>The name %1 contains &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Il nome %1 contiene un carattere nullo</source>
        <translation>The name %1 contains a null character</translation>
    </message>
    <message>
        <source>Nome di file non valido</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>Rotamind PRO</source>
        <translation>Rotamind PRO</translation>
    </message>
    <message>
        <source>File di testo</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>GESTIONE SALVATAGGI 
AUTOMATICI</source>
        <translation>AUTOMATIC 
SAVING</translation>
    </message>
    <message>
        <source>Cartella</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Selezione cartella salvataggio automatico</source>
        <translation>Choose the folder for automatic saving</translation>
    </message>
    <message>
        <source>Intervallo (minuti)</source>
        <translation>Interval (minutes)</translation>
    </message>
    <message>
        <source>Seleziona l&apos;intervallo dei salvataggi automatici</source>
        <translation>Choose the interval of automatic saving</translation>
    </message>
    <message>
        <source>Attivo</source>
        <translation>On</translation>
    </message>
    <message>
        <source>DIsattivo</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Spin in senso ORARIO</source>
        <translation>CLOCKWISE spins</translation>
    </message>
    <message>
        <source>Spin in senso ANTIORARIO</source>
        <translation>ANTICLOCKWISE spins</translation>
    </message>
    <message>
        <source>Grafico ORARIO</source>
        <translation>CLOCKWISE chart</translation>
    </message>
    <message>
        <source>Grafico ANTIORARIO</source>
        <translation>ANTICLOCKWISE chart</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Rotamind Pro - Scelta cartella salvataggi automatici</source>
        <translation>Rotamind Pro - Folder for automatic saving</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>L&apos;intervallo è un numero intero di minuti, da 1 in su</source>
        <translation>The interval is a whole number of minutes, from 1 up</translation>
    </message>
    <message>
        <source>Ultimo salvataggio %1: riuscito</source>
        <translation>Last save %1: succeeded</translation>
    </message>
    <message>
        <source>Ultimo salvataggio %1: non riuscito: %2</source>
        <translation>Last save %1: failed: %2</translation>
    </message>
    <message>
        <source>Sceglie la cartella dei salvataggi automatici</source>
        <translation>Chooses the folder of automatic saving</translation>
    </message>
    <message>
        <source>Cartella dei salvataggi</source>
        <translation>Saving folder</translation>
    </message>
    <message>
        <source>La cartella in cui si salva; vuota finché non è scelta</source>
        <translation>The folder saved into; empty until one is chosen</translation>
    </message>
    <message>
        <source>Intervallo in minuti</source>
        <translation>Interval in minutes</translation>
    </message>
    <message>
        <source>Ogni quanti minuti si salva</source>
        <translation>How many minutes between saves</translation>
    </message>
    <message>
        <source>I salvataggi automatici sono in corso</source>
        <translation>Automatic saving is running</translation>
    </message>
    <message>
        <source>Disattivo</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>I salvataggi automatici sono fermi</source>
        <translation>Automatic saving is stopped</translation>
    </message>
    <message>
        <source>Salva la sessione degli spin orari</source>
        <translation>Saves the session of the clockwise spins</translation>
    </message>
    <message>
        <source>Salva la sessione degli spin antiorari</source>
        <translation>Saves the session of the counter-clockwise spins</translation>
    </message>
    <message>
        <source>Salva il grafico orario</source>
        <translation>Saves the clockwise chart</translation>
    </message>
    <message>
        <source>Salva il grafico antiorario</source>
        <translation>Saves the counter-clockwise chart</translation>
    </message>
    <message>
        <source>Accendi o spegni</source>
        <translation>Switch on or off</translation>
    </message>
    <message>
        <source>Avvia o ferma i salvataggi automatici</source>
        <translation>Starts or stops automatic saving</translation>
    </message>
    <message>
        <source>Chiude la finestra</source>
        <translation>Closes the window</translation>
    </message>
</context>
<context>
    <name>UndoControls</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>WheelPicturePanel</name>
    <message>
        <source>Nascondi</source>
        <translation>Hide</translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>GESTIONE SESSIONI</source>
        <translation>SESSIONS</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Archivio sessioni</source>
        <translation>Session archive</translation>
    </message>
</context>
<context>
    <name>rotamind::TINTRO</name>
    <message>
        <source>Rotamind PRO</source>
        <translation>Rotamind PRO</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Metodo Rotamind originale</source>
        <translation>Original Rotamind method</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Versione Professional</source>
        <translation>Professional version</translation>
    </message>
    <message>
        <source>Riapre la sessione lasciata senza salvarla</source>
        <translation>Reopens the session left without saving it</translation>
    </message>
    <message>
        <source>Lingua dei testi, dal prossimo avvio</source>
        <translation>Language of the texts, from the next start</translation>
    </message>
    <message>
        <source>Ripristina sessione %1 del %2 ore %3 (%4 %5)</source>
        <translation>Restore %1 session of %2 at %3 (%4 %5)</translation>
    </message>
    <message>
        <source>lancio</source>
        <translation>spin</translation>
    </message>
    <message>
        <source>lanci</source>
        <translation>spins</translation>
    </message>
    <message>
        <source>Segni oltre ai colori</source>
        <translation>Signs beside colours</translation>
    </message>
    <message>
        <source>Cornici, tratteggi e simboli accanto ai colori che hanno un significato: per chi non distingue il rosso dal verde</source>
        <translation>Frames, hatches and symbols beside the colours that carry a meaning: for those who cannot tell red from green</translation>
    </message>
</context>
</TS>
