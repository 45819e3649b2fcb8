<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – pantalla del público</translation>
    </message>
</context>
<context>
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>Conexión perdida</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>El marcador no se puede mostrar en la red: no se puede abrir el puerto %1 (%2).

Korvelin sigue sin ello. Elija otro puerto en las opciones (F2, “Red”).</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>“%1” no tiene ] de cierre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>“%1” no tiene la forma HOST[:PORT]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>“%1” no tiene puerto después de los dos puntos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>“%1” no es una dirección IPv6</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>“%1” no indica ningún host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>“%1” no es un nombre de host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>“%1” no es un número de puerto de 1 a 65535</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>saltar la bienvenida y abrir el marcador de inmediato</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>abrir la pantalla del público en la primera pantalla sin el marcador</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>abrir la pantalla del público en la pantalla N (contando desde 1)</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>mostrar el marcador en navegadores de la red, en el puerto de las
opciones (8090 si no se cambia): http://&lt;este equipo&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>lo mismo, en PORT (1 a 65535) para esta ejecución</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>mostrar estas opciones y terminar</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>Un marcador para combates de judo.</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>El marcador no se muestra en la red: “%1” no es un número de puerto. Use --serve para el puerto de las opciones o --serve=PORT con PORT de 1 a 65535.</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>No se abrió la pantalla del público: “%1” no es un número de pantalla. Use --audience para la primera pantalla libre o --audience=N con N desde 1 para la pantalla por número.</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>El marcador no se publica en el bróker: “%1” no es un número de tatami. Use --mat=N con N de 1 a 99.</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>No se usa el bróker: %1. Use --broker=HOST o --broker=HOST:PORT.</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>este marcador es el tatami N (1 a 99) en el bróker de la sala</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>publicar el marcador en el bróker MQTT de la sala durante esta
ejecución (puerto 1883 si no se indica); con --hall, el bróker que se muestra</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>conectar con el bróker por TLS (puerto 8883 si no se indica)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>el nombre de usuario en el bróker; la contraseña es la de las opciones</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>la vista de la sala: cada tatami del bróker en un marcador compacto</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>nada que deshacer</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>deshecho: %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>no se pueden guardar los resultados</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>reloj en marcha</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>reloj parado</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>fin del tiempo</translation>
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
        <translation>atención médica</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>ganador</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>duración del combate</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>deshacer</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reinicio</translation>
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
        <translation>Esperando a los tatamis en %1:%2</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin – vista de la sala</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>bróker sin conexión</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>Esperando a los tatamis</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Cerrar Korvelin</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>Hay un combate en curso. ¿Cerrar Korvelin de todos modos?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>combate recuperado</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>no se puede guardar el combate</translation>
    </message>
</context>
<context>
    <name>kv::KeyNames</name>
    <message>
        <source>Backspace</source>
        <extracomment>A key&apos;s name as the keyboards of the language print it.</extracomment>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
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
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>Korvelin ha encontrado un error inesperado y debe cerrarse.

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>La vista de la sala necesita el bróker de mensajes de la sala: korvelin --hall --broker=HOST[:PORT], o un bróker en las opciones (F2, “Red”).</translation>
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
        <translation>sin conexión</translation>
    </message>
</context>
<context>
    <name>kv::MatService</name>
    <message>
        <source>The broker &quot;%1&quot; is not used: %2.</source>
        <translation>No se usa el bróker “%1”: %2.</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>bróker sin conexión</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visitante</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Tecla no válida: elija otra o cierre esta ventana para volver.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Elegir tecla</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>Pulse la tecla con la que quiere %1.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>El archivo de ayuda ya no está en su lugar habitual.  Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>No se puede leer el archivo de ayuda.  Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Ayuda de Korvelin</translation>
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
        <translation>Iniciar / parar reloj de combate</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Reiniciar combate</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tecla borrar</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Bloq Num:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Siempre activo</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Siempre inactivo</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fondo LED:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Bordes:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Puntuación:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nombre del marcador:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nombre del local:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nombre del visitante:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Imagen del local</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Imagen del visitante</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo de cifras:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Líneas|Puntos</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Muestra:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Sonido de la bocina:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Cambiar sonido ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Tecla de la bocina</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>Imágenes (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>Sonidos *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Ningún archivo elegido]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>iniciar y parar el reloj de combate</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>reiniciar el combate</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>hacer sonar la bocina</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>borrar un número</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Reglamento</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>El reglamento no puede cambiar con un combate en curso: este combate sigue con %1.

Pulse la tecla de reinicio para terminar el combate y elija de nuevo %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>¿Seguro que quiere restablecer los colores?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>¿Seguro que quiere restablecer las teclas?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Cambiar imagen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>El archivo “%1” no se puede leer como imagen.

Elija un archivo de imagen bmp, gif o jpg.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>No se pudieron guardar los ajustes: no se puede escribir en el almacén de ajustes (¿es de solo lectura o está lleno el disco?).

Los nuevos ajustes valen hasta que se cierre Korvelin.</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>Reglamento:</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>Clásico|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>Ninguna|Sénior 4:00|Sub-21 4:00|Sub-18 4:00|Sub-15 3:00|Veteranos 3:00|Infantil 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>Límite de golden score:</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>Ilimitado|1 minuto|2 minutos|3 minutos|4 minutos|5 minutos|Ninguno</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>Puntuar inmovilizaciones</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>Una categoría fija la duración y el límite de golden score; la duración se puede seguir tecleando en el reloj. El reglamento solo cambia entre combates: pulse antes la tecla de reinicio.</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>Teclas|Colores|Textos|Imágenes|Otros ajustes|Reglas|Red</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>Mostrar el marcador en navegadores de la red:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>Sí, en el puerto:</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>Cualquier navegador de la red de la sala muestra entonces el marcador en la dirección del título del marcador (http://este equipo:puerto/), una barra para emisiones en /overlay y el estado en JSON en /state. Desde la red no se puede cambiar nada del combate.</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>deshacer el último cambio</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Deshacer último cambio</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>Bróker de mensajes de la sala (MQTT):</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>Bróker (host:puerto):</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>Este marcador es el tatami:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>Vacío: sin bróker. El marcador publica su estado, resultados y presencia bajo korvelin/mat/N/.</translation>
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
        <translation>ninguno</translation>
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
        <translation>decisión</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Cómo</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Puntos local</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Puntos visitante</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Tiempo de combate</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Reglamento</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>No se pueden leer los resultados: %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>No hay combates el %1.</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>1 combate el %1</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%1 combates el %2</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(se omitió 1 línea dañada)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(se omitieron %1 líneas dañadas)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>No se pueden escribir los resultados en %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>No se puede abrir la carpeta %1.</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>TIEMPO DE COMBATE</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>GANADOR</translation>
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
        <translation>Haga clic para seguir.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; abre las opciones desde el marcador.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; abre la ayuda desde el marcador.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>por Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
