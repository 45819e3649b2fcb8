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
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings</source>
        <translation>Tasten|Farben|Texte|Bilder|Weitere Einstellungen</translation>
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
