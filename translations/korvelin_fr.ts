<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – affichage pour le public</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visiteur</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Touche non valable : choisissez-en une autre ou fermez cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Le fichier d&apos;aide n&apos;est plus à son emplacement habituel.  Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>Le fichier d&apos;aide ne peut pas être lu.  Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Aide de Korvelin</translation>
    </message>
</context>
<context>
    <name>kv::frmOptions</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings</source>
        <translation>Touches|Couleurs|Textes|Images|Autres réglages</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>Démarrer / arrêter le chrono</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Touche effacer</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Verr. num. :</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Toujours activé</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Toujours désactivé</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fond LED :</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Bordures :</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Scores :</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi :</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg. :</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nom du tableau :</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nom de l&apos;équipe à domicile :</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nom de l&apos;équipe visiteuse :</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Image domicile</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Image visiteur</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Chiffres :</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Lignes|Points</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Son du buzzer :</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Changer le son ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Touche du buzzer</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>TEMPS DE COMBAT</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>VAINQUEUR</translation>
    </message>
</context>
<context>
    <name>kv::frmSplash</name>
    <message>
        <source>Click to continue.</source>
        <translation>Cliquez pour continuer.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; ouvre les options depuis le tableau.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; ouvre l&apos;aide depuis le tableau.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>par Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
