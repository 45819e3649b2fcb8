<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – Zuschaueranzeige</translation>
    </message>
</context>
<context>
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>Verbindung unterbrochen</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>Die Tafel kann nicht im Netz gezeigt werden: Port %1 lässt sich nicht öffnen (%2).

Korvelin läuft ohne weiter. Wählen Sie einen anderen Port in den Optionen (F2, „Netzwerk“).</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>„%1“ hat keine schließende ]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>„%1“ hat nicht die Form HOST[:PORT]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>„%1“ hat nach dem Doppelpunkt keinen Port</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>„%1“ ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>„%1“ nennt keinen Host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>„%1“ ist kein Hostname</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>„%1“ ist keine Portnummer von 1 bis 65535</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>das Begrüßungsfenster überspringen und sofort die Tafel öffnen</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>die Zuschaueranzeige auf dem ersten Bildschirm ohne die Tafel öffnen</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>die Zuschaueranzeige auf Bildschirm N öffnen (ab 1 gezählt)</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>die Tafel in Browsern im Netz zeigen, auf dem Port der Optionen
(8090, wenn nicht geändert): http://&lt;dieser Rechner&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>dasselbe, für diesen Lauf auf PORT (1 bis 65535)</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>diese Optionen zeigen und beenden</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>Eine Anzeigetafel für Judokämpfe.</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>Die Tafel wird nicht im Netz gezeigt: „%1“ ist keine Portnummer. Verwenden Sie --serve für den Port der Optionen oder --serve=PORT mit PORT von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>Die Zuschaueranzeige wurde nicht geöffnet: „%1“ ist keine Bildschirmnummer. Verwenden Sie --audience für den ersten freien Bildschirm oder --audience=N mit N ab 1 für den Bildschirm nach Nummer.</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>Die Tafel wird nicht beim Broker angemeldet: „%1“ ist keine Mattennummer. Verwenden Sie --mat=N mit N von 1 bis 99.</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>Der Broker wird nicht verwendet: %1. Verwenden Sie --broker=HOST oder --broker=HOST:PORT.</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>diese Tafel ist Matte N (1 bis 99) beim Broker der Halle</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>die Tafel für diesen Lauf beim MQTT-Broker der Halle veröffentlichen
(Port 1883, wenn nicht angegeben); mit --hall der gezeigte Broker</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>den Broker über TLS erreichen (Port 8883, wenn nicht angegeben)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>der Benutzername beim Broker; das Passwort steht in den Optionen</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>die Hallenansicht: jede Matte des Brokers als kleine Tafel</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>nichts zurückzunehmen</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>zurückgenommen: %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>die Ergebnisse können nicht gesichert werden</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>Uhr gestartet</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>Uhr gestoppt</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>osaekomi</source>
        <translation>Osaekomi</translation>
    </message>
    <message>
        <source>toketa</source>
        <translation>Toketa</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>Ippon</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>Waza-ari</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>Yuko</translation>
    </message>
    <message>
        <source>shido</source>
        <translation>Shido</translation>
    </message>
    <message>
        <source>medical</source>
        <translation>medizinisches Zeichen</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>Golden Score</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>Kampfdauer</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>Rücknahme</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>Zurücksetzen</translation>
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
        <translation>Warten auf die Matten bei %1:%2</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin – Hallenansicht</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>Broker offline</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>Warten auf die Matten</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Korvelin schließen</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>Ein Kampf läuft. Korvelin trotzdem schließen?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>Kampf wiederhergestellt</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>der Kampf kann nicht gesichert werden</translation>
    </message>
</context>
<context>
    <name>kv::KeyNames</name>
    <message>
        <source>Backspace</source>
        <extracomment>A key&apos;s name as the keyboards of the language print it.</extracomment>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Num *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Num /</translation>
    </message>
</context>
<context>
    <name>kv::KorvelinApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>Korvelin ist auf einen unerwarteten Fehler gestoßen und muss beendet werden.

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>Die Hallenansicht braucht den Nachrichten-Broker der Halle: korvelin --hall --broker=HOST[:PORT] oder einen Broker in den Optionen (F2, „Netzwerk“).</translation>
    </message>
</context>
<context>
    <name>kv::MatBoard</name>
    <message>
        <source>MAT %1</source>
        <translation>MATTE %1</translation>
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
        <translation>offline</translation>
    </message>
