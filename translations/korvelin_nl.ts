<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – publieksweergave</translation>
    </message>
</context>
<context>
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>Verbinding verbroken</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>Het scorebord kan niet op het netwerk worden getoond: poort %1 kan niet worden geopend (%2).

Korvelin werkt zonder verder. Kies een andere poort in de opties (F2, „Netwerk”).</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>„%1” heeft geen sluitende ]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>„%1” heeft niet de vorm HOST[:PORT]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>„%1” heeft geen poort na de dubbele punt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>„%1” is geen IPv6-adres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>„%1” noemt geen host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>„%1” is geen hostnaam</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>„%1” is geen poortnummer van 1 tot 65535</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>het welkomstvenster overslaan en meteen het scorebord openen</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>de publieksweergave openen op het eerste scherm zonder het scorebord</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>de publieksweergave openen op scherm N (geteld vanaf 1)</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>het scorebord in browsers op het netwerk tonen, op de poort van de
opties (8090 tenzij gewijzigd): http://&lt;deze computer&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>hetzelfde, voor deze keer op PORT (1 tot 65535)</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>deze opties tonen en stoppen</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>Een scorebord voor judowedstrijden.</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>Het scorebord wordt niet op het netwerk getoond: „%1” is geen poortnummer. Gebruik --serve voor de poort van de opties of --serve=PORT met PORT van 1 tot 65535.</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>De publieksweergave is niet geopend: „%1” is geen schermnummer. Gebruik --audience voor het eerste vrije scherm of --audience=N met N vanaf 1 voor het scherm op nummer.</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>Het scorebord wordt niet op de broker gezet: „%1” is geen matnummer. Gebruik --mat=N met N van 1 tot 99.</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>De broker wordt niet gebruikt: %1. Gebruik --broker=HOST of --broker=HOST:PORT.</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>dit scorebord is mat N (1 tot 99) op de broker van de hal</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>het scorebord deze keer op de MQTT-broker van de hal publiceren
(poort 1883 tenzij opgegeven); met --hall de broker die getoond wordt</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>de broker via TLS bereiken (poort 8883 tenzij opgegeven)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>de gebruikersnaam bij de broker; het wachtwoord komt uit de opties</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>de halweergave: elke mat op de broker als klein scorebord</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>ongedaan: %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>de uitslagen kunnen niet worden bewaard</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>klok gestart</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>klok gestopt</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tijd om</translation>
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
        <translation>medische behandeling</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>winnaar</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>wedstrijdduur</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>ongedaan maken</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reset</translation>
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
        <translation>Wachten op de matten op %1:%2</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin – halweergave</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker offline</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>Wachten op de matten</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Korvelin sluiten</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>Er loopt een wedstrijd. Korvelin toch sluiten?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>wedstrijd hersteld</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>de wedstrijd kan niet worden bewaard</translation>
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
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause/Break</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Numeriek *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Numeriek /</translation>
    </message>
</context>
<context>
    <name>kv::KorvelinApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>Korvelin heeft een onverwachte fout ontmoet en moet sluiten.

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>De halweergave heeft de berichtenbroker van de hal nodig: korvelin --hall --broker=HOST[:PORT], of een broker in de opties (F2, „Netwerk”).</translation>
    </message>
</context>
<context>
    <name>kv::MatBoard</name>
    <message>
        <source>MAT %1</source>
        <translation>MAT %1</translation>
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
        <translation>De broker „%1” wordt niet gebruikt: %2.</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker offline</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Geen geldige toets: kies een andere of sluit dit venster.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Toets kiezen</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>Druk op de toets om %1.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Het helpbestand staat niet meer op zijn vaste plaats.  Installeer het programma opnieuw.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>Het helpbestand kan niet worden gelezen.  Installeer het programma opnieuw.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Korvelin – Help</translation>
    </message>
</context>
<context>
    <name>kv::frmOptions</name>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>Wedstrijdklok starten / stoppen</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Wedstrijd resetten</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Wistoets</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>NumLock-opties:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normale modus</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Altijd aan</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Altijd uit</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Achtergrond:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzig</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>LED-achtergrond:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Randen:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Scores:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Selectie</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Dikte:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Naam van het scorebord:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Naam thuisploeg:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Naam uitploeg:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Afbeelding thuis</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Afbeelding uit</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Cijfertype:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Lijnen|Punten</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Voorbeeld:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Zoemergeluid:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Geluid wijzigen ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Zoemertoets kiezen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>Afbeeldingen (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>Geluiden *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Geen bestand gekozen]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>de wedstrijdklok te starten en te stoppen</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>de wedstrijd te resetten</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>de zoemer te laten klinken</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>een getal te wissen</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Reglement</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>Het reglement kan niet wisselen tijdens een wedstrijd: deze wedstrijd gaat door onder %1.

Druk op de resettoets om de wedstrijd te beëindigen en kies dan opnieuw %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Weet u zeker dat u de kleuren wilt herstellen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Weet u zeker dat u de toetsen wilt herstellen?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Afbeelding wijzigen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>Het bestand „%1” kan niet als afbeelding worden gelezen.

Kies een bmp-, gif- of jpg-afbeelding.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>De instellingen konden niet worden bewaard: de instellingenopslag is niet beschrijfbaar (alleen-lezen, of de schijf vol?).

De nieuwe instellingen gelden tot Korvelin wordt gesloten.</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>Reglement:</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>Klassiek|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categorie:</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>Geen|Senioren 4:00|U21 4:00|U18 4:00|U15 3:00|Veteranen 3:00|Kinderen 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>Grens golden score:</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>Onbeperkt|1 minuut|2 minuten|3 minuten|4 minuten|5 minuten|Geen</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>Houdgrepen automatisch scoren</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>Een categorie zet de wedstrijdduur en de grens van de golden score; de duur kunt u nog op de klok typen. Het reglement wisselt alleen tussen wedstrijden: druk eerst op de resettoets.</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>Toetsen|Kleuren|Teksten|Afbeeldingen|Overig|Regels|Netwerk</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>Scorebord tonen in browsers op het netwerk:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>Aan, op poort:</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>Elke browser op het netwerk van de hal toont dan het scorebord op het adres in de titelbalk (http://deze computer:poort/), een balk voor streams op /overlay en de stand als JSON op /state. Via het netwerk kan niets aan de wedstrijd veranderen.</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>de laatste wijziging ongedaan te maken</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Laatste wijziging ongedaan maken</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>Berichtenbroker van de hal (MQTT):</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>Broker (host:poort):</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>Dit scorebord is mat:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>Leeg: op geen broker. Het scorebord publiceert zijn stand, uitslagen en aanwezigheid onder korvelin/mat/N/.</translation>
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
        <translation>geen</translation>
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
        <translation>beslissing</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Hoe</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Score thuis</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Score uit</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Wedstrijdtijd</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Reglement</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitslagen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporteren...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>De uitslagen kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>Geen wedstrijden op %1.</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>1 wedstrijd op %1</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%1 wedstrijden op %2</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(1 beschadigde regel overgeslagen)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(%1 beschadigde regels overgeslagen)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>De uitslagen kunnen niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>De map %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Winnaar</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>WEDSTRIJDTIJD</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>WINNAAR</translation>
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
        <translation>Klik om verder te gaan.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; opent de opties vanaf het scorebord.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; opent de help vanaf het scorebord.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>door Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
</context>
</TS>
