<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – schermo per il pubblico</translation>
    </message>
</context>
<context>
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>Connessione persa</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>Il tabellone non può essere mostrato in rete: impossibile aprire la porta %1 (%2).

Korvelin continua senza. Scegliete un&apos;altra porta nelle opzioni (F2, “Rete”).</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>“%1” non ha la ] di chiusura</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>“%1” non è nella forma HOST[:PORT]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>“%1” non ha una porta dopo i due punti</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>“%1” non è un indirizzo IPv6</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>“%1” non indica alcun host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>“%1” non è un nome di host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>“%1” non è un numero di porta da 1 a 65535</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>saltare il benvenuto e aprire subito il tabellone</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>aprire lo schermo per il pubblico sul primo schermo senza il tabellone</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>aprire lo schermo per il pubblico sullo schermo N (contando da 1)</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>mostrare il tabellone nei browser della rete, sulla porta delle
opzioni (8090 se non cambiata): http://&lt;questo computer&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>lo stesso, sulla porta PORT (da 1 a 65535) per questo avvio</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>mostrare queste opzioni e terminare</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>Un tabellone per gli incontri di judo.</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>Il tabellone non è mostrato in rete: “%1” non è un numero di porta. Usate --serve per la porta delle opzioni o --serve=PORT con PORT da 1 a 65535.</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>Lo schermo per il pubblico non è stato aperto: “%1” non è un numero di schermo. Usate --audience per il primo schermo libero o --audience=N con N da 1 per lo schermo per numero.</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>Il tabellone non viene pubblicato sul broker: “%1” non è un numero di tatami. Usate --mat=N con N da 1 a 99.</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>Il broker non viene usato: %1. Usate --broker=HOST o --broker=HOST:PORT.</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>questo tabellone è il tatami N (da 1 a 99) sul broker del palazzetto</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>pubblicare il tabellone sul broker MQTT del palazzetto per questa
esecuzione (porta 1883 se non indicata); con --hall, il broker da mostrare</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>raggiungere il broker con TLS (porta 8883 se non indicata)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>il nome utente sul broker; la password è quella delle opzioni</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>la vista del palazzetto: ogni tatami del broker in un piccolo tabellone</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>niente da annullare</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>annullato: %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>impossibile salvare i risultati</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>cronometro avviato</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>cronometro fermato</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tempo scaduto</translation>
    </message>
    <message>
        <source>osaekomi</source>
        <translation>osaekomi</translation>
    </message>
    <message>
        <source>toketa</source>
        <translation>toketa</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>ippon</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>waza-ari</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>yuko</translation>
    </message>
    <message>
        <source>shido</source>
        <translation>shido</translation>
    </message>
    <message>
        <source>medical</source>
        <translation>intervento medico</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vincitore</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>durata dell&apos;incontro</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>annullamento</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>azzeramento</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is what happened (&quot;shido&quot;), %2 the side (&quot;Visitor&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>kv::HallWindow</name>
    <message>
        <source>Waiting for the mats on %1:%2</source>
        <translation>In attesa dei tatami su %1:%2</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin – vista del palazzetto</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker non in linea</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>In attesa dei tatami</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Chiudi Korvelin</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>Un incontro è in corso. Chiudere comunque Korvelin?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>incontro ripristinato</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>impossibile salvare l&apos;incontro</translation>
    </message>
</context>
<context>
    <name>kv::KeyNames</name>
    <message>
        <source>Backspace</source>
        <extracomment>A key&apos;s name as the keyboards of the language print it.</extracomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pausa/Interr</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pag su</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Tastierino *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Tastierino /</translation>
    </message>
</context>
<context>
    <name>kv::KorvelinApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>Korvelin ha incontrato un errore imprevisto e deve chiudersi.

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>La vista del palazzetto richiede il broker di messaggi del palazzetto: korvelin --hall --broker=HOST[:PORT], oppure un broker nelle opzioni (F2, “Rete”).</translation>
    </message>
</context>
<context>
    <name>kv::MatBoard</name>
    <message>
        <source>MAT %1</source>
        <translation>TATAMI %1</translation>
    </message>
    <message>
        <source>SHIDO</source>
        <translation>SHIDO</translation>
    </message>
    <message>
        <source>GOLDEN SCORE</source>
        <translation>GOLDEN SCORE</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>non in linea</translation>
    </message>
</context>
<context>
    <name>kv::MatService</name>
    <message>
        <source>The broker &quot;%1&quot; is not used: %2.</source>
        <translation>Il broker “%1” non viene usato: %2.</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker non in linea</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Ospite</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Tasto non valido: sceglierne un altro o chiudere questa finestra.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Scegli tasto</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>Premete il tasto con cui volete %1.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Il file della guida non si trova più nella sua posizione abituale.  Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>Impossibile leggere il file della guida.  Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Guida di Korvelin</translation>
    </message>
</context>
<context>
    <name>kv::frmOptions</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>Avvia / ferma il cronometro</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Azzera incontro</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tasto cancella</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Bloc Num:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normale</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Sempre attivo</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Sempre disattivo</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Sfondo:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Sfondo LED:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Bordi:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Punteggio:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largh.:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nome del tabellone:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nome della squadra di casa:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nome della squadra ospite:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Immagine casa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Immagine ospite</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo di cifre:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Linee|Punti</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Anteprima:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Suono della sirena:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Cambia suono ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Nessun suono</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Tasto della sirena</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>Immagini (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>Suoni *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Nessun file scelto]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>avviare e fermare il cronometro</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>azzerare l&apos;incontro</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>far suonare la sirena</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>cancellare un numero</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regolamento</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>Il regolamento non può cambiare a incontro in corso: questo incontro continua con %1.

Premete il tasto di azzeramento per chiudere l&apos;incontro, poi scegliete di nuovo %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Ripristinare davvero i colori?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Ripristinare davvero i tasti?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Cambia immagine</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>Il file “%1” non si può leggere come immagine.

Scegliete un file d&apos;immagine bmp, gif o jpg.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>Impossibile salvare le impostazioni: l&apos;archivio delle impostazioni non è scrivibile (sola lettura o disco pieno?).

Le nuove impostazioni valgono fino alla chiusura di Korvelin.</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>Regolamento:</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>Classico|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>Nessuna|Seniores 4:00|U21 4:00|U18 4:00|U15 3:00|Master 3:00|Bambini 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>Limite del golden score:</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>Illimitato|1 minuto|2 minuti|3 minuti|4 minuti|5 minuti|Nessuno</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>Punteggio automatico</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>Una categoria imposta la durata e il limite del golden score; la durata si può ancora digitare sul cronometro. Il regolamento cambia solo fra due incontri: premete prima il tasto di azzeramento.</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>Tasti|Colori|Testi|Immagini|Altre impostazioni|Regole|Rete</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>Mostrare il tabellone nei browser della rete:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>Sì, sulla porta:</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>Ogni browser della rete del palazzetto mostra allora il tabellone all&apos;indirizzo nella sua barra del titolo (http://questo computer:porta/), una barra per lo streaming in /overlay e lo stato in JSON in /state. Dalla rete non si può cambiare nulla dell&apos;incontro.</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>annullare l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Annulla ultima modifica</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>Broker di messaggi del palazzetto (MQTT):</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>Broker (host:porta):</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>Questo tabellone è il tatami:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>Vuoto: nessun broker. Il tabellone pubblica stato, risultati e presenza sotto korvelin/mat/N/.</translation>
    </message>
</context>
<context>
    <name>kv::frmResults</name>
    <message>
        <source>ippon %1</source>
        <translation>ippon %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>ippon</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>waza-ari</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>yuko</translation>
    </message>
    <message>
        <source>hansoku-make</source>
        <translation>hansoku-make</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>decisione</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Come</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Punti casa</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Punti ospite</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regolamento</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>Impossibile leggere i risultati: %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>Nessun incontro il %1.</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>1 incontro il %1</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%1 incontri il %2</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(1 riga danneggiata saltata)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(%1 righe danneggiate saltate)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>File CSV</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>Impossibile scrivere i risultati in %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Impossibile aprire la cartella %1.</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vincitore</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>TEMPO DI GARA</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>VINCITORE</translation>
    </message>
    <message>
        <source>GOLDEN SCORE</source>
        <translation>GOLDEN SCORE</translation>
    </message>
</context>
<context>
    <name>kv::frmSplash</name>
    <message>
        <source>Click to continue.</source>
        <translation>Clic per continuare.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; apre le opzioni dal tabellone.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; apre la guida dal tabellone.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>di Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
</TS>
