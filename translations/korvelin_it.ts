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
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings</source>
        <translation>Tasti|Colori|Testi|Immagini|Altre impostazioni</translation>
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
