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
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings</source>
        <translation>Toetsen|Kleuren|Teksten|Afbeeldingen|Overige instellingen</translation>
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
