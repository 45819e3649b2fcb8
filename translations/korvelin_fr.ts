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
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>Connexion perdue</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>Le tableau ne peut pas être montré sur le réseau : le port %1 ne peut pas être ouvert (%2).

Korvelin continue sans. Choisissez un autre port dans les options (F2, « Réseau »).</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>« %1 » n&apos;a pas de ] fermant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>« %1 » n&apos;est pas de la forme HOST[:PORT]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>« %1 » n&apos;a pas de port après les deux-points</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>« %1 » n&apos;est pas une adresse IPv6</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>« %1 » ne nomme aucun hôte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>« %1 » n&apos;est pas un nom d&apos;hôte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>« %1 » n&apos;est pas un numéro de port de 1 à 65535</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>sauter l&apos;accueil et ouvrir tout de suite le tableau</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>ouvrir l&apos;affichage public sur le premier écran sans le tableau</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>ouvrir l&apos;affichage public sur l&apos;écran N (compté à partir de 1)</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>montrer le tableau dans les navigateurs du réseau, sur le port des
options (8090 sauf changement) : http://&lt;cet ordinateur&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>la même chose, sur PORT (1 à 65535) pour ce lancement</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>afficher ces options et terminer</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Usage :</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>Un tableau d&apos;affichage pour le judo.</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>Le tableau n&apos;est pas montré sur le réseau : « %1 » n&apos;est pas un numéro de port. Utilisez --serve pour le port des options ou --serve=PORT avec PORT de 1 à 65535.</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>L&apos;affichage public n&apos;a pas été ouvert : « %1 » n&apos;est pas un numéro d&apos;écran. Utilisez --audience pour le premier écran libre ou --audience=N avec N à partir de 1 pour l&apos;écran par numéro.</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>Le tableau n&apos;est pas publié sur le broker : « %1 » n&apos;est pas un numéro de tapis. Utilisez --mat=N avec N de 1 à 99.</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>Le broker n&apos;est pas utilisé : %1. Utilisez --broker=HOST ou --broker=HOST:PORT.</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>ce tableau est le tapis N (1 à 99) sur le broker de la salle</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>publier le tableau sur le broker MQTT de la salle pour cette
exécution (port 1883 sauf indication) ; avec --hall, le broker à montrer</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>joindre le broker en TLS (port 8883 sauf indication)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>le nom d&apos;utilisateur sur le broker ; le mot de passe est celui des options</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>la vue de la salle : chaque tapis du broker en un petit tableau</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>rien à annuler</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>annulé : %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>les résultats ne peuvent pas être sauvegardés</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>chrono démarré</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>chrono arrêté</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>temps écoulé</translation>
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
        <translation>soin médical</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vainqueur</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>durée du combat</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>annulation</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>remise à zéro</translation>
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
        <translation>En attente des tapis sur %1:%2</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin – vue de la salle</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker hors ligne</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>En attente des tapis</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Fermer Korvelin</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>Un combat est en cours. Fermer Korvelin quand même ?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>combat rétabli</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>le combat ne peut pas être sauvegardé</translation>
    </message>
</context>
<context>
    <name>kv::KeyNames</name>
    <message>
        <source>Backspace</source>
        <extracomment>A key&apos;s name as the keyboards of the language print it.</extracomment>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause/Attn</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Pavé num. *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Pavé num. /</translation>
    </message>
</context>
<context>
    <name>kv::KorvelinApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>Korvelin a rencontré une erreur inattendue et doit se fermer.

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>La vue de la salle a besoin du broker de messages de la salle : korvelin --hall --broker=HOST[:PORT], ou d&apos;un broker dans les options (F2, « Réseau »).</translation>
    </message>
</context>
<context>
    <name>kv::MatBoard</name>
    <message>
        <source>MAT %1</source>
        <translation>TAPIS %1</translation>
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
        <translation>hors ligne</translation>
    </message>
</context>
<context>
    <name>kv::MatService</name>
    <message>
        <source>The broker &quot;%1&quot; is not used: %2.</source>
        <translation>Le broker « %1 » n&apos;est pas utilisé : %2.</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker hors ligne</translation>
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
    <message>
        <source>Choose Key</source>
        <translation>Choisir une touche</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>Appuyez sur la touche qui doit %1.</translation>
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
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>Images (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>Sons *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Aucun fichier choisi]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>démarrer et arrêter le chrono</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>remettre le combat à zéro</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>faire retentir le buzzer</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>effacer un nombre</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>Les règles ne peuvent pas changer pendant un combat : ce combat continue sous %1.

Appuyez sur la touche de remise à zéro pour finir le combat, puis choisissez de nouveau %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Voulez-vous vraiment réinitialiser les couleurs ?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Voulez-vous vraiment réinitialiser les touches ?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Changer l&apos;image</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>Le fichier « %1 » ne peut pas être lu comme une image.

Choisissez un fichier d&apos;image bmp, gif ou jpg.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés : le stockage des réglages n&apos;est pas accessible en écriture (lecture seule, ou disque plein ?).

Les nouveaux réglages valent jusqu&apos;à la fermeture de Korvelin.</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>Règles :</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>Classique|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>Aucune|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Vétérans 3:00|Enfants 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>Limite du golden score :</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>Illimitée|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|Aucune</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>Osaekomi :</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>Noter les immobilisations</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>Une catégorie règle la durée et la limite du golden score ; la durée peut toujours se taper sur le chrono. Les règles ne changent qu&apos;entre deux combats : appuyez d&apos;abord sur la touche de remise à zéro.</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>Touches|Couleurs|Textes|Images|Autres réglages|Règles|Réseau</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>Montrer le tableau dans les navigateurs du réseau :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>Oui, sur le port :</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>Tout navigateur du réseau de la salle montre alors le tableau à l&apos;adresse de sa barre de titre (http://cet ordinateur:port/), une barre pour la diffusion à /overlay et l&apos;état en JSON à /state. Rien sur le réseau ne peut changer le combat.</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>annuler la dernière modification</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>Broker de messages de la salle (MQTT) :</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>Broker (hôte:port) :</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>Ce tableau est le tapis :</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>Vide : aucun broker. Le tableau publie son état, ses résultats et sa présence sous korvelin/mat/N/.</translation>
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
        <translation>aucun</translation>
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
        <translation>décision</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Score domicile</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Score visiteur</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Règlement</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>Les résultats ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>Aucun combat le %1.</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>1 combat le %1</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%1 combats le %2</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(1 ligne endommagée ignorée)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(%1 lignes endommagées ignorées)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>Les résultats ne peuvent pas être écrits dans %1 : %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Le dossier %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vainqueur</translation>
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
    <message>
        <source>GOLDEN SCORE</source>
        <translation>GOLDEN SCORE</translation>
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