</context>
<context>
    <name>kv::MatService</name>
    <message>
        <source>The broker &quot;%1&quot; is not used: %2.</source>
        <translation>Der Broker „%1“ wird nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>Broker offline</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Gast</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Diese Taste geht nicht. Bitte eine andere wählen oder das Fenster schließen.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Taste wählen</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>Drücken Sie die Taste, mit der Sie %1.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Die Hilfedatei liegt nicht mehr an ihrem üblichen Ort.  Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>Die Hilfedatei kann nicht gelesen werden.  Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Korvelin – Hilfe</translation>
    </message>
</context>
<context>
    <name>kv::frmOptions</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>Kampfuhr starten / stoppen</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Kampf zurücksetzen</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Löschtaste</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>NumLock-Optionen:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normalmodus</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Immer an</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Immer aus</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>LED-Hintergrund:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Wertungen:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Kampfzeit:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Auswahlrahmen</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Name der Anzeigetafel:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Name Heim:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Name Gast:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Bild Heim</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Bild Gast</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Ziffernart:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Linien|Punkte</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Summerton:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Ton ändern ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Summertaste wählen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>Bilder (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>Töne *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Keine Datei gewählt]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>die Kampfuhr starten und stoppen wollen</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>den Kampf zurücksetzen wollen</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>den Summer ertönen lassen wollen</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>eine Zahl löschen wollen</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regelwerk</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>Das Regelwerk lässt sich während eines Kampfes nicht wechseln: dieser Kampf läuft unter %1 weiter.

Beenden Sie den Kampf mit der Rücksetztaste und wählen Sie dann erneut %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Wirklich alle Farben zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Wirklich alle Tasten zurücksetzen?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>Die Datei „%1“ lässt sich nicht als Bild lesen.

Bitte wählen Sie eine bmp-, gif- oder jpg-Bilddatei.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: der Einstellungsspeicher ist nicht beschreibbar (schreibgeschützt oder Datenträger voll?).

Die neuen Einstellungen gelten, bis Korvelin geschlossen wird.</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>Regelwerk:</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>Klassisch|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>Keine|Senioren 4:00|U21 4:00|U18 4:00|U15 3:00|Veteranen 3:00|Kinder 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>Golden-Score-Grenze:</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>Unbegrenzt|1 Minute|2 Minuten|3 Minuten|4 Minuten|5 Minuten|Keiner</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>Haltegriffe automatisch werten</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>Eine Kategorie setzt Kampfdauer und Golden-Score-Grenze; die Dauer lässt sich weiterhin auf der Kampfuhr tippen. Das Regelwerk wechselt nur zwischen zwei Kämpfen: zuerst die Rücksetztaste drücken.</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>Tasten|Farben|Texte|Bilder|Weiteres|Regeln|Netzwerk</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>Tafel in Browsern im Netz zeigen:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>An, auf Port:</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>Jeder Browser im Hallennetz zeigt dann die Tafel unter der Adresse in der Titelzeile der Tafel (http://dieser Rechner:Port/), eine Leiste für Streams unter /overlay und den Zustand als JSON unter /state. Über das Netz lässt sich am Kampf nichts ändern.</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>die letzte Änderung zurücknehmen wollen</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>Nachrichten-Broker der Halle (MQTT):</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>Broker (Host:Port):</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>Diese Tafel ist Matte:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>Leer: bei keinem Broker. Die Tafel veröffentlicht Zustand, Ergebnisse und Anwesenheit unter korvelin/mat/N/.</translation>
    </message>
</context>
<context>
    <name>kv::frmResults</name>
    <message>
        <source>ippon %1</source>
        <translation>Ippon %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>Ippon</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>Waza-ari</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>Yuko</translation>
    </message>
    <message>
        <source>hansoku-make</source>
        <translation>Hansoku-make</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>Entscheid</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>Golden Score</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Wodurch</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Wertung Heim</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Wertung Gast</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Kampfzeit</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regelwerk</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>Die Ergebnisse können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>Keine Kämpfe am %1.</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>1 Kampf am %1</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%1 Kämpfe am %2</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(1 beschädigte Zeile übersprungen)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(%1 beschädigte Zeilen übersprungen)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>Die Ergebnisse können nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Sieger</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>KAMPFZEIT</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>SIEGER</translation>
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
        <translation>Klicken zum Fortfahren.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; öffnet die Optionen auf der Anzeigetafel.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; öffnet die Hilfe auf der Anzeigetafel.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>von Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
